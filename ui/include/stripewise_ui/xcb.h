// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The few requests to an X server that the program and its tests make
// themselves: atoms and window properties.

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace stripewise::xcb {

// A reply of the X server, freed when it goes.
template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Takes charge of a reply; nullptr stays empty.
template <typename T>
Reply<T> Own(T* reply) {
  return Reply<T>(reply, &std::free);
}

// The atom of a name; XCB_ATOM_NONE when the server does not answer.
xcb_atom_t Atom(xcb_connection_t* c, const char* name);

// The 32-bit values of a window's property; empty when it is not set.
std::vector<std::uint32_t> Property32(xcb_connection_t* c, xcb_window_t window,
                                      xcb_atom_t property);

}  // namespace stripewise::xcb
