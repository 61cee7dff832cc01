# The launch benchmark starts the vigil program, and itself as a minimal Qt
# program, on a private X server, and reads their windows back over xcb.
if(NOT TARGET vigil_app_exe)
  # Without the desktop application (VIGIL_QT off) there is nothing to launch.
  set_target_properties(bench_qt_launch PROPERTIES EXCLUDE_FROM_ALL TRUE)
  return()
endif()
find_package(Qt6 REQUIRED COMPONENTS Widgets)
find_package(PkgConfig REQUIRED)
pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
target_link_libraries(bench_qt_launch PRIVATE Qt6::Widgets PkgConfig::XCB)
target_include_directories(bench_qt_launch PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_definitions(bench_qt_launch PRIVATE VIGIL_APP_PATH="$<TARGET_FILE:vigil_app_exe>")
add_dependencies(bench_qt_launch vigil_app_exe)
