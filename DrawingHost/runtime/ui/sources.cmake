# Standalone widgets and resources of the drawing host, included by the
# runtime's CMakeLists.txt. Sets DRAWINGHOST_UI_SOURCES (paths relative to the
# runtime folder) and DRAWINGHOST_UI_RESOURCES (files for qt_add_resources
# with PREFIX "/", relative to the runtime folder).
#
# Each resource carries a QT_RESOURCE_ALIAS so that it lands at the path
# modules ask for (":/images/...", ":/help/...").

get_filename_component(_dh_runtime_dir "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

set(DRAWINGHOST_UI_SOURCES
  ui/UiExport.h
  ui/DrawingGeometry.h ui/DrawingGeometry.cpp
  ui/DrawingView.h ui/DrawingView.cpp
  ui/CommandLineWidget.h ui/CommandLineWidget.cpp
  ui/StartPageWidget.h ui/StartPageWidget.cpp
  ui/HelpViewer.h ui/HelpViewer.cpp
  ui/Theme.h ui/Theme.cpp
  ui/HostIcons.h ui/HostIcons.cpp
  ui/ScreenFit.h ui/ScreenFit.cpp
  # The header sits with the module's view of the host; listing it here is
  # what makes moc see it.
  ../../Plugins/TwSmartCalculator/host/CTwCollapsibleGroupBox.h
  ui/CTwCollapsibleGroupBox.cpp
)

set(DRAWINGHOST_UI_RESOURCES)
file(GLOB_RECURSE _dh_resource_files CONFIGURE_DEPENDS
  "${_dh_runtime_dir}/resources/images/*.svg"
  "${_dh_runtime_dir}/resources/images/*.png"
  "${_dh_runtime_dir}/resources/help/*.html")
foreach(_dh_file IN LISTS _dh_resource_files)
  file(RELATIVE_PATH _dh_rel "${_dh_runtime_dir}" "${_dh_file}")
  file(RELATIVE_PATH _dh_alias "${_dh_runtime_dir}/resources" "${_dh_file}")
  list(APPEND DRAWINGHOST_UI_RESOURCES "${_dh_rel}")
  set_source_files_properties("${_dh_file}" PROPERTIES QT_RESOURCE_ALIAS "${_dh_alias}")
endforeach()
