// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/placement.h"

#include <QtGui/qguiapplication_platform.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

#include "stripewise_ui/xcb.h"

namespace stripewise::ui {
namespace {

using xcb::Atom;
using xcb::Property32;

// Asks the window manager, as EWMH provides, for the frame it will give the
// window, and waits briefly for its answer. Nothing without a window manager
// that offers it, so a bare X server costs no wait.
QMargins RequestedExtents(QWidget* window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* c = x11 != nullptr ? x11->connection() : nullptr;
  if (c == nullptr) return {};  // not on X11, or a platform without a connection
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
  const auto supported = Property32(c, root, Atom(c, "_NET_SUPPORTED"));
  if (std::find(supported.begin(), supported.end(), request) == supported.end()) return {};
  const auto id = static_cast<xcb_window_t>(window->winId());
  const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = id;
  event.type = request;
  xcb_send_event(c, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(c);
  for (int waited = 0; waited < 200; waited += 5) {
    const auto v = Property32(c, id, extents);  // left, right, top, bottom
    if (v.size() == 4) {  // in the screen's pixels; the window works in logical ones
      const double scale = window->devicePixelRatioF();
      const auto logical = [scale](std::uint32_t pixels) { return qRound(pixels / scale); };
      return {logical(v[0]), logical(v[2]), logical(v[1]), logical(v[3])};
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return {};
}

}  // namespace

QPoint CentredFrame(const QRect& area, const QSize& outer) {
  const auto start = [](int from, int room, int size) {
    return size >= room ? from : from + (room - size) / 2;
  };
  return {start(area.left(), area.width(), outer.width()),
          start(area.top(), area.height(), outer.height())};
}

QMargins FrameExtents(QWidget* window) {
  if (window->isVisible()) {
    const QRect frame = window->frameGeometry(), client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
  }
  window->winId();  // the native window, whose frame a platform may know already
  const QMargins known = window->windowHandle()->frameMargins();
  return known.isNull() ? RequestedExtents(window) : known;
}

void KeepUnmaximized(QWidget* window) {
  if (window->windowState() & Qt::WindowMaximized) {
    window->setWindowState(window->windowState() & ~Qt::WindowMaximized);
  }
}

void CentreOnScreen(QWidget* window, const QScreen* screen) {
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QMargins frame = FrameExtents(window);
  const QSize outer = window->size().grownBy(frame);
  const QPoint corner = CentredFrame(screen->availableGeometry(), outer);
  // The client area's place, which every platform takes as it is given.
  window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window->size()));
}

}  // namespace stripewise::ui
