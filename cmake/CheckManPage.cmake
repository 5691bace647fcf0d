# cmake -DPROGRAM=... -DMAN_PAGE=... -P CheckManPage.cmake
# Fails when the long options PROGRAM's --help lists are not those its man
# page source names: an option added to either must be described in both.
execute_process(COMMAND "${PROGRAM}" --help
  OUTPUT_VARIABLE _help ERROR_VARIABLE _help_error RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed (${_rc}): ${_help_error}")
endif()
file(READ "${MAN_PAGE}" _man)
# roff writes a minus sign as \-
string(REPLACE "\\-" "-" _man "${_man}")

function(long_options text out)
  string(REGEX MATCHALL "--[a-z][a-z0-9-]*" _found "${text}")
  list(REMOVE_DUPLICATES _found)
  list(SORT _found)
  set(${out} "${_found}" PARENT_SCOPE)
endfunction()
long_options("${_help}" _in_help)
long_options("${_man}" _in_man)

if(NOT _in_help OR NOT _in_man)
  message(FATAL_ERROR "no option found in the --help output or in ${MAN_PAGE}")
endif()
set(_missing_in_man ${_in_help})
list(REMOVE_ITEM _missing_in_man ${_in_man})
set(_missing_in_help ${_in_man})
list(REMOVE_ITEM _missing_in_help ${_in_help})
if(_missing_in_man OR _missing_in_help)
  get_filename_component(_page "${MAN_PAGE}" NAME)
  message(FATAL_ERROR "--help and ${_page} disagree:\n"
    "  only in --help: ${_missing_in_man}\n"
    "  only in the man page: ${_missing_in_help}")
endif()
message(STATUS "${_in_help}")
