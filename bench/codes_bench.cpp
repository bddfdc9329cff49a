// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The command line answering lists of parts: 100,000 mixed lines of one
// subcommand a run, read from memory and written to memory, so that the
// figure is the answering alone. Items per second are answers per second.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "codes_command.h"

namespace {

constexpr int kLines = 100'000;

// kLines lines cycling through the given questions.
std::string Lines(const std::vector<std::string>& questions) {
  std::string lines;
  for (int i = 0; i < kLines; ++i)
    lines += questions[static_cast<std::size_t>(i) % questions.size()] + '\n';
  return lines;
}

void Batch(benchmark::State& state, std::vector<std::string> args,
           const std::vector<std::string>& questions) {
  const std::string input = Lines(questions);
  std::vector<char*> argv;
  argv.reserve(args.size());
  for (std::string& arg : args) argv.push_back(arg.data());
  for (auto _ : state) {
    std::istringstream in(input);
    std::ostringstream out, err;
    benchmark::DoNotOptimize(stripewise::app::RunCodesCommand(argv, in, out, err));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kLines);
}

// Four to six bands, names and letters, with a bad line now and then.
BENCHMARK_CAPTURE(Batch, value, std::vector<std::string>{"value", "-"},
                  {"yellow violet red gold", "OG OG BK BN VT", "brown black black brown brown red",
                   "red red", "grey white pink silver", "black"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Batch, bands, std::vector<std::string>{"bands", "-", "--bands", "5"},
                  {"4k7", "4.7 k\u03A9", "470m", "2M2", "4.75k", "1e3", "12.34", "zz"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Batch, bands_json_series,
                  std::vector<std::string>{"bands", "-", "--series", "E96", "--json"},
                  {"4k7", "3.3k", "1M", "0.5", "99G"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Batch, smd, std::vector<std::string>{"smd", "-"},
                  {"472", "4R7", "4702", "R010", "01C", "47R", "97A"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
