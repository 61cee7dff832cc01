# libvigil, shared and static, from the object libraries of every component.
get_property(components GLOBAL PROPERTY VIGIL_COMPONENTS)
get_property(component_libraries GLOBAL PROPERTY VIGIL_COMPONENT_LIBRARIES)
set(objects)
foreach(component IN LISTS components)
  list(APPEND objects $<TARGET_OBJECTS:${component}>)
endforeach()

add_library(vigil SHARED ${objects})
add_library(vigil_static STATIC ${objects})
set_target_properties(vigil_static PROPERTIES OUTPUT_NAME vigil)
set_target_properties(vigil PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION 0)
# Every exported symbol carries the version node VIGIL_1, so that code in the same
# process built against the C library keeps the C library's function of the same name.
target_link_options(vigil PRIVATE -Wl,--version-script=${PROJECT_SOURCE_DIR}/cmake/vigil.map)
set_target_properties(vigil PROPERTIES LINK_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/vigil.map)
foreach(library IN ITEMS vigil vigil_static)
  target_include_directories(${library} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/vigil>)
  target_link_libraries(${library} PUBLIC ${component_libraries})
endforeach()
install(TARGETS vigil vigil_static
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})

# Every public header must compile on its own as C11: one C file includes them all.
get_property(public_headers GLOBAL PROPERTY VIGIL_PUBLIC_HEADERS)
set(header_check ${CMAKE_CURRENT_BINARY_DIR}/public_headers_check.c)
set(lines "/* Generated: includes every public header of libvigil. */\n")
foreach(header IN LISTS public_headers)
  string(APPEND lines "#include \"${header}\"\n")
endforeach()
string(APPEND lines "int vigil_public_headers_compile_as_c;\n")
file(CONFIGURE OUTPUT ${header_check} CONTENT "${lines}")
add_library(vigil_public_headers_check OBJECT ${header_check})
target_include_directories(vigil_public_headers_check PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_options(vigil_public_headers_check PRIVATE -std=c11 -pedantic -Werror)

# pkg-config description, so C programs find the headers and both libraries.
# The prefix is found from the file's own place: one ".." per folder of libdir,
# one for pkgconfig.
string(REPLACE "/" ";" libdir_folders ${CMAKE_INSTALL_LIBDIR})
set(VIGIL_PC_PREFIX "\${pcfiledir}/..")
foreach(folder IN LISTS libdir_folders)
  string(APPEND VIGIL_PC_PREFIX "/..")
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/cmake/vigil.pc.in ${PROJECT_BINARY_DIR}/vigil.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vigil.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
