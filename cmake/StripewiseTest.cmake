# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Stripewise developers

include(GoogleTest)
find_package(GTest REQUIRED)

# add_stripewise_test(<name> [QT] SOURCES <files...> LIBS <targets...>)
# One GoogleTest program, its cases registered with CTest one by one and run
# headless. QT gives it a main that creates the QApplication first.
function(add_stripewise_test name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "QT" "" "SOURCES;LIBS")
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_QT)
    set(main stripewise_qt_test_main)
  else()
    set(main GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest ${main} stripewise_warnings)
  rerun_stripewise_test(${name} PREFIX "")
endfunction()

# rerun_stripewise_test(<name> PREFIX <prefix> [ARGS <arguments...>])
# Registers the cases of a test program once more, run with other arguments
# (the Qt tests take --scale-factor=N).
function(rerun_stripewise_test name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "PREFIX" "ARGS")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    TEST_PREFIX "${ARG_PREFIX}"
    EXTRA_ARGS ${ARG_ARGS}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${ARG_PREFIX}${name})
endfunction()
