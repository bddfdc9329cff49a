// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The real program binary on a real X server: started, used once with the
// mouse and keyboard as a person would, and closed. Run under xvfb-run.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <stripewise/band_tables.h>
#include <stripewise_ui/layout.h>
#include <stripewise_ui/look.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QColor>
#include <QString>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "x11_window.h"

extern char** environ;

namespace stripewise {
namespace {

// A child process that is always reaped.
class Child {
 public:
  explicit Child(std::vector<std::string> env_removed = {}) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
      const std::string entry(*e);
      bool removed = false;
      for (const auto& name : env_removed) removed = removed || entry.rfind(name + "=", 0) == 0;
      if (!removed) env.push_back(entry);
    }
    std::vector<char*> envp;
    for (auto& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(STRIPEWISE_PROGRAM), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderr_path_,
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (posix_spawn(&pid_, STRIPEWISE_PROGRAM, &actions, nullptr, argv, envp.data()) != 0)
      pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
  }
  ~Child() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  // The exit code, or -1 when it did not end in time or did not exit.
  int Wait(int timeout_ms) {
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
  std::string Stderr() const {
    std::string text;
    if (FILE* f = std::fopen(stderr_path_, "r")) {
      for (int c; (c = std::fgetc(f)) != EOF;) text += static_cast<char>(c);
      std::fclose(f);
    }
    return text;
  }

 private:
  pid_t pid_ = -1;
  bool exited_ = false;
  const char* stderr_path_ = "real_program_stderr.txt";
};

void Xdotool(const std::string& arguments) {
  ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
}

void ClickAt(const QRect& window, QPoint at) {
  const QPoint p = window.topLeft() + at;
  Xdotool("mousemove --sync " + std::to_string(p.x()) + " " + std::to_string(p.y()) + " click 1");
}

QPoint ListRow(int list, int row) {
  return ui::Form1Lists()[static_cast<std::size_t>(list)].RowBox(row).center();
}

// The centre of a drawn control of the main window.
QPoint Centre(std::string_view name) {
  for (const auto& row : ui::Form1Graphics()) {
    if (row.name == name) return row.box.pixels().center();
  }
  return {};
}

QColor Rgb(ColorValue bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>(bgr >> 16));
}

TEST(RealProgram, ConvertsOnceAndEndsWithExitCodeZeroWhenClosed) {
  x11::Display display;
  Child program({"QT_QPA_PLATFORM"});  // the X server, not the headless platform of the other tests
  const auto window = display.WaitForWindow("Stripewise v2.0", 15000);
  ASSERT_TRUE(window.has_value()) << program.Stderr();
  const QRect client = display.Geometry(*window);
  EXPECT_EQ(client.size(), QSize(535, 434));

  ClickAt(client, ListRow(3, 5));  // Gold 5%
  ClickAt(client, ui::kText1Box.pixels().center());
  Xdotool("type --delay 20 4700");
  ClickAt(client, ui::Form1Buttons()[1].box.pixels().center());  // Color Code Name

  const char* bands[] = {"Shape2", "Shape3", "Shape4", "Shape5"};
  const QColor expected[] = {Rgb(kBandColors[4]), Rgb(kBandColors[7]), Rgb(kBandColors[2]),
                             Rgb(kToleranceColors[5])};
  const auto painted = [&](const QImage& shot) {
    for (std::size_t i = 0; i < 4; ++i) {
      if (shot.pixelColor(Centre(bands[i])) != expected[i]) return false;
    }
    return true;
  };
  QImage shot = display.Grab(*window);
  for (int attempt = 0; attempt < 100 && !painted(shot); ++attempt) {  // until repainted
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    shot = display.Grab(*window);
  }
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(shot.pixelColor(Centre(bands[i])), expected[i]) << bands[i];
  }
  display.Close(*window);
  EXPECT_EQ(program.Wait(10000), 0) << program.Stderr();
}

TEST(RealProgram, SaysInOneLineThatThereIsNoDisplay) {
  Child program({"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
  EXPECT_EQ(program.Wait(10000), 1);
  const std::string said = program.Stderr();
  EXPECT_NE(said.find("no graphical display"), std::string::npos) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

}  // namespace
}  // namespace stripewise
