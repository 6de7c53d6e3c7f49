# Embeds every page form (src/**/*.form) into velmor_controls as a generated source, so that the
# program never looks for form files at run time. Included from src/CMakeLists.txt.
file(GLOB_RECURSE VELMOR_FORM_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.form)
set(_velmor_forms_cpp ${CMAKE_BINARY_DIR}/generated/embedded_forms.cpp)
add_custom_command(
  OUTPUT ${_velmor_forms_cpp}
  COMMAND ${CMAKE_COMMAND} -DOUT=${_velmor_forms_cpp} -DROOT=${CMAKE_SOURCE_DIR} "-DFORMS=${VELMOR_FORM_FILES}"
          -P ${CMAKE_CURRENT_LIST_DIR}/embed_forms_generate.cmake
  DEPENDS ${VELMOR_FORM_FILES} ${CMAKE_CURRENT_LIST_DIR}/embed_forms_generate.cmake
  COMMENT "Embedding page forms"
  VERBATIM)
target_sources(velmor_controls PRIVATE ${_velmor_forms_cpp})
