// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Ends a start-up probe once its window has painted for the first time,
// printing the monotonic clock at that moment in nanoseconds.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace stripewise::bench {

class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QWidget* window) { window->installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Once this paint is done and flushed to the screen.
      QTimer::singleShot(0, [] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        QApplication::exit(0);
      });
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace stripewise::bench
