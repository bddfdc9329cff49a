// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Where a window opens: centred by its outer frame on the part of a screen
// that panels leave free.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace stripewise::ui {

// The top-left corner of a frame of `outer` size centred on `area`; a frame
// larger than the area starts at the area's corner on that side.
QPoint CentredFrame(const QRect& area, const QSize& outer);

// The frame the window manager puts around a window: read from the window
// when it is shown or when the platform knows it already, else asked for
// before it is mapped (on X11, where the window manager answers); none where
// it cannot be known.
QMargins FrameExtents(QWidget* window);

// Moves a window, before it is shown, so that its frame is centred on the
// free area of `screen`.
void CentreOnScreen(QWidget* window, const QScreen* screen);

// Undoes a maximize that a compositor or window manager made of a window of
// fixed size, from a title-bar button, a keyboard shortcut or another
// program, so that its size, place and state stay. Called on each change
// of the window's state.
void KeepUnmaximized(QWidget* window);

}  // namespace stripewise::ui
