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
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${name})
endfunction()
