// Runs a SQL script (statements ended by ";" or by the terminator of "SET TERM x ;") on a
// connection, each statement committed on its own, so that tables exist for the next one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "database/fb_database.h"

class tfb_script {
public:
    static constexpr const char* class_name() { return "tfb_script"; }
    // The statements of a script, without terminators; SET TERM lines are consumed.
    static std::vector<std::string> split(std::string_view ascript);
    // Raises the engine's error with the failing statement's first line appended.
    static void execute(tfb_database& adatabase, std::string_view ascript);
};
