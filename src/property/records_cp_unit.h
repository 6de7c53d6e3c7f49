// The light row records of the unit editor and the meter-readings page: one unit of a site, the
// date readings are entered under, and one meter of a unit with its last billed and current
// readings.
#pragma once

#include <cstdint>
#include <string>

#include "values/property_table.h"

// One line of the unit list; the property names are the columns of cp_unit.
class trecord_unit : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    int32_t fid = 0;
    int32_t fid_site = 0;
    std::u16string fname;
};

// The date given to readings entered now (field link "date").
class trecord_header : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    int32_t fdate = 0;
};

// One meter of one unit on the readings page (field link "reading_this").
class trecord_reading : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    int32_t fid_unit = 0;
    std::u16string fname_unit;
    int16_t fbill_type = 0;
    int32_t frecno = 0;
    bool frecno_set = false;  // the line stands for an existing unbilled reading
    int64_t freading_last = 0;
    int32_t freading_last_date = 0;
    int64_t freading_this = 0;
    int64_t freading_this0 = 0;  // the value when loaded
    int32_t freading_this_date = 0;
    bool freading_is_first = true;  // no billed reading yet
};
