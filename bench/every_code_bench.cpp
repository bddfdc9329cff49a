// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// One live answer of the window for every resistor code: from a band picked
// to the window painted again with the new bands, answer and other end.
// Offscreen, so that it needs no display.
#include <benchmark/benchmark.h>
#include <stripewise_ui/every_code.h>

#include <QApplication>
#include <cstdlib>

namespace {

void LiveAnswer(benchmark::State& state) {
  stripewise::ui::EveryCodeWindow window;
  window.show();
  QApplication::processEvents();
  using stripewise::codes::Colour;
  const Colour colours[] = {Colour::Brown, Colour::Red, Colour::Orange, Colour::Yellow};
  std::size_t next = 0;
  for (auto _ : state) {
    window.PickBand(0, colours[next++ % std::size(colours)]);
    window.repaint();
  }
}
BENCHMARK(LiveAnswer)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
