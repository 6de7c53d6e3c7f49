// The enumerations of typed values: field types, storage types of field links, value kinds of
// edited fields and of value elements, and their names as messages show them.
#pragma once

#include <cstdint>

enum tvalue_type2 : uint8_t {
    vt_none,
    vt_smallint,
    vt_longint,
    vt_unicodestring,
    vt_ansistring,
    vt_boolean,
    vt_int64,
    vt_currency,
    vt_double,
    vt_object
};

enum tfield_value_type : uint8_t {
    va_boolean,
    va_longint,
    va_unicodestring,
    va_currency,
    va_ansistring,
    va_int64,
    va_smallint
};

enum tvelmor_value_type_extended : uint8_t {
    vf_longint,
    vf_unicodestring,
    vf_currency,
    vf_ansistring,
    vf_int64,
    vf_date,
    vf_decimal,
    vf_boolean,
    vf_smallint
};

enum tvelmor_value_type : uint8_t {
    vb_longint,
    vb_array,
    vb_unicodestring,
    vb_currency,
    vb_daycount,
    ve_longint,
    ve_unicodestring,
    ve_currency,
    ve_float
};

enum tsubtype : uint8_t { st_none, st_boolean };

// Field domains: an eight-decimal int64 amount, and the range of object properties that hold a
// data object whose id is in the property numbered domain - 32.
constexpr int32_t domain_decimal18p8 = 101;
constexpr int32_t domain_dataobject_first = 32;
constexpr int32_t domain_dataobject_last = 63;

const char* value_type_name(tvalue_type2 atype);  // "vt_longint", ...
// The storage type of a value kind ("vf_date" is stored as a day count, va_longint).
tfield_value_type storage_type_of(tvelmor_value_type_extended akind);
// Whether the kind has a validator; a validated field link of another kind is refused.
bool value_kind_has_validator(tvelmor_value_type_extended akind);
