# The intro's image asset file: the icon maker draws the letter pictures, the asset encoder turns
# them into data/assets_001.dat in the program folder. Included from src/shell/CMakeLists.txt.
add_executable(asset-encoder ${CMAKE_CURRENT_LIST_DIR}/asset_encoder.cpp)
target_link_libraries(asset-encoder PRIVATE velmor_ymk Qt6::Gui)
set_target_properties(asset-encoder PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools AUTOMOC OFF)

set(_letter_folder ${CMAKE_BINARY_DIR}/generated/letters)
set(_asset_file ${CMAKE_BINARY_DIR}/bin/data/assets_001.dat)
# Fifteen pictures in reading order; the space (image 6) is empty.
set(_letter_pictures)
foreach(_n 00 01 02 03 04 05 06 07 08 09 10 11 12 13 14)
  if(_n STREQUAL "06")
    list(APPEND _letter_pictures empty)
  else()
    list(APPEND _letter_pictures ${_letter_folder}/letter_${_n}.png)
  endif()
endforeach()
add_custom_command(
  OUTPUT ${_asset_file}
  BYPRODUCTS ${_letter_folder}/letters_sheet.png
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin/data
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:icon-maker> --letters ${_letter_folder}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:asset-encoder> ${_asset_file} ${_letter_pictures}
  DEPENDS icon-maker asset-encoder
  COMMENT "Drawing the intro's letters into data/assets_001.dat"
  VERBATIM)
add_custom_target(intro_assets ALL DEPENDS ${_asset_file})
