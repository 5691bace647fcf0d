# cmake -DLUPDATE=... -DTS_FILE=... -DSOURCE_LIST=... -DWORK_DIR=... -P CheckTranslations.cmake
# Fails when the catalogue is not what lupdate makes of the sources today (a
# translatable text is missing from it, or it keeps one the sources dropped),
# or when a text in it still waits for its translation.
get_filename_component(_name "${TS_FILE}" NAME)
set(_copy "${WORK_DIR}/${_name}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(COPY_FILE "${TS_FILE}" "${_copy}")
execute_process(
  COMMAND "${LUPDATE}" -silent -locations none -no-obsolete "@${SOURCE_LIST}" -ts "${_copy}"
  RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${_rc})")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${TS_FILE}" "${_copy}"
  RESULT_VARIABLE _differs)
if(_differs)
  execute_process(COMMAND diff -u "${TS_FILE}" "${_copy}")
  message(FATAL_ERROR "${_name} lags behind the sources: run "
    "'cmake --build --preset default --target update_translations' and commit it")
endif()

file(STRINGS "${TS_FILE}" _unfinished REGEX "type=\"unfinished\"")
list(LENGTH _unfinished _count)
if(_count GREATER 0)
  message(FATAL_ERROR "${_name} has ${_count} text(s) without a translation "
    "(type=\"unfinished\"): translate them")
endif()
