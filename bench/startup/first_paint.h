// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// What the start-up probes share: a report to the benchmark, and a watch that acts
// once a window's first paint is done and flushed to the screen.

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <utility>

#include "clock.h"

namespace stripewise::bench {

// Prints a figure for the benchmark to read.
inline void Report(long long nanoseconds) {
  std::printf("%lld\n", nanoseconds);
  std::fflush(stdout);
}

class FirstPaint : public QObject {
 public:
  FirstPaint(QWidget* window, std::function<void()> then) : then_(std::move(then)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, this, then_);  // once this paint is done
    }
    return false;
  }

 private:
  std::function<void()> then_;
  bool seen_ = false;
};

}  // namespace stripewise::bench
