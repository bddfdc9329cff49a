// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The real program binary on a real X server: started, used once with the
// mouse and keyboard as a person would, and closed. Run under xvfb-run.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QColor>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"
#include "x11_window.h"

namespace stripewise {
namespace {

// The program as a child process.
class Program : public testing::Child {
 public:
  explicit Program(const std::vector<std::string>& args = {},
                   const std::vector<std::string>& env_removed = {},
                   const std::vector<std::string>& env_added = {})
      : Child(STRIPEWISE_PROGRAM, args, env_removed, env_added) {}
};

// The pids of the session-bus processes that run now.
std::set<std::string> SessionBusProcesses() {
  std::set<std::string> pids;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream file(entry.path() / "cmdline");
    std::string command;
    std::getline(file, command, '\0');
    if (command.find("dbus-launch") != std::string::npos ||
        command.find("dbus-daemon") != std::string::npos) {
      pids.insert(entry.path().filename());
    }
  }
  return pids;
}

// A private runtime folder, as a desktop session has one.
std::string RuntimeDir() {
  static const std::string kDir = [] {
    std::string path = std::filesystem::temp_directory_path() / "stripewise-runtime-XXXXXX";
    return std::string(mkdtemp(path.data()));
  }();
  return kDir;
}

void Xdotool(const std::string& arguments) {
  ASSERT_TRUE(testing::Xdotool(arguments)) << arguments;
}

void ClickAt(const QRect& window, QPoint at) {
  const QPoint p = window.topLeft() + at;
  Xdotool("mousemove --sync " + std::to_string(p.x()) + " " + std::to_string(p.y()) + " click 1");
}

TEST(RealProgram, ConvertsOnceAndEndsWithExitCodeZeroWhenClosed) {
  x11::Display display;
  // On the X server, not the headless platform of the other tests, and with
  // no session bus to be had.
  const std::set<std::string> buses = SessionBusProcesses();
  Program program({}, {"QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"},
                  {"XDG_RUNTIME_DIR=" + RuntimeDir()});
  const auto window = display.WaitForWindow("Stripewise v2.0", 15000);
  ASSERT_TRUE(window.has_value()) << program.Stderr();
  const QRect client = display.Geometry(*window);
  EXPECT_EQ(client.size(), QSize(535, 434));

  ClickAt(client, {305, 161});  // "Gold 5%" in List4
  ClickAt(client, {93, 364});   // Text1
  Xdotool("type --delay 20 4700");
  ClickAt(client, {298, 317});  // "Color Code Name"

  // The centres of the bands, in Yellow, Violet, Red and Gold.
  const QPoint bands[] = {{409, 177}, {425, 177}, {440, 177}, {485, 176}};
  const QColor expected[] = {0xFFFF00, 0x0000C0, 0xFF0000, 0xFFFFC0};
  const auto painted = [&](const QImage& shot) {
    for (std::size_t i = 0; i < 4; ++i) {
      if (shot.pixelColor(bands[i]) != expected[i]) return false;
    }
    return true;
  };
  QImage shot = display.Grab(*window);
  for (int attempt = 0; attempt < 100 && !painted(shot); ++attempt) {  // until repainted
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    shot = display.Grab(*window);
  }
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(shot.pixelColor(bands[i]), expected[i]) << i;
  }
  display.Close(*window);
  EXPECT_EQ(program.Wait(10000), 0) << program.Stderr();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(SessionBusProcesses(), buses) << "a session bus the program started is left running";
}

// The program under a real window manager, as on a desktop, with its About
// window open beside the main window.
class UnderAWindowManager : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.WaitForWindowManager(10000));
    program_.emplace(std::vector<std::string>{}, kMine);
    main_ = display_.WaitForWindow("Stripewise v2.0", 15000);
    ASSERT_TRUE(main_.has_value()) << program_->Stderr();
    ClickAt(display_.Geometry(*main_), {397, 317});  // "About"
    about_ = display_.WaitForWindow("About", 5000);
    ASSERT_TRUE(about_.has_value());
  }
  void TearDown() override {
    if (main_) display_.Close(*main_);
    if (program_) {
      EXPECT_EQ(program_->Wait(10000), 0) << program_->Stderr();
    }
  }
  // The work area, free of panels.
  QRect WorkArea() {
    const auto work = display_.Property(0, "_NET_WORKAREA");
    return work.size() < 4 ? QRect()
                           : QRect(int(work[0]), int(work[1]), int(work[2]), int(work[3]));
  }
  // A window with the frame the window manager gave it.
  QRect Frame(std::uint32_t window) {
    const auto e = display_.Property(window, "_NET_FRAME_EXTENTS");  // left, right, top, bottom
    return e.size() == 4
               ? display_.Geometry(window).adjusted(-int(e[0]), -int(e[2]), int(e[1]), int(e[3]))
               : QRect();
  }
  // The variables of this environment the program is started without.
  const std::vector<std::string> kMine = {"QT_QPA_PLATFORM", "QT_SCALE_FACTOR"};
  x11::Display display_;
  std::optional<Program> program_;
  std::optional<std::uint32_t> main_, about_;
};

TEST_F(UnderAWindowManager, BothWindowsAreCentredByTheirFrames) {
  const QRect area = WorkArea();
  for (const std::uint32_t window : {*main_, *about_}) {
    const QPoint off = Frame(window).center() - area.center();
    EXPECT_LE(std::max(std::abs(off.x()), std::abs(off.y())), 1) << off.x() << "," << off.y();
  }
}

// Not a dialog tied to the main window; the bulb in 16 and 32 pixels is the
// main window's alone (a window manager may give About an icon of its own).
TEST_F(UnderAWindowManager, AboutIsAPlainWindowOfItsOwnWithoutTheBulb) {
  EXPECT_TRUE(display_.Property(*about_, "WM_TRANSIENT_FOR").empty());
  EXPECT_EQ(display_.Property(*about_, "_NET_WM_WINDOW_TYPE"),
            std::vector<std::uint32_t>{display_.Atom("_NET_WM_WINDOW_TYPE_NORMAL")});
  const auto bulb = display_.Property(*main_, "_NET_WM_ICON");
  ASSERT_EQ(bulb.size(), 16u * 16 + 2 + 32 * 32 + 2);
  EXPECT_NE(display_.Property(*about_, "_NET_WM_ICON"), bulb);
}

TEST_F(UnderAWindowManager, TheWindowsStackAsTheUserActivatesThem) {
  const auto on_top = [this] {
    const auto stack = display_.Property(0, "_NET_CLIENT_LIST_STACKING");  // bottom to top
    const auto at = [&stack](std::uint32_t w) { return std::find(stack.begin(), stack.end(), w); };
    return at(*main_) > at(*about_) ? *main_ : *about_;
  };
  for (const std::uint32_t window : {*main_, *about_, *main_}) {
    Xdotool("windowactivate --sync " + std::to_string(window));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(on_top(), window) << (window == *main_ ? "main window" : "About window");
  }
}

// "Resistor" opens the window for every resistor code, a normal window at
// its own size; pressed again after the main window was activated, it
// brings the same window forward.
TEST_F(UnderAWindowManager, ResistorOpensEveryCodeAndBringsItForward) {
  const char* title = "Every resistor code \u2014 Stripewise";
  Xdotool("windowactivate --sync " + std::to_string(*main_));  // from under About
  ClickAt(display_.Geometry(*main_), {456, 77});               // "Resistor"
  const auto every = display_.WaitForWindow(title, 5000);
  ASSERT_TRUE(every.has_value()) << program_->Stderr();
  const auto state = display_.Property(*every, "_NET_WM_STATE");
  EXPECT_EQ(std::count(state.begin(), state.end(), display_.Atom("_NET_WM_STATE_MAXIMIZED_VERT")),
            0);
  EXPECT_TRUE(display_.Property(*every, "WM_TRANSIENT_FOR").empty());
  const auto top = [this] { return display_.Property(0, "_NET_CLIENT_LIST_STACKING").back(); };
  EXPECT_EQ(top(), *every);
  Xdotool("windowactivate --sync " + std::to_string(*main_));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  ASSERT_EQ(top(), *main_);
  ClickAt(display_.Geometry(*main_), {460, 78});  // elsewhere on it: --sync waits for a move
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(top(), *every);
  EXPECT_EQ(display_.WaitForWindow(title, 500, *every), std::nullopt) << "a second window opened";
}

// At its corner rather than off the screen, within the one screen pixel that
// logical pixels can miss.
TEST_F(UnderAWindowManager, AWindowLargerThanTheScreenStartsAtItsCorner) {
  Program large({}, kMine, {"QT_SCALE_FACTOR=2"});  // 1070 x 868 pixels on a 1024 x 768 screen
  const auto big = display_.WaitForWindow("Stripewise v2.0", 15000, *main_);
  ASSERT_TRUE(big.has_value()) << large.Stderr();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const QPoint corner = Frame(*big).topLeft() - WorkArea().topLeft();
  EXPECT_TRUE(corner.x() >= 0 && corner.x() <= 1 && corner.y() >= 0 && corner.y() <= 1)
      << corner.x() << "," << corner.y();
  display_.Close(*big);
  EXPECT_EQ(large.Wait(10000), 0);
}

// What the command line and the environment get, without a window.
struct Answer {
  std::vector<std::string> args;
  std::string env;  // added to an environment without any display
  int status;
  std::string out;  // what standard output starts with
  std::string err;  // what standard error starts with
};

TEST(RealProgram, AnswersOptionsAndMissingDisplaysWithoutAWindow) {
  const std::string usage = "Usage: stripewise [--every-code] [Qt options]\n";
  const std::string wayland = RuntimeDir() + "/wayland-217";  // a socket nobody serves
  const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  wayland.copy(address.sun_path, sizeof address.sun_path - 1);
  unlink(wayland.c_str());
  ASSERT_EQ(bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  close(socket);
  const Answer answers[] = {
      {{"--help"}, "", 0, usage, ""},
      {{"--version"}, "", 0, "stripewise 2.0.0\n", ""},
      {{"--frobnicate"}, "", 2, "", "stripewise: unknown option '--frobnicate'\n" + usage},
      {{"-style", "fusion", "4700"}, "", 2, "", "stripewise: unexpected argument '4700'\n" + usage},
      // Questions about resistors, answered without a display; a subcommand
      // counts only first.
      {{"smd", "01C"}, "", 0, "10 k\u03A9 \u00B11 %", ""},
      {{"-style", "fusion", "smd", "01C"}, "", 2, "", "stripewise: unexpected argument 'smd'\n"},
      {{}, "", 1, "", "stripewise: no graphical display (DISPLAY and WAYLAND_DISPLAY are unset)\n"},
      {{},
       "DISPLAY=:217",
       1,
       "",
       "stripewise: cannot open a display (tried X11 display \":217\")\n"},
      {{},
       "WAYLAND_DISPLAY=wayland-217",
       1,
       "",
       "stripewise: cannot open a display (tried Wayland display \"wayland-217\")\n"},
      {{"-platform", "wayland"},
       "",
       1,
       "",
       "stripewise: cannot open a display (tried Wayland display \"wayland-0\")\n"},
  };
  for (const Answer& answer : answers) {
    std::vector<std::string> env = {"XDG_RUNTIME_DIR=" + RuntimeDir()};
    if (!answer.env.empty()) env.push_back(answer.env);
    Program program(
        answer.args,
        {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR", "XDG_SESSION_TYPE"},
        env);
    const std::string context = answer.env + " " + (answer.args.empty() ? "" : answer.args[0]);
    EXPECT_EQ(program.Wait(10000), answer.status) << context;
    EXPECT_EQ(program.Stdout().substr(0, answer.out.size()), answer.out) << context;
    if (answer.status == 1) {
      EXPECT_EQ(program.Stderr(), answer.err) << context;  // that one line and nothing else
    } else {
      EXPECT_EQ(program.Stderr().substr(0, answer.err.size()), answer.err) << context;
    }
  }
}

// On a display that works, a platform plugin that Qt finds but cannot load
// is named with Qt's words, not taken for a display that cannot be opened;
// --verbose adds the loader's reason.
TEST(RealProgram, SaysWhatQtSaidWhenAPlatformPluginCannotLoad) {
  const std::vector<std::string> env = {"QT_QPA_PLATFORM_PLUGIN_PATH=" BROKEN_PLATFORMS};
  Program program({"-platform", "broken"}, {"QT_QPA_PLATFORM", "QT_DEBUG_PLUGINS"}, env);
  EXPECT_EQ(program.Wait(10000), 1);
  EXPECT_EQ(program.Stderr(),
            "stripewise: cannot start the Qt platform: Could not load the Qt platform plugin "
            "\"broken\" in \"" BROKEN_PLATFORMS "\" even though it was found.\n");
  Program verbose({"-platform", "broken", "--verbose"}, {"QT_QPA_PLATFORM", "QT_DEBUG_PLUGINS"},
                  env);
  EXPECT_EQ(verbose.Wait(10000), 1);
  EXPECT_NE(verbose.Stderr().find("libstripewise_absent.so: cannot open shared object file"),
            std::string::npos)
      << verbose.Stderr();
}

TEST(RealProgram, HonoursQtsOwnOptionsWithoutADisplay) {
  Program program({"-platform", "offscreen", "-style", "fusion", "-reverse"},
                  {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"},
                  {"XDG_RUNTIME_DIR=" + RuntimeDir()});
  EXPECT_EQ(program.Wait(1500), -1) << "it should still run: " << program.Stderr();
  EXPECT_EQ(program.Stderr(), "");
}

}  // namespace
}  // namespace stripewise
