// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// Time from process start to the first paint of the main window, and the
// peak memory of the process, beside a bare Qt window. Run it on a display
// (xvfb-run for a virtual one).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <string>

extern char** environ;

namespace {

long long Now() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Starts a probe, reads the moment of its first paint and its peak memory.
bool RunProbe(const char* path, double& seconds, long& peak_kib) {
  int out[2];
  if (pipe(out) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char* argv[] = {const_cast<char*>(path), nullptr};
  pid_t pid = 0;
  const long long start = Now();
  const bool spawned = posix_spawn(&pid, path, &actions, nullptr, argv, environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  std::string printed;
  char buffer[64];
  for (ssize_t n; spawned && (n = read(out[0], buffer, sizeof buffer)) > 0;)
    printed.append(buffer, static_cast<std::size_t>(n));
  close(out[0]);
  int status = 0;
  rusage usage{};
  if (!spawned || wait4(pid, &status, 0, &usage) != pid || printed.empty()) return false;
  seconds = static_cast<double>(std::stoll(printed) - start) / 1e9;
  peak_kib = usage.ru_maxrss;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void StartUp(benchmark::State& state, const char* probe) {
  long peak = 0;
  for (auto _ : state) {
    double seconds = 0;
    if (!RunProbe(probe, seconds, peak)) {
      state.SkipWithError("the probe did not paint; is there a display?");
      return;
    }
    state.SetIterationTime(seconds);
  }
  state.counters["peak_KiB"] = static_cast<double>(peak);
}

BENCHMARK_CAPTURE(StartUp, bare_window, BARE_PROBE)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(StartUp, stripewise, STRIPEWISE_PROBE)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
