# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Stripewise developers
# Each window of sway's tree (swaymsg -t get_tree on standard input), top
# of the stack last: "title app_id shell WxH focused", and with "place" the
# top-left corner of its client area after it.
import json
import sys


def walk(node):
    if node.get('app_id'):
        geometry, rect, window = node['geometry'], node['rect'], node['window_rect']
        words = [node['name'], node['app_id'], node['shell'],
                 '%dx%d' % (geometry['width'], geometry['height']), str(node['focused'])]
        if sys.argv[1:] == ['place']:
            words += [str(rect['x'] + window['x']), str(rect['y'] + window['y'])]
        print(' '.join(words))
    for child in node['nodes'] + node['floating_nodes']:
        walk(child)


walk(json.load(sys.stdin))
