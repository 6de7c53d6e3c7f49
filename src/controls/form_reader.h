// Reads a page form: nested "object NAME: CLASS ... end" blocks with "property = value" lines.
// Objects are created by class name and their properties set by name through the property
// tables; every unknown class, property, value or reference is reported with file, line and
// column.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "controls/dfm_component.h"

class tform_reader {
public:
    // The whole form; afilename only names the form in messages.
    static std::unique_ptr<tdfm_form> read(std::string_view atext, const std::string& afilename);
    // The class named by the form's root object ("" when the text does not start like a form),
    // so that tools can register a page's form class before reading it.
    static std::string root_class(std::string_view atext);
};
