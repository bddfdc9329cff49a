// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The real program heard through Orca, the screen reader of Debian's
// desktops: Orca runs with fresh settings, its debug log and no speech
// server, the program is used with the keyboard alone, and what Orca says is
// read from the log, which holds every utterance. Run under xvfb-run and
// dbus-run-session, with openbox.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"

namespace stripewise {
namespace {

using testing::Child;
using testing::Xdotool;

class ScreenReader : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto dir = std::filesystem::temp_directory_path() / "stripewise-orca-XXXXXX";
    folder_ = dir.string();
    ASSERT_NE(mkdtemp(folder_.data()), nullptr);
    // Settings without a speech server, and a log read as it goes (tests/app/orca).
    std::filesystem::copy(SOURCE_DIR "/orca", folder_, std::filesystem::copy_options::recursive);
    orca_.emplace("orca", std::vector<std::string>{"-u", folder_, "--debug-file", Log()},
                  std::vector<std::string>{},
                  std::vector<std::string>{"PYTHONPATH=" + folder_ + "/python"});
    ASSERT_TRUE(Hears({"Screen reader on."}, 30000)) << orca_->Stderr();
    program_.emplace(STRIPEWISE_PROGRAM, std::vector<std::string>{},
                     std::vector<std::string>{"QT_QPA_PLATFORM", "QT_SCALE_FACTOR"});
    ASSERT_TRUE(Hears({"Stripewise v2.0."}, 20000)) << program_->Stderr();
  }
  void TearDown() override {
    if (HasFailure()) {
      for (const std::string& said : Said()) std::cerr << "Orca said: " << said << '\n';
    }
    std::filesystem::remove_all(folder_);
  }

  std::string Log() const { return folder_ + "/orca.log"; }

  // Everything Orca has said, in order.
  std::vector<std::string> Said() const {
    static const std::regex kSpeech("SPEECH OUTPUT: '(.*)' ?\\{'established'");
    std::vector<std::string> said;
    std::ifstream log(Log());
    std::smatch match;
    for (std::string line; std::getline(log, line);) {
      if (std::regex_search(line, match, kSpeech)) said.push_back(match[1]);
    }
    return said;
  }

  // Whether Orca says, within `ms`, one utterance that holds every word,
  // counting from the one heard last.
  bool Hears(std::initializer_list<const char*> words, int ms) {
    const auto holds = [&words](const std::string& said) {
      return std::all_of(words.begin(), words.end(), [&said](const char* word) {
        return said.find(word) != std::string::npos;
      });
    };
    for (int waited = 0; waited <= ms; waited += 100) {
      const std::vector<std::string> said = Said();
      const auto found =
          std::find_if(said.begin() + static_cast<std::ptrdiff_t>(heard_), said.end(), holds);
      if (found != said.end()) {
        heard_ = static_cast<std::size_t>(found - said.begin()) + 1;
        return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  }

  // Presses keys one after the other, or types a text, as a hand does.
  void Keys(const std::string& keys) { ASSERT_TRUE(Xdotool("key --delay 120 " + keys)); }
  void Type(const std::string& text) { ASSERT_TRUE(Xdotool("type --delay 60 " + text)); }

  std::string folder_;
  std::optional<Child> orca_, program_;
  std::size_t heard_ = 0;
};

TEST_F(ScreenReader, SaysTheResultOfColorCodeValue) {
  Keys("Down Down Down Down Down Tab Down Down Down Down Down Down Down Down");  // Yellow, Violet
  Keys("Tab Down Down Down Tab Down Down Down Down Down");                       // Red, Gold 5%
  Keys("Tab space");                                                             // Color Code Value
  EXPECT_TRUE(Hears({"4700", "235"}, 2000));
}

// The bands are said with the result, and no list entry the user did not
// move to.
TEST_F(ScreenReader, SaysTheBandsOfColorCodeNameAndNoListEntry) {
  Keys("Tab Tab Tab Tab Tab");  // to Text1
  Type("1500");
  Keys("Tab Return");  // Return, as Space, presses "Color Code Name"
  EXPECT_TRUE(Hears({"1500", "Brown", "Green", "Red"}, 2000));
  const std::vector<std::string> all = Said();
  for (const char* entry : {"Brown.", "Black.", "Green.", "Red."}) {
    EXPECT_EQ(std::count(all.begin(), all.end(), entry), 0) << entry;
  }
}

TEST_F(ScreenReader, SpeaksARefusalOnceAndNoResult) {
  Keys("Tab Tab Tab Tab Tab");
  Type("1.234");
  Keys("Tab space");
  EXPECT_TRUE(Hears({"Invalid Input."}, 2000));
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));
  const std::vector<std::string> all = Said();
  EXPECT_EQ(std::count(all.begin(), all.end(), "Invalid Input."), 1);
  EXPECT_TRUE(std::none_of(all.begin(), all.end(),
                           [](const std::string& s) { return s.starts_with("notification"); }));
}

// Ctrl+E opens the window for every resistor code; its lists are named by
// their band and role, and a new answer is said once while the focus stays.
TEST_F(ScreenReader, SaysEachNewAnswerOfEveryCodeOnce) {
  Keys("ctrl+e");
  ASSERT_TRUE(Hears({"Every resistor code"}, 5000));
  Keys("Tab");
  EXPECT_TRUE(Hears({"Band 1, first digit"}, 2000));
  Keys("Down");  // yellow to green: 5.7 kilo-ohms
  EXPECT_TRUE(Hears({"notification 5.7 k", "5.985 k"}, 2000));
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));
  const std::vector<std::string> all = Said();
  EXPECT_EQ(
      std::count_if(all.begin(), all.end(),
                    [](const std::string& s) { return s.find("5.7 k") != std::string::npos; }),
      1);
}

}  // namespace
}  // namespace stripewise
