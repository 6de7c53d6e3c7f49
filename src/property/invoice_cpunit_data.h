// What the unit invoice reads: the unit with its account, site and templates, the lines of its
// two templates with their bill items, and the meters' newest readings that a post records and
// marks billed.
#pragma once

#include <cstdint>
#include <vector>

#include "property/invoice_cpunit.h"

class tfb_query;

// One stored meter reading.
struct tmeter_reading {
    int32_t frecno = 0;
    int32_t fdate_read = 0;
    int64_t freading = 0;
    bool fbilled = false;
};

class tinvoice_cpunit_data {
public:
    static constexpr const char* class_name() { return "tinvoice_cpunit_data"; }

    // The unit's names, templates and account; false when there is no such unit.
    static bool load_unit(tinvoice_unit& aunit, int32_t aid_unit);
    // The lines of the unit's water and power templates, in the order the database gives them.
    static std::vector<tline_template> load_template(const tinvoice_unit& aunit);
    // One row of the billable-quantity statement into its meter; the bill type (1 or 2) it was.
    static int16_t read_billable_row(tfb_query& aquery, tinvoice_unit& aunit);
    // The two newest readings of a meter (abill_type 1 water, 2 power), newest first.
    static std::vector<tmeter_reading> load_newest_readings(int32_t aid_unit, int16_t abill_type);
};
