# add_embedded_catalogue(TARGET TS_FILE CHECK_TEST SOURCES...)
# A German catalogue for TARGET: `update_translations` refreshes TS_FILE from
# SOURCES, the compiled catalogue is embedded in TARGET under :/i18n, and the
# test CHECK_TEST fails while the catalogue lags behind the sources (see
# CheckTranslations.cmake).
function(add_embedded_catalogue target ts_file check_test)
  set(sources ${ARGN})
  qt_add_lupdate(${target}
    TS_FILES ${ts_file}
    SOURCES ${sources}
    OPTIONS -locations none -no-obsolete)
  qt_add_lrelease(${target}
    TS_FILES ${ts_file}
    QM_FILES_OUTPUT_VARIABLE qm_files)
  qt_add_resources(${target} ${target}_translations
    PREFIX "/i18n"
    BASE ${CMAKE_CURRENT_BINARY_DIR}
    FILES ${qm_files})

  set(source_list ${CMAKE_CURRENT_BINARY_DIR}/translated_sources.lst)
  list(JOIN sources "\n" lines)
  file(WRITE ${source_list} "${lines}\n")
  add_test(NAME ${check_test}
    COMMAND ${CMAKE_COMMAND}
      -DLUPDATE=$<TARGET_FILE:Qt6::lupdate>
      -DTS_FILE=${ts_file}
      -DSOURCE_LIST=${source_list}
      -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/check
      -P ${PROJECT_SOURCE_DIR}/cmake/CheckTranslations.cmake)
endfunction()
