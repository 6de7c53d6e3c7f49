# The icon maker draws every icon into PNG files at build time; the PNGs are then embedded into
# velmor_shell as a generated source. Included from src/shell/CMakeLists.txt after velmor_shell.
add_executable(icon-maker ${CMAKE_CURRENT_LIST_DIR}/icon_maker.cpp ${CMAKE_CURRENT_LIST_DIR}/icon_catalogue.cpp
                          ${CMAKE_CURRENT_LIST_DIR}/icon_art.cpp ${CMAKE_CURRENT_LIST_DIR}/letter_art.cpp
                          ${CMAKE_CURRENT_LIST_DIR}/app_icon.cpp)
target_link_libraries(icon-maker PRIVATE Qt6::Gui velmor_ymk)
# The SVG module lets the tool write the desktop icon as SVG too; only the tool links it.
find_package(Qt6 QUIET COMPONENTS Svg)
if(Qt6Svg_FOUND)
  target_link_libraries(icon-maker PRIVATE Qt6::Svg)
  target_compile_definitions(icon-maker PRIVATE VELMOR_ICON_SVG)
endif()
set_target_properties(icon-maker PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools AUTOMOC OFF)

set(_icon_folder ${CMAKE_BINARY_DIR}/generated/icons)
set(_icons_cpp ${CMAKE_BINARY_DIR}/generated/embedded_icons.cpp)
add_custom_command(
  OUTPUT ${_icons_cpp}
  BYPRODUCTS ${_icon_folder}/contact_sheet.png
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:icon-maker> ${_icon_folder} --sheet ${_icon_folder}/contact_sheet.png
  COMMAND ${CMAKE_COMMAND} -DOUT=${_icons_cpp} -DFOLDER=${_icon_folder}
          -P ${CMAKE_CURRENT_LIST_DIR}/embed_icons_generate.cmake
  DEPENDS icon-maker ${CMAKE_CURRENT_LIST_DIR}/embed_icons_generate.cmake
  COMMENT "Drawing and embedding the icons"
  VERBATIM)
set_source_files_properties(${_icons_cpp} PROPERTIES SKIP_AUTOGEN ON)
target_sources(velmor_shell PRIVATE ${_icons_cpp})
