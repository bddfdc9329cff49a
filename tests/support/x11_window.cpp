// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "x11_window.h"

#include <stripewise_ui/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <vector>

namespace stripewise::x11 {

using xcb::Own;

struct Display::Connection {
  xcb_connection_t* c = nullptr;
  xcb_window_t root = 0;
};

Display::Display() : connection_(std::make_unique<Connection>()) {
  int screen_number = 0;
  connection_->c = xcb_connect(nullptr, &screen_number);
  if (xcb_connection_has_error(connection_->c)) {
    xcb_disconnect(connection_->c);
    throw std::runtime_error("no X server on DISPLAY");
  }
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection_->c));
  for (int i = 0; i < screen_number; ++i) xcb_screen_next(&it);
  connection_->root = it.data->root;
}

Display::~Display() { xcb_disconnect(connection_->c); }

std::optional<std::uint32_t> Display::WaitForWindow(const QString& title, int timeout_ms,
                                                    std::uint32_t other) {
  xcb_connection_t* c = connection_->c;
  const xcb_atom_t net_wm_name = xcb::Atom(c, "_NET_WM_NAME");
  const xcb_atom_t utf8 = xcb::Atom(c, "UTF8_STRING");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (std::chrono::steady_clock::now() < deadline) {
    // The window manager's clients, else the root's children on a bare server.
    std::vector<std::uint32_t> children = Property(0, "_NET_CLIENT_LIST");
    auto tree = Own(xcb_query_tree_reply(c, xcb_query_tree(c, connection_->root), nullptr));
    if (children.empty() && tree) {
      const xcb_window_t* all = xcb_query_tree_children(tree.get());
      children.assign(all, all + xcb_query_tree_children_length(tree.get()));
    }
    for (const std::uint32_t child : children) {
      auto attributes =
          Own(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, child), nullptr));
      if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) continue;
      auto name = Own(xcb_get_property_reply(
          c, xcb_get_property(c, 0, child, net_wm_name, utf8, 0, 1024), nullptr));
      if (!name) continue;
      const QString found =
          QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(name.get())),
                            xcb_get_property_value_length(name.get()));
      if (found == title && child != other) return child;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return std::nullopt;
}

QRect Display::Geometry(std::uint32_t window) {
  xcb_connection_t* c = connection_->c;
  auto geometry = Own(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
  auto origin = Own(xcb_translate_coordinates_reply(
      c, xcb_translate_coordinates(c, window, connection_->root, 0, 0), nullptr));
  if (!geometry || !origin) return {};
  return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
}

QImage Display::Grab(std::uint32_t window) {
  xcb_connection_t* c = connection_->c;
  const QRect box = Geometry(window);
  auto image = Own(xcb_get_image_reply(c,
                                       xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                                     static_cast<std::uint16_t>(box.width()),
                                                     static_cast<std::uint16_t>(box.height()), ~0u),
                                       nullptr));
  if (!image || image->depth != 24) return {};
  const QImage view(xcb_get_image_data(image.get()), box.width(), box.height(),
                    QImage::Format_RGB32);
  return view.copy();  // the reply's memory goes with it
}

std::uint32_t Display::Atom(const char* name) { return xcb::Atom(connection_->c, name); }

std::vector<std::uint32_t> Display::Property(std::uint32_t window, const char* name) {
  return xcb::Property32(connection_->c, window == 0 ? connection_->root : window, Atom(name));
}

bool Display::WaitForWindowManager(int timeout_ms) {
  for (int waited = 0; waited < timeout_ms; waited += 50) {
    if (!Property(0, "_NET_SUPPORTING_WM_CHECK").empty()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

void Display::Close(std::uint32_t window) {
  xcb_connection_t* c = connection_->c;
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = xcb::Atom(c, "WM_PROTOCOLS");
  event.data.data32[0] = xcb::Atom(c, "WM_DELETE_WINDOW");
  event.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
  xcb_flush(c);
}

}  // namespace stripewise::x11
