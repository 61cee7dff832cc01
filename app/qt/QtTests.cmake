# Qt Test programs, one per *_test.cpp, each driving real windows. They run on
# the offscreen platform, apart from the screenshot test, which starts its own
# X server. System libraries under them (fontconfig, Mesa, X, GLib) keep caches
# for the life of the process that LeakSanitizer would report as leaks: the
# suppressions name those libraries only, so a leak of our own code still fails.
find_package(Qt6 REQUIRED COMPONENTS Test)
set(leak_suppressions
    "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/system_library_leaks.supp:print_suppressions=0")
file(GLOB qt_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
foreach(source IN LISTS qt_tests)
  get_filename_component(name ${source} NAME_WE)
  add_executable(qt_${name} ${source})
  target_link_libraries(qt_${name} PRIVATE vigil_qt Qt6::Test)
  add_test(NAME qt_${name} COMMAND qt_${name})
  set_tests_properties(qt_${name} PROPERTIES LABELS qt TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${leak_suppressions}")
endforeach()
# The screenshot test again at 200% scale. On X, libxkbcommon-x11 copies the
# keymap's names with a bounded strndup of unterminated buffers, which is sound
# but which ASan's strict string checks report; they are off for this test only.
add_test(NAME qt_window_screenshot_test_200 COMMAND qt_window_screenshot_test)
set_tests_properties(qt_window_screenshot_test_200 PROPERTIES LABELS qt TIMEOUT 120
  ENVIRONMENT "QT_SCALE_FACTOR=2;${leak_suppressions}")
foreach(test IN ITEMS qt_window_screenshot_test qt_window_screenshot_test_200)
  set_tests_properties(${test} PROPERTIES
    ENVIRONMENT_MODIFICATION "ASAN_OPTIONS=string_append::strict_string_checks=0")
endforeach()
