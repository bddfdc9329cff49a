include(GoogleTest)
find_package(GTest REQUIRED)

# add_stripewise_test(<name> SOURCES <files...> LIBS <targets...>)
# One GoogleTest program, its cases registered with CTest one by one and run
# headless.
function(add_stripewise_test name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBS")
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main stripewise_warnings)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${name})
endfunction()
