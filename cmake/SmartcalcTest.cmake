# Tests compare English texts: with a German locale the module would install
# its German catalogue. LANGUAGE would otherwise outrank LC_ALL for Qt. A data
# home of their own keeps the modules a developer installed for themselves
# out of the drawing host the tests start.
set(SMARTCALC_TEST_LOCALE
  "LC_ALL=C.UTF-8;LANGUAGE=;XDG_DATA_HOME=${PROJECT_BINARY_DIR}/tests/data-home")

# smartcalc_add_test(NAME SOURCES src... LIBS lib... [ENVIRONMENT VAR=value...])
# One Qt Test executable registered with CTest, run headless.
function(smartcalc_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  qt_add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES MACOSX_BUNDLE OFF WIN32_EXECUTABLE OFF)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${SMARTCALC_TEST_LOCALE};${ARG_ENVIRONMENT}"
    TIMEOUT 300)
endfunction()
