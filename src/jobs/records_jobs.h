// A line of the job order view: the columns of job_lns the order's line grid shows.
#pragma once

#include <cstdint>
#include <string>

#include "procs/currency.h"
#include "values/property_table.h"

class trecord_jobln : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    int32_t fjob = 0;
    int16_t flineno = 0;
    std::u16string fpartno;
    std::u16string fdescription;
    int32_t fqty = 0;
    tcurrency fline_total;
};
