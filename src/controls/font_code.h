// Font codes: bits 0-7 the point size, bits 8-15 the face number (101 tahoma ... 106 segoe ui
// semibold), bit 24 bold. Declarations write a font as "face;size" or "face;size;B".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

constexpr int32_t font_code_default = 26122;  // arial;10

// The code of a font text; text that does not parse gives the default, arial;10.
int32_t font_code_from_text(std::string_view atext);
// The face name of a code ("arial" for an unknown face number).
std::string font_face_of_code(int32_t acode);
inline int32_t font_size_of_code(int32_t acode) { return acode & 0xFF; }
inline bool font_bold_of_code(int32_t acode) { return (acode & 0x1000000) != 0; }
