// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The command line answering lists of parts: 100,000 mixed lines of one
// subcommand a run, answered in this process from a file in memory, and by
// the real program through pipes. Items per second are answers per second.
// Beside them, one answer of the real program against a C++ program that
// prints one line, started alternately.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "codes_command.h"
#include "startup/clock.h"

extern char** environ;

namespace {

constexpr int kLines = 100'000;

// kLines lines cycling through the given questions.
std::string Lines(const std::vector<std::string>& questions) {
  std::string lines;
  for (int i = 0; i < kLines; ++i)
    lines += questions[static_cast<std::size_t>(i) % questions.size()] + '\n';
  return lines;
}

std::vector<char*> Argv(std::vector<std::string>& words) {
  std::vector<char*> argv;
  argv.reserve(words.size() + 1);
  for (std::string& word : words) argv.push_back(word.data());
  return argv;
}

void Batch(benchmark::State& state, std::vector<std::string> args,
           const std::vector<std::string>& questions) {
  const std::string input = Lines(questions);
  const int in = memfd_create("input", 0);
  const int out = open("/dev/null", O_WRONLY);
  if (write(in, input.data(), input.size()) != static_cast<ssize_t>(input.size())) {
    state.SkipWithError("no memory file");
  }
  const std::vector<char*> argv = Argv(args);
  for (auto _ : state) {
    lseek(in, 0, SEEK_SET);
    benchmark::DoNotOptimize(stripewise::cli::RunCodesCommand(argv, in, out, out));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kLines);
  close(in);
  close(out);
}

// The real program: the lines written into its standard input by one
// thread, its answers read from its standard output by this one.
void ProgramBatch(benchmark::State& state, std::vector<std::string> args,
                  const std::vector<std::string>& questions) {
  const std::string input = Lines(questions);
  args.insert(args.begin(), STRIPEWISE_PROGRAM);
  std::vector<char*> argv = Argv(args);
  argv.push_back(nullptr);
  for (auto _ : state) {
    int to[2], from[2];
    if (pipe(to) != 0 || pipe(from) != 0) state.SkipWithError("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, to[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, from[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    for (const int fd : {to[0], to[1], from[0], from[1]}) {
      posix_spawn_file_actions_addclose(&actions, fd);
    }
    pid_t pid = 0;
    posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(to[0]);
    close(from[1]);
    std::thread writer([&] {
      for (std::size_t done = 0; done < input.size();) {
        const ssize_t n = write(to[1], input.data() + done, input.size() - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
      }
      close(to[1]);
    });
    char buffer[1 << 16];
    while (read(from[0], buffer, sizeof buffer) > 0) {
    }
    writer.join();
    close(from[0]);
    int status = 0;
    waitpid(pid, &status, 0);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kLines);
}

// Four to six bands, names and letters, with a bad line now and then.
const std::vector<std::string> kValueLines = {
    "yellow violet red gold", "OG OG BK BN VT", "brown black black brown brown red", "red red",
    "grey white pink silver", "black"};
const std::vector<std::string> kBandsLines = {"4k7",   "4.7 k\u03A9", "470m",  "2M2",
                                              "4.75k", "1e3",         "12.34", "zz"};
const std::vector<std::string> kSmdLines = {"472", "4R7", "4702", "R010", "01C", "47R", "97A"};

BENCHMARK_CAPTURE(Batch, value, std::vector<std::string>{"value", "-"}, kValueLines)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Batch, bands, std::vector<std::string>{"bands", "-", "--bands", "5"}, kBandsLines)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Batch, bands_json_series,
                  std::vector<std::string>{"bands", "-", "--series", "E96", "--json"},
                  {"4k7", "3.3k", "1M", "0.5", "99G"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Batch, smd, std::vector<std::string>{"smd", "-"}, kSmdLines)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ProgramBatch, value, std::vector<std::string>{"value", "-"}, kValueLines)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(ProgramBatch, bands, std::vector<std::string>{"bands", "-", "--bands", "5"},
                  kBandsLines)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(ProgramBatch, smd, std::vector<std::string>{"smd", "-"}, kSmdLines)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The time from spawning a program to its exit, in milliseconds; negative
// when it fails.
double TimedRun(std::vector<std::string> words) {
  std::vector<char*> argv = Argv(words);
  argv.push_back(nullptr);
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  const long long started = stripewise::bench::Now();
  pid_t pid = 0;
  const bool spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&quiet);
  int status = 0;
  if (!spawned || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return -1;
  }
  return static_cast<double>(stripewise::bench::Now() - started) / 1e6;
}

double Median(std::vector<double> sample) {
  std::sort(sample.begin(), sample.end());
  const std::size_t n = sample.size();
  return n % 2 ? sample[n / 2] : (sample[n / 2 - 1] + sample[n / 2]) / 2;
}

// One answer against a C++ program built with the same flags that prints
// one line, started alternately: the answer loads no toolkit.
void OneAnswerAgainstOneLine(benchmark::State& state) {
  std::vector<double> answer, one_line;
  for (auto _ : state) {
    for (int round = 0; round < 200; ++round) {
      answer.push_back(TimedRun({STRIPEWISE_PROGRAM, "value", "yellow", "violet", "red", "gold"}));
      one_line.push_back(TimedRun({ONE_LINE_PROGRAM}));
      if (answer.back() < 0 || one_line.back() < 0) {
        state.SkipWithError("a program failed");
        return;
      }
    }
  }
  state.counters["value_ms"] = Median(answer);
  state.counters["one_line_ms"] = Median(one_line);
  state.counters["ratio"] = Median(answer) / Median(one_line);
}
BENCHMARK(OneAnswerAgainstOneLine)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
