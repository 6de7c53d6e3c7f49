// The light row records of the customer pages: plain objects filled from result rows by column
// name, one per contact of an account or per account of a contact.
#pragma once

#include <cstdint>
#include <string>

#include "values/property_table.h"

class trecord_contact : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    int32_t fid = 0;
    std::u16string ffirst_name;
    std::u16string flast_name;
};

class trecord_customer : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    int32_t fid = 0;
    std::u16string fname;
};
