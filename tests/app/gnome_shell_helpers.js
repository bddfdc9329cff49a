// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers
// Helpers the Wayland test defines in GNOME Shell through its Eval: a
// virtual pointer that clicks into the main window, and words for the
// program's windows as the shell sees them. The last line gives true.
const {Clutter} = imports.gi;
globalThis.pointer = Clutter.get_default_backend().get_default_seat()
    .create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);
globalThis.ours = () => global.get_window_actors().map(a => a.meta_window)
    .filter(w => w.get_title() !== 'gnome-shell');
globalThis.win = title => ours().find(w => w.get_title() === title);
globalThis.click = (x, y) => {
  const w = win('Stripewise v2.0');
  const c = w.frame_rect_to_client_rect(w.get_frame_rect());
  const t = global.get_current_time();
  pointer.notify_absolute_motion(t, c.x + x, c.y + y);
  pointer.notify_button(t, 1, Clutter.ButtonState.PRESSED);
  pointer.notify_button(t, 1, Clutter.ButtonState.RELEASED);
};
globalThis.describe = w => [w.get_title(), w.get_client_type() === 1 ? 'X11' : 'Wayland',
  w.decorated ? 'decorated' : 'bare', 'maximize ' + w.can_maximize(),
  'minimize ' + w.can_minimize(), 'maximized ' + w.get_maximized()].join(' ');
globalThis.place = w => {
  const f = w.get_frame_rect();
  return f.x + ',' + f.y + ' ' + f.width + 'x' + f.height + (w.has_focus() ? ' focused' : '');
};
true
