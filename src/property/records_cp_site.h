// The light row records of the site pages: one line of the site lists and one bill line of a
// unit, filled from result rows by column name.
#pragma once

#include <cstdint>
#include <string>

#include "containers/list_flat.h"
#include "values/property_table.h"

class trecord_cpsite : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    int32_t fid = 0;
    std::u16string faddress1;
    std::u16string faddress2;
    std::u16string faddress3;
    std::u16string faddress4;

    // The non-empty address lines joined by ", ".
    std::u16string address() const;
};

// What the site lists show: in the header row "Id" and "Address", in a line the site's id and
// its address; nothing outside them.
std::u16string site_list_cell(const tlist_flat<trecord_cpsite>& alist, bool as_header, int32_t arow, int32_t acol);

// A unit's bill line with the code of its bill item (bill_item1); the ratio has eight decimals
// (its declared default 101 is the loaders' domain of eight-decimal amounts).
class trecord_cp_bill_line : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    int16_t fbill_type = 0;
    int16_t fbill_lineno = 0;
    int16_t fbill_qty_type = 0;
    int64_t fbill_qty_ratio = 0;
    int32_t fbill_item = 0;
    std::u16string fbill_item1;
};
