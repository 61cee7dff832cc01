# A component is one folder of libvigil: its sources become an object library that
# both the shared and the static library take in, and its *_test.cpp files become
# one test executable for the folder, linked against the shared library.
#
#   vigil_component(NAME files [LIBRARIES PkgConfig::DBUS ...] [TEST_LIBRARIES ...])
function(vigil_component)
  cmake_parse_arguments(ARG "" "NAME" "LIBRARIES;TEST_LIBRARIES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c)
  list(FILTER sources EXCLUDE REGEX "(_test|_fuzz|_bench)\\.(cpp|c)$")
  if(sources)
    set(target vigil_${ARG_NAME})
    add_library(${target} OBJECT ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARG_LIBRARIES})
    set_property(GLOBAL APPEND PROPERTY VIGIL_COMPONENTS ${target})
  endif()
  # Public headers are C (*.h); C++ headers internal to the library are *.hpp.
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  set_property(GLOBAL APPEND PROPERTY VIGIL_PUBLIC_HEADERS ${headers})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vigil/${folder})
  set_property(GLOBAL APPEND PROPERTY VIGIL_COMPONENT_LIBRARIES ${ARG_LIBRARIES})
  vigil_tests(${ARG_NAME}_test vigil ${ARG_TEST_LIBRARIES})
  vigil_fuzzers(vigil_static)
endfunction()

# The *_test.cpp files of the current folder as one GoogleTest executable linked
# with the given libraries, registered with CTest.
#   vigil_tests(app_test vigil_document)
function(vigil_tests name)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(VIGIL_TESTS AND tests)
    add_executable(${name} ${tests})
    target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest_main GTest::gmock)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS unit)
  endif()
endfunction()

# Each *_fuzz.cpp of the current folder becomes a libFuzzer executable named after
# the file, when the project is configured with -DVIGIL_FUZZERS=ON (and clang).
# Seed inputs live in fuzz_corpus/<name>/ beside it.
function(vigil_fuzzers library)
  if(NOT VIGIL_FUZZERS)
    return()
  endif()
  file(GLOB fuzzers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_fuzz.cpp)
  foreach(fuzzer IN LISTS fuzzers)
    get_filename_component(name ${fuzzer} NAME_WE)
    add_executable(${name} ${fuzzer})
    target_link_libraries(${name} PRIVATE ${library})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  endforeach()
endfunction()
