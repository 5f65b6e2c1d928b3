# vantrel_add_gtest(<target> [TEST_PREFIX <p>] [EXTRA_ARGS <a>...] [PROPERTIES <k> <v>...])
# Registers every GoogleTest case of <target> as its own ctest test.
# PRE_TEST discovery lists the cases when ctest runs rather than at build time,
# so a cross build never starts Wine while building. Discovery and the tests
# both go through CMAKE_CROSSCOMPILING_EMULATOR (cmake/wine-run.sh), which
# sets LC_ALL=zh_CN.UTF-8 and the private Wine prefix.
function(vantrel_add_gtest target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "TEST_PREFIX" "EXTRA_ARGS;PROPERTIES")
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vantrel_add_gtest: unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT ARG_TEST_PREFIX)
    set(ARG_TEST_PREFIX "${target}.")
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    # Generous: the first Wine process of a run may have to start the server.
    DISCOVERY_TIMEOUT 60
    TEST_PREFIX "${ARG_TEST_PREFIX}"
    EXTRA_ARGS ${ARG_EXTRA_ARGS}
    # TIMEOUT: a stray modal dialog under Wine gets killed instead of hanging CI.
    PROPERTIES TIMEOUT 120 ${ARG_PROPERTIES}
  )
endfunction()
