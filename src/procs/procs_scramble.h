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
};
