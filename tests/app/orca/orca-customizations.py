# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Stripewise developers
# Orca writes its debug log line by line, so that the test reads it as it goes.
import orca.debug
orca.debug.debugFile.reconfigure(line_buffering=True)
