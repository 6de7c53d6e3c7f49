// Record helpers for SQL building: the field list of a typed value.
#pragma once

#include <string>

#include "values/value_generic2.h"

class tprocs_database {
public:
    static constexpr const char* class_name() { return "tprocs_database"; }
    // The names of all fields of aoperate joined with ", ".
    static std::string get_record_fieldlist(const tvalue_generic2& aoperate);
};
