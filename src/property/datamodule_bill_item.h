// Bill items and invoice templates as the maintenance pages read them: the lists they show and
// the records they edit, read through the statement pool's kept read transaction.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "procs/currency.h"
#include "values/dbrecords2.h"

// A line of the bill item lists (pages 30 and 17).
struct trecord_billitem {
    int32_t fid = 0;
    std::u16string fsupplier;
    std::u16string fcode;
    tcurrency fprice;
};
using trecord_bill_item = trecord_billitem;

// A line of the template list (page 28).
struct trecord_cpinvoice {
    int32_t fid = 0;
    std::u16string fname;
};

// A line of a template (page 29): the bill item is shown by its code.
struct trecord_bill_line {
    int16_t flineno = 0;
    int32_t fbill_item = 0;
    std::u16string fbill_item1;
    int16_t fbill_qty_type = 0;
    int64_t fbill_qty_ratio = 0;
};

// The quantity types of a template line, in their order: 0 "Metered Qty" ... 3 "Days per
// Annum Qty".
inline constexpr int16_t bill_qty_type_count = 4;
// The caption of a quantity type; "??" for a type outside 0 ... 3.
std::u16string bill_qty_caption(int16_t abill_qty_type);

class Tdatamodule_bill_item {
public:
    static constexpr const char* class_name() { return "Tdatamodule_bill_item"; }

    // The bill items that are not deleted, by id.
    static std::vector<trecord_billitem> load_bill_items();
    // Every template, by id.
    static std::vector<trecord_cpinvoice> load_cpinvoices();
    // The lines of template aid, by line number.
    static std::vector<trecord_bill_line> load_bill_lines(int32_t aid);

    // The record by its key, cleared first; false when there is no such row.
    static bool get_bill_item(tdbrecord_bill_item2& arecord, int32_t aid);
    static bool get_cpinvoice(tdbrecord_cp_invoice2& arecord, int32_t aid);
    static bool get_cpinvoice_billitem(tdbrecord_cp_invoice_billitem2& arecord, int32_t aid, int16_t alineno);
};
