#include "values/procs_database.h"

std::string tprocs_database::get_record_fieldlist(const tvalue_generic2& aoperate) {
    std::string r;
    for (int32_t i = 0; i < aoperate.get_field_count(); ++i) {
        if (i > 0) r += ", ";
        r += aoperate.get_field_name(i);
    }
    return r;
}
