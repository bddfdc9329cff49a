// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// Gives a headless wlroots compositor (sway) a pointer: creates a virtual
// pointer device on its seat, prints "ready", and keeps it until killed,
// while `swaymsg seat - cursor` moves and clicks it. The two interfaces of
// wlr-virtual-pointer-unstable-v1 are declared here, as wayland-scanner
// would write them; only the request that creates the device is sent.
#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

const wl_interface* no_types[8] = {};
extern const wl_interface kPointer;
const wl_interface* create_types[] = {&wl_seat_interface, &kPointer};
const wl_interface* create_on_output_types[] = {&wl_seat_interface, &wl_output_interface,
                                                &kPointer};
const wl_message kManagerRequests[] = {
    {"create_virtual_pointer", "?on", create_types},
    {"destroy", "", no_types},
    {"create_virtual_pointer_with_output", "2?o?on", create_on_output_types},
};
const wl_interface kManager = {
    "zwlr_virtual_pointer_manager_v1", 2, 3, kManagerRequests, 0, nullptr};
const wl_message kPointerRequests[] = {
    {"motion", "uff", no_types},   {"motion_absolute", "uuuuu", no_types},
    {"button", "uuu", no_types},   {"axis", "uuf", no_types},
    {"frame", "", no_types},       {"axis_source", "u", no_types},
    {"axis_stop", "uu", no_types}, {"axis_discrete", "uufi", no_types},
    {"destroy", "", no_types},
};
const wl_interface kPointer = {"zwlr_virtual_pointer_v1", 2, 9, kPointerRequests, 0, nullptr};

wl_seat* g_seat = nullptr;
wl_proxy* g_manager = nullptr;

void Announce(void*, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t) {
  if (std::strcmp(interface, "wl_seat") == 0 && g_seat == nullptr) {
    g_seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  } else if (std::strcmp(interface, kManager.name) == 0) {
    g_manager = static_cast<wl_proxy*>(wl_registry_bind(registry, name, &kManager, 1));
  }
}

}  // namespace

int main() {
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) return 1;
  static const wl_registry_listener kListener = {Announce,
                                                 [](void*, wl_registry*, std::uint32_t) {}};
  wl_registry_add_listener(wl_display_get_registry(display), &kListener, nullptr);
  wl_display_roundtrip(display);
  if (g_seat == nullptr || g_manager == nullptr) return 1;
  wl_proxy_marshal_constructor(g_manager, 0, &kPointer, g_seat, nullptr);
  wl_display_roundtrip(display);
  std::puts("ready");
  std::fflush(stdout);
  while (wl_display_dispatch(display) != -1) {
  }
  return 0;
}
