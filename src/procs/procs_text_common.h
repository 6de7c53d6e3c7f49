// Pieces shared by the text utilities that work over both wide (char16_t) and 8-bit (char) text:
// the class name each form reports in its messages and conversions for message arguments.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include "procs/message_format.h"

template <typename CharT>
constexpr const char* text_class_name() {
    if constexpr (std::is_same_v<CharT, char16_t>) {
        return "tprocs_unicodestring";
    } else {
        return "tprocs_ansistring";
    }
}

// Message arguments are UTF-8.
inline std::string text_arg(std::u16string_view atext) { return utf16_to_utf8(atext); }
inline std::string text_arg(std::string_view atext) { return std::string(atext); }

// An ASCII text in the character type of the caller.
template <typename CharT>
std::basic_string<CharT> widen_ascii(std::string_view atext) {
    return std::basic_string<CharT>(atext.begin(), atext.end());
}

template <typename CharT>
constexpr bool is_digit_char(CharT ach) {
    return ach >= CharT('0') && ach <= CharT('9');
}
