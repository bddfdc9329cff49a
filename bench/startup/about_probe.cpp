// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The first opening of the About window: from a click on "About" to the
// window's first paint, once the main window has painted. Prints that time.
// Built with PROBE_EVERY_CODE, the same for the window for every resistor
// code, from a click on "Resistor".
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <functional>
#include <memory>

#include "first_paint.h"
#include "run.h"

using stripewise::bench::FirstPaint;
using stripewise::bench::Now;

namespace {

#ifdef PROBE_EVERY_CODE
constexpr const char* kControl = "Label33";
QWidget* Opened(stripewise::ui::Program& program) { return program.EveryCode(); }
#else
constexpr const char* kControl = "Command3";
QWidget* Opened(stripewise::ui::Program& program) { return program.AboutWindow(); }
#endif

// A click on the control as a hand gives it: pressed, and released a tenth
// of a second later; `then` gets the moment of the release once it is
// handled.
void Click(QWidget& main, const std::function<void(long long)>& then) {
  auto* about = main.findChild<QWidget*>(kControl);
  const QPointF centre = QRectF(about->rect()).center();
  const auto send = [about, centre](QEvent::Type type) {
    QMouseEvent event(type, centre, about->mapToGlobal(centre), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(about, &event);
  };
  send(QEvent::MouseButtonPress);
  QTimer::singleShot(100, about, [send, then] {
    const long long released = Now();
    send(QEvent::MouseButtonRelease);
    then(released);
  });
}

}  // namespace

int main(int argc, char** argv) {
  std::unique_ptr<FirstPaint> main_paint;
  std::unique_ptr<FirstPaint> about_paint;
  return stripewise::app::Main(argc, argv, [&](stripewise::ui::Program& started) {
    stripewise::ui::Program* program = &started;
    main_paint = std::make_unique<FirstPaint>(&program->MainWindow(), [&, program] {
      Click(program->MainWindow(), [&, program](long long released) {
        // The release opened the window; its first paint comes from the event loop.
        about_paint = std::make_unique<FirstPaint>(Opened(*program), [released] {
          stripewise::bench::Report(Now() - released);
          QApplication::exit(0);
        });
      });
    });
  });
}
