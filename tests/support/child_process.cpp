// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <thread>

extern char** environ;

namespace stripewise::testing {
namespace {

std::string Read(const std::string& path) {
  std::ifstream file(path);
  return {std::istreambuf_iterator<char>(file), {}};
}

std::vector<char*> Pointers(std::vector<std::string>& words) {
  std::vector<char*> pointers;
  pointers.reserve(words.size() + 1);
  for (auto& word : words) pointers.push_back(word.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

Child::Child(const std::string& program, const std::vector<std::string>& args,
             const std::vector<std::string>& env_removed,
             const std::vector<std::string>& env_added) {
  // Files of their own for each child of each test process, since CTest
  // runs tests side by side.
  static int children = 0;
  const std::string stem = "child." + std::to_string(getpid()) + "." + std::to_string(children++);
  stdout_ = stem + ".out";
  stderr_ = stem + ".err";
  std::vector<std::string> env = env_added;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry(*e);
    bool removed = false;
    for (const auto& name : env_removed) removed = removed || entry.rfind(name + "=", 0) == 0;
    if (!removed) env.push_back(entry);
  }
  std::vector<std::string> words = {program};
  words.insert(words.end(), args.begin(), args.end());
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, stdout_.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderr_.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (posix_spawnp(&pid_, program.c_str(), &actions, nullptr, Pointers(words).data(),
                   Pointers(env).data()) != 0) {
    pid_ = -1;
  }
  posix_spawn_file_actions_destroy(&actions);
}

Child::~Child() {
  if (pid_ > 0 && !exited_) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  std::remove(stdout_.c_str());
  std::remove(stderr_.c_str());
}

int Child::Wait(int timeout_ms) {
  for (int waited = 0; waited < timeout_ms; waited += 20) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      exited_ = true;
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return -1;
}

std::string Child::Stdout() const { return Read(stdout_); }
std::string Child::Stderr() const { return Read(stderr_); }

bool Xdotool(const std::string& arguments) {
  return std::system(("xdotool " + arguments).c_str()) == 0;
}

}  // namespace stripewise::testing
