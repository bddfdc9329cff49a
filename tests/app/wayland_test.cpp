// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The real program on Wayland compositors of Debian's desktops, each run
// headless in a runtime folder of its own and driven through its own
// interface: sway, which draws title bars (swaymsg, and a virtual pointer),
// and GNOME Shell, which leaves them to programs so that the program goes
// through XWayland (the shell's Eval, opened by an extension of the
// test's). Run under dbus-run-session.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"

namespace stripewise {
namespace {

namespace fs = std::filesystem;
using testing::Child;
using Words = std::vector<std::string>;

const std::string kId = "io.github.stripewise.stripewise";
const std::string kEveryCode = "Every resistor code \u2014 Stripewise";

// What a shell command prints.
std::string Shell(const std::string& command) {
  std::string out(1 << 16, '\0');
  FILE* pipe = popen(command.c_str(), "r");
  out.resize(pipe == nullptr ? 0 : std::fread(out.data(), 1, out.size(), pipe));
  if (pipe != nullptr) pclose(pipe);
  return out;
}

// The first file in a folder whose name matches, or nothing.
std::string FileIn(const std::string& folder, const std::string& pattern) {
  std::error_code missing;
  for (const auto& entry : fs::directory_iterator(folder, missing)) {
    if (std::regex_match(entry.path().filename().string(), std::regex(pattern)))
      return entry.path();
  }
  return {};
}

template <typename Done>
bool WaitFor(Done done, int ms) {
  for (int waited = 0; !done(); waited += 100) {
    if (waited >= ms) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return true;
}

// A compositor in a runtime folder of its own, and the program on it, told
// only the session's displays.
class Compositor : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("stripewise-wayland-" + std::to_string(getpid()));
    fs::remove_all(folder_);
    for (const char* run : {"/run", "/program"}) {
      fs::create_directories(folder_ + run);
      fs::permissions(folder_ + run, fs::perms::owner_all);
    }
    setenv("XDG_RUNTIME_DIR", (folder_ + "/run").c_str(), 1);
  }
  void TearDown() override {
    program_.reset();
    compositor_.reset();
    fs::remove_all(folder_);
  }
  void StartProgram(Words env) {
    env.insert(env.end(), {"XDG_SESSION_TYPE=wayland", "XDG_RUNTIME_DIR=" + folder_ + "/program"});
    program_.emplace(STRIPEWISE_PROGRAM, Words{},
                     Words{"QT_QPA_PLATFORM", "DISPLAY", "QT_SCALE_FACTOR", "XDG_RUNTIME_DIR"},
                     env);
  }
  std::string folder_;
  std::optional<Child> compositor_, program_;
};

class Sway : public Compositor {
 protected:
  void SetUp() override {
    Compositor::SetUp();
    const std::string run = folder_ + "/run";
    std::ofstream(folder_ + "/config")
        << "output HEADLESS-1 resolution 1280x1024\nxwayland disable\n";
    Words sway = {"sway", "-c", folder_ + "/config"};
    if (geteuid() == 0) {  // sway refuses root: it runs as nobody, in a folder of nobody's
      const passwd* nobody = getpwnam("nobody");
      ASSERT_NE(nobody, nullptr);
      fs::permissions(folder_, fs::perms::all);
      ASSERT_EQ(chown(run.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
      sway.insert(sway.begin(), {"setpriv", "--reuid=" + std::to_string(nobody->pw_uid),
                                 "--regid=" + std::to_string(nobody->pw_gid), "--clear-groups"});
    }
    compositor_.emplace(sway[0], Words(sway.begin() + 1, sway.end()), Words{},
                        Words{"WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1",
                              "WLR_RENDERER=pixman", "HOME=" + run});
    ASSERT_TRUE(WaitFor([&] { return !FileIn(run, R"(sway-ipc\..*\.sock)").empty(); }, 10000));
    setenv("SWAYSOCK", FileIn(run, R"(sway-ipc\..*\.sock)").c_str(), 1);
    setenv("WAYLAND_DISPLAY", FileIn(run, R"(wayland-\d+)").c_str(), 1);
    pointer_.emplace(VIRTUAL_POINTER);
    ASSERT_TRUE(WaitFor([&] { return pointer_->Stdout() == "ready\n"; }, 5000));
    StartProgram({});
    ASSERT_TRUE(WaitFor([&] { return !Windows().empty(); }, 15000));
  }
  void TearDown() override {
    pointer_.reset();
    Compositor::TearDown();
  }
  // Each window, top of the stack last (tests/app/sway_windows.py).
  std::string Windows(bool with_place = false) {
    return Shell("swaymsg -t get_tree | python3 " SOURCE_DIR "/sway_windows.py" +
                 std::string(with_place ? " place" : ""));
  }
  // Clicks a point of the main window's client area with the seat's cursor.
  void Click(int x, int y) {
    const std::string windows = Windows(true);
    std::smatch main;
    ASSERT_TRUE(std::regex_search(windows, main,
                                  std::regex(R"(Stripewise v2\.0 \S+ \S+ \S+ \S+ (\d+) (\d+))")));
    const int left = std::stoi(main[1]), top = std::stoi(main[2]);
    Shell("swaymsg -q seat - cursor set " + std::to_string(left + x) + " " +
          std::to_string(top + y) +
          " && swaymsg -q seat - cursor press button1 && swaymsg -q seat - cursor release button1");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
  }
  std::optional<Child> pointer_;
};

// Its own id, and a surface of just the window: Qt draws no title bar.
TEST_F(Sway, RunsNativelyUnderTheCompositorsOwnTitleBar) {
  EXPECT_EQ(Windows(), "Stripewise v2.0 " + kId + " xdg_shell 535x434 True\n");
  EXPECT_EQ(program_->Stderr(), "");
}

TEST_F(Sway, AboutComesForwardAfterTheMainWindowWasActivated) {
  Click(397, 317);  // "About"
  Click(20, 10);    // back into the main window, beside About
  Click(397, 317);
  EXPECT_EQ(Windows(), "Stripewise v2.0 " + kId + " xdg_shell 535x434 False\nAbout " + kId +
                           " xdg_shell 389x309 True\n");
}

// "Resistor" opens the window for every resistor code; pressed again after
// the main window was activated, it brings the one window forward.
TEST_F(Sway, EveryCodeComesForwardAfterTheMainWindowWasActivated) {
  Click(456, 77);  // "Resistor"
  ASSERT_TRUE(WaitFor([&] { return Windows().find(kEveryCode) != std::string::npos; }, 5000));
  Click(20, 10);  // back into the main window
  ASSERT_NE(Windows().find("535x434 True"), std::string::npos) << Windows();
  Click(460, 78);
  const std::string windows = Windows();
  EXPECT_NE(windows.find("535x434 False"), std::string::npos) << windows;
  const std::size_t every = windows.find(kEveryCode);
  EXPECT_NE(windows.find(" True\n", every), std::string::npos) << windows;
  EXPECT_EQ(windows.find(kEveryCode, every + 1), std::string::npos) << "a second window opened";
}

class Gnome : public Compositor {
 protected:
  void SetUp() override {
    Compositor::SetUp();
    // Settings that enable the test's extension (tests/app/gnome).
    const std::string home = folder_ + "/home", data = home + "/.local/share";
    fs::copy(SOURCE_DIR "/gnome/home", home, fs::copy_options::recursive);
    fs::create_directories(data + "/applications");
    fs::copy_file(DESKTOP_ENTRY, data + "/applications/" + kId + ".desktop");
    // The shell asks logind on a system bus, which a test has none of.
    system_bus_.emplace("dbus-daemon", Words{"--session", "--nofork", "--print-address",
                                             "--address=unix:path=" + folder_ + "/system_bus"});
    ASSERT_TRUE(WaitFor([&] { return !system_bus_->Stdout().empty(); }, 5000));
    const std::string system_bus = system_bus_->Stdout();
    compositor_.emplace(
        "gnome-shell", Words{"--headless", "--wayland", "--virtual-monitor", "1280x1024"}, Words{},
        Words{"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config", "XDG_DATA_HOME=" + data,
              "GSETTINGS_BACKEND=keyfile",
              "DBUS_SYSTEM_BUS_ADDRESS=" + system_bus.substr(0, system_bus.find('\n'))});
    std::ifstream js(SOURCE_DIR "/gnome_shell_helpers.js");
    const std::string helpers{std::istreambuf_iterator<char>(js), {}};
    ASSERT_TRUE(WaitFor([&] { return Eval(helpers) == "true"; }, 30000)) << Eval(helpers);
    const std::regex announced("public X11 display (:\\d+)");
    std::string log;
    std::smatch x11;
    ASSERT_TRUE(WaitFor(
        [&] { return std::regex_search(log = compositor_->Stderr(), x11, announced); }, 10000));
    const std::string run = folder_ + "/run";
    StartProgram({"WAYLAND_DISPLAY=" + run + "/wayland-0", "DISPLAY=" + x11[1].str(),
                  "XAUTHORITY=" + FileIn(run, R"(\.mutter-Xwaylandauth\..*)"),
                  "XDG_CURRENT_DESKTOP=GNOME"});
    ASSERT_TRUE(WaitFor([&] { return Eval("!!win('Stripewise v2.0')") == "true"; }, 15000));
    Click(20, 10);  // into the window, as a user starts
  }
  void TearDown() override {
    Compositor::TearDown();
    system_bus_.reset();
  }
  // What a line of JavaScript gives in the shell.
  std::string Eval(const std::string& script) {
    std::string quoted;
    for (const char c : script) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    const std::string said = Shell(
        "gdbus call --session --dest org.gnome.Shell --object-path "
        "/org/gnome/Shell --method org.gnome.Shell.Eval '" +
        quoted + "'");
    std::smatch answer;
    const bool ok = std::regex_search(said, answer, std::regex(R"(^\(true, '(.*)'\)\s*$)"));
    return ok ? answer[1].str() : "<" + said + ">";
  }
  // Clicks a point of the main window's client area with a virtual pointer.
  void Click(int x, int y) {
    Eval("click(" + std::to_string(x) + ", " + std::to_string(y) + ")");
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
  }
  void OpenAbout() {  // again when a click was lost on its way
    ASSERT_TRUE(WaitFor([&] { return Click(397, 317), Eval("!!win('About')") == "true"; }, 5000));
  }
  std::optional<Child> system_bus_;
};

// The shell's own title bar, with neither maximize nor, for About,
// minimize; the desktop entry of the program's id names it.
TEST_F(Gnome, GoesThroughXWaylandUnderTheShellsTitleBar) {
  OpenAbout();
  const std::string app =
      "imports.gi.Shell.WindowTracker.get_default().get_window_app(win('Stripewise v2.0'))";
  EXPECT_EQ(Eval(app + ".get_id() + ' ' + " + app + ".get_name()"),
            "\"" + kId + ".desktop Stripewise\"");
  EXPECT_EQ(Eval("ours().map(describe).join(' / ')"),
            "\"Stripewise v2.0 X11 decorated maximize false minimize true maximized 0 / About X11 "
            "decorated maximize false minimize false maximized 0\"");
  EXPECT_EQ(program_->Stderr(), "");
}

TEST_F(Gnome, AMaximizeRequestChangesNothing) {
  const std::string main = "win('Stripewise v2.0')",
                    seen = "describe(" + main + ") + ' ' + place(" + main + ")";
  const std::string before = Eval(seen);
  Eval(main + ".maximize(imports.gi.Meta.MaximizeFlags.BOTH)");
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_EQ(Eval(seen), before);
  EXPECT_NE(before.find("maximized 0"), std::string::npos) << before;
}

// Through XWayland under the shell's title bar, not maximized, and brought
// forward by "Resistor" after the main window was activated.
TEST_F(Gnome, EveryCodeOpensUnmaximizedAndComesForward) {
  const std::string every = "win('" + kEveryCode + "')";
  ASSERT_TRUE(WaitFor([&] { return Click(456, 77), Eval("!!" + every) == "true"; }, 5000));
  EXPECT_NE(Eval("describe(" + every + ")")
                .find("X11 decorated maximize true minimize true "
                      "maximized 0"),
            std::string::npos)
      << Eval("describe(" + every + ")");
  Click(20, 10);
  Click(460, 78);
  EXPECT_EQ(Eval("ours().map(w => w.get_title() + (w.has_focus() ? ' focused' : '')).join(', ')"),
            "\"Stripewise v2.0, " + kEveryCode + " focused\"");
}

TEST_F(Gnome, AboutComesForwardAfterTheMainWindowWasActivated) {
  OpenAbout();
  Click(20, 10);  // back into the main window, beside About
  EXPECT_NE(Eval("place(win('Stripewise v2.0'))").find("focused"), std::string::npos);
  Click(397, 317);
  EXPECT_EQ(Eval("ours().map(w => w.get_title() + (w.has_focus() ? ' focused' : '')).join(', ')"),
            "\"Stripewise v2.0, About focused\"");
}

// weston leaves title bars to its programs too: the program goes through
// its XWayland, and starts without a word on its standard error.
TEST_F(Compositor, WestonRunsTheProgramThroughXWaylandSilently) {
  compositor_.emplace("weston",
                      Words{"--backend=headless-backend.so", "--xwayland", "--socket=weston"});
  std::smatch x11;
  std::string log;
  const std::regex announced("xserver listening on display (:\\d+)");
  ASSERT_TRUE(WaitFor(
      [&] { return std::regex_search(log = compositor_->Stderr(), x11, announced); }, 10000));
  setenv("DISPLAY", x11[1].str().c_str(), 1);
  StartProgram({"WAYLAND_DISPLAY=" + folder_ + "/run/weston", "DISPLAY=" + x11[1].str()});
  const std::string search = "xdotool search --onlyvisible --name 'Stripewise v2.0'";
  EXPECT_TRUE(WaitFor([&] { return !Shell(search).empty(); }, 15000));
  EXPECT_EQ(program_->Stderr(), "");
}

}  // namespace
}  // namespace stripewise
