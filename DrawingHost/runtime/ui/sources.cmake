# Standalone widgets and resources of the drawing host, included by the
# runtime's CMakeLists.txt. Sets DRAWINGHOST_UI_SOURCES (paths relative to the
# runtime folder) and DRAWINGHOST_UI_RESOURCES (files for qt_add_resources,
# relative to the runtime folder).
set(DRAWINGHOST_UI_SOURCES)
set(DRAWINGHOST_UI_RESOURCES)
