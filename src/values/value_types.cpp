#include "values/value_types.h"

const char* value_type_name(tvalue_type2 atype) {
    static constexpr const char* names[] = {"vt_none",    "vt_smallint", "vt_longint",  "vt_unicodestring",
                                            "vt_ansistring", "vt_boolean", "vt_int64", "vt_currency",
                                            "vt_double",  "vt_object"};
    return atype <= vt_object ? names[atype] : "vt_unknown";
}

tfield_value_type storage_type_of(tvelmor_value_type_extended akind) {
    switch (akind) {
    case vf_longint: return va_longint;
    case vf_unicodestring: return va_unicodestring;
    case vf_currency: return va_currency;
    case vf_ansistring: return va_ansistring;
    case vf_int64: return va_int64;
    case vf_date: return va_longint;
    case vf_decimal: return va_int64;
    case vf_boolean: return va_boolean;
    case vf_smallint: return va_smallint;
    }
    return va_longint;
}

bool value_kind_has_validator(tvelmor_value_type_extended akind) {
    return akind != vf_ansistring && akind != vf_boolean && akind != vf_smallint;
}
