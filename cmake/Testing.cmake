include(GoogleTest)

# Tests labelled "core" also run in the sanitizer build; the target
# core-tests builds just those, so that build stays small.
add_custom_target(core-tests)

# fct_add_test(NAME [CORE] [QT|OWN_MAIN] SOURCES ... LIBS ...)
# QT tests get a main that creates a QApplication on the offscreen platform;
# OWN_MAIN tests bring their own.
function(fct_add_test name)
  cmake_parse_arguments(T "CORE;QT;OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(T_QT)
    target_link_libraries(${name} PRIVATE fct_test_support)
  elseif(T_OWN_MAIN)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  # One label per test: a list does not survive test discovery.
  set(labels gui)
  if(T_CORE)
    set(labels core)
    add_dependencies(core-tests ${name})
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES
      LABELS "${labels}"
      TIMEOUT 120
      # Discovery passes one variable only (the next ones would be read as
      # property names); the test support supplies the build's folders.
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# fct_add_fuzz(NAME SOURCES ... LIBS ...): a libFuzzer target, built only in
# the clang fuzz configuration; the executable is called fuzz_NAME.
add_custom_target(fuzz-targets)
function(fct_add_fuzz name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(fuzz_${name} ${F_SOURCES})
  target_link_libraries(fuzz_${name} PRIVATE ${F_LIBS})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzz-targets fuzz_${name})
endfunction()
