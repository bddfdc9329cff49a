// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// Time of one complete conversion on the plain record, message boxes answered
// at once.
#include <benchmark/benchmark.h>
#include <stripewise/engine.h>

namespace {

using namespace stripewise;

class SilentBoxes : public MessageBoxes {
 public:
  void MsgBox(std::string_view, std::string_view, MsgBoxStyle) override {}
};

void BM_Command1_Click(benchmark::State& state) {
  Form1Record form;
  SilentBoxes boxes;
  form.SetListIndex(ListId::List1, 4);  // Yellow, Violet, Red, Gold 5%
  form.SetListIndex(ListId::List2, 7);
  form.SetListIndex(ListId::List3, 2);
  form.SetListIndex(ListId::List4, 5);
  for (auto _ : state) {
    Command1_Click(form, boxes);
    benchmark::DoNotOptimize(form.Text1().data());
  }
}
BENCHMARK(BM_Command1_Click);

// Cycles through every band selection, so no one value's formatting dominates.
void BM_Command1_Click_AllBands(benchmark::State& state) {
  Form1Record form;
  SilentBoxes boxes;
  int n = 0;
  for (auto _ : state) {
    form.SetListIndex(ListId::List1, static_cast<std::int16_t>(n % 10));
    form.SetListIndex(ListId::List2, static_cast<std::int16_t>(n / 10 % 10));
    form.SetListIndex(ListId::List3, static_cast<std::int16_t>(n / 100 % 12));
    form.SetListIndex(ListId::List4, static_cast<std::int16_t>(n / 1200 % 8));
    Command1_Click(form, boxes);
    benchmark::DoNotOptimize(form.Text1().data());
    n = (n + 1) % 9600;
  }
}
BENCHMARK(BM_Command1_Click_AllBands);

void BM_Command2_Click(benchmark::State& state, const char* typed) {
  Form1Record form;
  SilentBoxes boxes;
  form.SetListIndex(ListId::List4, 5);
  for (auto _ : state) {
    form.SetText1(typed);
    Command2_Click(form, boxes);
    benchmark::DoNotOptimize(form.Text1().data());
  }
}
// A value of every length the case table codes, and a refusal.
BENCHMARK_CAPTURE(BM_Command2_Click, 0.47, "0.47");
BENCHMARK_CAPTURE(BM_Command2_Click, 4.7, "4.7");
BENCHMARK_CAPTURE(BM_Command2_Click, 4.75, "4.75");
BENCHMARK_CAPTURE(BM_Command2_Click, 47, "47");
BENCHMARK_CAPTURE(BM_Command2_Click, 470, "470");
BENCHMARK_CAPTURE(BM_Command2_Click, 4700, "4700");
BENCHMARK_CAPTURE(BM_Command2_Click, 47000, "47000");
BENCHMARK_CAPTURE(BM_Command2_Click, 470000, "470000");
BENCHMARK_CAPTURE(BM_Command2_Click, 4700000, "4700000");
BENCHMARK_CAPTURE(BM_Command2_Click, 47000000, "47000000");
BENCHMARK_CAPTURE(BM_Command2_Click, 470000000, "470000000");
BENCHMARK_CAPTURE(BM_Command2_Click, 4700000000, "4700000000");
BENCHMARK_CAPTURE(BM_Command2_Click, 47000000000, "47000000000");
BENCHMARK_CAPTURE(BM_Command2_Click, 99999999999, "99999999999");
BENCHMARK_CAPTURE(BM_Command2_Click, refused_12_34, "12.34");

}  // namespace

BENCHMARK_MAIN();
