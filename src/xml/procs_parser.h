// Describes tokens and token types in words for the parser's and loader's error messages.
#pragma once

#include <string>

#include "xml/parser.h"

class tprocs_parser {
public:
    static std::string get_token_denote(const tparser_generic& aparser);
    static std::string get_token_type_denote(const tparser_generic& aparser);
    static std::string get_token_type_denote(ttoken_type atype, int32_t aparam1_int, bool aparam1_boolean);
    // A control character by its name ("line feed", "form feed", "NUL", ...); empty for any
    // other character, which a message may show as it is.
    static std::string get_control_char_name(char16_t achar);
};
