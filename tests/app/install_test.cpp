// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// What `cmake --install` and the Debian package put in place, checked with
// the desktop's own validators.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kId = "io.github.stripewise.stripewise";

// What a shell command printed, and whether it succeeded.
struct Ran {
  std::string out;
  bool ok;
};

Ran Shell(const std::string& command) {
  Ran ran{"", false};
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return ran;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) ran.out += buffer;
  ran.ok = pclose(pipe) == 0;
  return ran;
}

std::vector<std::string> InstalledFiles() {
  return {"bin/stripewise",
          "libexec/stripewise/stripewise-window",
          "share/applications/" + kId + ".desktop",
          "share/metainfo/" + kId + ".metainfo.xml",
          "share/icons/hicolor/16x16/apps/" + kId + ".png",
          "share/icons/hicolor/32x32/apps/" + kId + ".png",
          "share/icons/hicolor/48x48/apps/" + kId + ".png",
          "share/icons/hicolor/64x64/apps/" + kId + ".png",
          "share/icons/hicolor/scalable/apps/" + kId + ".svg",
          "share/man/man1/stripewise.1.gz",
          "share/doc/stripewise/copyright",
          "share/doc/stripewise/changelog.gz",
          "share/bash-completion/completions/stripewise"};
}

TEST(Install, PutsEverythingInItsStandardPlaceAndPassesTheValidators) {
  const fs::path prefix =
      fs::temp_directory_path() / ("stripewise-install-" + std::to_string(getpid()));
  fs::remove_all(prefix);
  const Ran install =
      Shell("cmake --install '" STRIPEWISE_BUILD_DIR "' --prefix '" + prefix.string() + "'");
  ASSERT_TRUE(install.ok) << install.out;
  for (const std::string& file : InstalledFiles()) EXPECT_TRUE(fs::exists(prefix / file)) << file;
  const fs::path program = prefix / "bin/stripewise";
  EXPECT_NE(fs::status(program).permissions() & fs::perms::owner_exec, fs::perms::none);
  // The installed command line starts the installed window program, which
  // names the platform it cannot start.
  const Ran window = Shell("'" + program.string() + "' -platform absent");
  EXPECT_NE(window.out.find("cannot start the Qt platform"), std::string::npos) << window.out;

  const Ran desktop = Shell("desktop-file-validate '" +
                            (prefix / "share/applications" / (kId + ".desktop")).string() + "'");
  EXPECT_TRUE(desktop.ok && desktop.out.empty()) << desktop.out;
  const Ran metainfo = Shell("appstreamcli validate --pedantic --no-net '" +
                             (prefix / "share/metainfo" / (kId + ".metainfo.xml")).string() + "'");
  EXPECT_TRUE(metainfo.ok) << metainfo.out;
  EXPECT_EQ(metainfo.out.find("<url"), std::string::npos);  // no address until a packager gives one
  const Ran completion = Shell("bash -c 'source " +
                               (prefix / "share/bash-completion/completions/stripewise").string() +
                               "; COMP_WORDS=(stripewise value gr); COMP_CWORD=2; _stripewise; "
                               "echo ${COMPREPLY[*]}'");
  EXPECT_EQ(completion.out, "green grey\n");
  fs::remove_all(prefix);
}

// A packager who gives the project's addresses gets them in the metadata,
// which stays valid.
TEST(Install, MetadataNamesTheAddressesAPackagerGives) {
  const fs::path build =
      fs::temp_directory_path() / ("stripewise-urls-" + std::to_string(getpid()));
  const Ran configure = Shell(
      "cmake -S '" STRIPEWISE_SOURCE_DIR "' -B '" + build.string() +
      "' -DSTRIPEWISE_BUILD_TESTS=OFF -DSTRIPEWISE_BUILD_BENCH=OFF"
      " -DSTRIPEWISE_HOMEPAGE_URL=https://home.test -DSTRIPEWISE_BUGTRACKER_URL=https://bugs.test"
      " -DSTRIPEWISE_SCREENSHOT_URL=https://shots.test/s");
  ASSERT_TRUE(configure.ok) << configure.out;
  const std::string file = (build / "app" / (kId + ".metainfo.xml")).string();
  const Ran metainfo = Shell("appstreamcli validate --pedantic --no-net '" + file + "'");
  EXPECT_TRUE(metainfo.ok) << metainfo.out;
  const Ran urls = Shell(
      "grep -c -e '>https://home.test<' -e '>https://bugs.test<'"
      " -e '>https://shots.test/s/main-window.png<' '" +
      file + "'");
  EXPECT_EQ(urls.out, "3\n");
  fs::remove_all(build);
}

// `scripts/setup run` installs only what the build and the program use: each
// of its packages owns a file that this build or the program it built reads.
TEST(Setup, ForRunningInstallsOnlyWhatTheBuildAndTheProgramUse) {
  const Ran listed = Shell("'" STRIPEWISE_SOURCE_DIR "/scripts/setup' --list run");
  const Ran used =
      Shell("'" STRIPEWISE_SOURCE_DIR "/tests/app/packages_used' '" STRIPEWISE_BUILD_DIR
            "' '" STRIPEWISE_WINDOW "'");
  ASSERT_TRUE(listed.ok && used.ok) << listed.out << used.out;
  std::istringstream packages(listed.out);
  for (std::string package; std::getline(packages, package);) {
    EXPECT_NE(("\n" + used.out).find("\n" + package + "\n"), std::string::npos) << package;
  }
}

// The package that `cmake --workflow --preset package` makes.
TEST(Package, HoldsTheProgramItsDesktopFilesAndDependsOnQt6) {
  const fs::path folder = STRIPEWISE_SOURCE_DIR "/build/package";
  fs::path deb;
  if (fs::exists(folder)) {
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.path().extension() == ".deb") deb = entry.path();
    }
  }
  if (deb.empty()) GTEST_SKIP() << "no package built; scripts/test builds it";
  const Ran contents = Shell("dpkg-deb --contents '" + deb.string() + "'");
  ASSERT_TRUE(contents.ok) << contents.out;
  for (const std::string& file : InstalledFiles()) {
    EXPECT_NE(contents.out.find("./usr/" + file), std::string::npos) << file;
  }
  const Ran depends = Shell("dpkg-deb --field '" + deb.string() + "' Depends");
  ASSERT_TRUE(depends.ok) << depends.out;
  for (const char* library : {"libqt6core6", "libqt6gui6", "libqt6widgets6"}) {
    EXPECT_NE(depends.out.find(library), std::string::npos) << depends.out;
  }
}

}  // namespace
