// Turns a short text (at most 16 bytes) into a 35-character scrambled form and back, so that
// the database user name is not held in the program as plain text.
#pragma once

#include <string>
#include <string_view>

class tprocs_scramble {
public:
    static constexpr const char* class_name() { return "tprocs_scramble"; }

    static std::string scramble16(std::string_view aline);
    static std::string unscramble16(std::string_view aline);
    // Any length: the text in 16-byte pieces, each scrambled, joined by "+" (empty stays empty).
    static std::string scramble_text(std::string_view atext);
    static std::string unscramble_text(std::string_view ascrambled);
};
