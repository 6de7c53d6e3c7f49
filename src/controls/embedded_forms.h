// The page forms built into the program (generated at build time from src/**/*.form).
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "controls/dfm_component.h"

struct tembedded_form {
    const char* name;  // the file name without ".form"
    const char* path;  // the source path, for messages
    const char* root_class;  // the class its root object names (the page's form class)
    const char* text;
};

std::span<const tembedded_form> embedded_forms();
// Nullptr when the program has no form of that name.
const tembedded_form* find_embedded_form(std::string_view aname);
// Reads the named form; a missing form raises "Form %s is not in the program.".
std::unique_ptr<tdfm_form> read_embedded_form(std::string_view aname);
