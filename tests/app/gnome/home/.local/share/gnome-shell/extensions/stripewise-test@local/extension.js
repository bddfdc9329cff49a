// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers
// Opens GNOME Shell's Eval, which the Wayland test looks and clicks through.
function init() {
  return {enable() { global.context.unsafe_mode = true; }, disable() {}};
}
