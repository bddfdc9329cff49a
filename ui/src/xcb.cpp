// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/xcb.h"

#include <cstring>

namespace stripewise::xcb {

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  auto reply = Own(xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::vector<std::uint32_t> Property32(xcb_connection_t* c, xcb_window_t window,
                                      xcb_atom_t property) {
  constexpr std::uint32_t kLongest = 1 << 20;  // in 32-bit units: a window icon's pixels fit
  auto reply = Own(xcb_get_property_reply(
      c, xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, kLongest),
      nullptr));
  if (!reply || reply->format != 32) return {};
  const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return {data, data + xcb_get_property_value_length(reply.get()) / 4};
}

}  // namespace stripewise::xcb
