// Posting a unit invoice: the invoice row, one line per item, the readings it billed as data
// records, and those readings marked billed, all in one journaled write (one transaction).
#pragma once

#include <cstdint>
#include <vector>

#include "property/invoice_cpunit.h"

class tinvoice_cpunit_post {
public:
    static constexpr const char* class_name() { return "tinvoice_cpunit_post"; }
    static constexpr int32_t ejt_invoice_post = 401;
    static constexpr int32_t ejt_invoice_billitem = 411;
    static constexpr int32_t ejt_invoice_data = 421;
    static constexpr int32_t ejt_unit_reading = 371;

    // Posts the invoice and returns its number. Raises, with nothing stored, when no meter has
    // a reading to bill or when a meter's readings are no longer those the invoice was built from.
    static int32_t post(const tinvoice_unit& aunit, const std::vector<tline_invoice>& alines);
};
