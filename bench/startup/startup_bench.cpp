// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// Start-up as users meet it: the time from process start to the first paint
// of the main window and the peak memory of the process, beside a bare Qt
// window started alternately in the same run; and the first opening of the
// About window. Run it on a display (xvfb-run for a virtual one).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "clock.h"

extern char** environ;

namespace {

constexpr int kRounds = 20;

// One run of a probe: what it printed, and its peak memory.
struct Run {
  long long printed = 0;
  long long started = 0;
  double peak_mib = 0;
};

bool RunProbe(const char* path, Run& run) {
  int out[2];
  if (pipe(out) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char* argv[] = {const_cast<char*>(path), nullptr};
  pid_t pid = 0;
  run.started = stripewise::bench::Now();
  const bool spawned = posix_spawn(&pid, path, &actions, nullptr, argv, environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  std::string printed;
  char buffer[64];
  for (ssize_t n; spawned && (n = read(out[0], buffer, sizeof buffer)) > 0;) {
    printed.append(buffer, static_cast<std::size_t>(n));
  }
  close(out[0]);
  int status = 0;
  rusage usage{};
  if (!spawned || wait4(pid, &status, 0, &usage) != pid || printed.empty()) return false;
  run.printed = std::stoll(printed);
  run.peak_mib = static_cast<double>(usage.ru_maxrss) / 1024;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Median, minimum and maximum of a sample, as counters named after it.
double Summarise(benchmark::State& state, const std::string& name, std::vector<double> sample) {
  std::sort(sample.begin(), sample.end());
  const std::size_t n = sample.size();
  const double median = n % 2 ? sample[n / 2] : (sample[n / 2 - 1] + sample[n / 2]) / 2;
  state.counters[name + "_median"] = median;
  state.counters[name + "_min"] = sample.front();
  state.counters[name + "_max"] = sample.back();
  return median;
}

// Two probes started kRounds times each, alternately; false when one did
// not paint.
bool Alternately(benchmark::State& state, const char* first, const char* second,
                 std::vector<Run> (&runs)[2]) {
  for (auto _ : state) {
    for (int round = 0; round < kRounds; ++round) {
      const char* probes[] = {first, second};
      for (int which = 0; which < 2; ++which) {
        Run run;
        if (!RunProbe(probes[which], run)) {
          state.SkipWithError("a probe did not paint; is there a display?");
          return false;
        }
        runs[which].push_back(run);
      }
    }
  }
  return true;
}

// One figure of each run.
template <typename Figure>
std::vector<double> Each(const std::vector<Run>& runs, Figure figure) {
  std::vector<double> figures;
  figures.reserve(runs.size());
  for (const Run& run : runs) figures.push_back(figure(run));
  return figures;
}

// Time to first paint (ms) and peak memory (MiB) of the program and of the
// bare window, each started kRounds times, alternately.
void StartUp(benchmark::State& state) {
  std::vector<Run> runs[2];
  if (!Alternately(state, STRIPEWISE_PROBE, BARE_PROBE, runs)) return;
  const auto paint = [](const Run& run) { return double(run.printed - run.started) / 1e6; };
  const auto memory = [](const Run& run) { return run.peak_mib; };
  state.counters["ms_ratio"] = Summarise(state, "ms", Each(runs[0], paint)) /
                               Summarise(state, "bare_ms", Each(runs[1], paint));
  state.counters["MiB_ratio"] = Summarise(state, "MiB", Each(runs[0], memory)) /
                                Summarise(state, "bare_MiB", Each(runs[1], memory));
}
BENCHMARK(StartUp)->Iterations(1)->Unit(benchmark::kMillisecond);

// From "About" to the first paint of the About window, the first time, and
// from "Resistor" to that of the window for every resistor code, started
// alternately.
void FirstOpenings(benchmark::State& state) {
  std::vector<Run> runs[2];
  if (!Alternately(state, ABOUT_PROBE, EVERY_CODE_PROBE, runs)) return;
  const auto opening = [](const Run& run) { return double(run.printed) / 1e6; };
  state.counters["every_code_ratio"] = Summarise(state, "every_code_ms", Each(runs[1], opening)) /
                                       Summarise(state, "about_ms", Each(runs[0], opening));
}
BENCHMARK(FirstOpenings)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
