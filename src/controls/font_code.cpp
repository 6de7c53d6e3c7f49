#include "controls/font_code.h"

#include <cctype>
#include <vector>

#include "values/property_table.h"

namespace {

const char* const faces[] = {"tahoma", "arial", "verdana", "courier new", "opensymbol", "segoe ui semibold"};

std::string_view trim(std::string_view a) {
    while (!a.empty() && std::isspace(static_cast<unsigned char>(a.front()))) a.remove_prefix(1);
    while (!a.empty() && std::isspace(static_cast<unsigned char>(a.back()))) a.remove_suffix(1);
    return a;
}

std::vector<std::string_view> split(std::string_view a) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= a.size(); ++i) {
        if (i == a.size() || a[i] == ';') {
            parts.push_back(trim(a.substr(start, i - start)));
            start = i + 1;
        }
    }
    return parts;
}

}  // namespace

int32_t font_code_from_text(std::string_view atext) {
    std::vector<std::string_view> parts = split(atext);
    if (parts.size() < 2 || parts.size() > 3) return font_code_default;
    int32_t face = -1;
    for (int32_t i = 0; i < 6; ++i)
        if (same_text_nocase(faces[i], parts[0])) face = i;
    if (face < 0 || parts[1].empty() || parts[1].size() > 3) return font_code_default;
    int32_t size = 0;
    for (char c : parts[1]) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return font_code_default;
        size = size * 10 + (c - '0');
    }
    if (size > 255) return font_code_default;
    bool bold = parts.size() == 3 && parts[2].find('B') != std::string_view::npos;
    return size + 256 * (101 + face) + (bold ? 16777216 : 0);
}

std::string font_face_of_code(int32_t acode) {
    int32_t face = ((acode >> 8) & 0xFF) - 101;
    return face >= 0 && face < 6 ? faces[face] : "arial";
}
