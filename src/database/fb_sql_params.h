// Turns statement text with named ":name" parameters into the engine's positional "?" markers,
// remembering which name each marker stands for.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct tfb_translated_sql {
    std::string fsql;                 // the text with every parameter written as "?"
    std::vector<std::string> fnames;  // the name of each marker in order, lower case
};

class tfb_sql_params {
public:
    // Names inside quoted strings, quoted identifiers and comments are left alone. In an EXECUTE
    // BLOCK only the header before its top-level AS takes parameters: after it ":name" is a
    // local variable of the block.
    static tfb_translated_sql translate(std::string_view asql);
};
