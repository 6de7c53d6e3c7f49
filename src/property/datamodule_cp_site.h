// Sites and units of the commercial-property pages: loads by key, the lookups the pages show,
// adding a site picture, and the billable quantities of a unit that invoicing reads.
#pragma once

#include <cstdint>
#include <string>

#include "containers/list_flat.h"
#include "database/fb_database.h"
#include "database/fb_query.h"
#include "property/records_cp_site.h"
#include "values/dbrecords2.h"

class Tdatamodule_database_customers;
class Thandlermodule_generic;
class tdatarecord2;

class Tdatamodule_cp_site : public tvelmor_object {
public:
    explicit Tdatamodule_cp_site(Tdatamodule_database_customers& adatabase);
    const char* class_name() const override { return "Tdatamodule_cp_site"; }

    // Lookups by key for the pages' labels; an unknown key gives an empty text.
    static std::u16string lookup_account_name(int32_t aid);
    static std::u16string lookup_bill_item_code(int32_t aid);
    // The site's non-empty address lines joined by ", ".
    static std::u16string lookup_site_address(int32_t aid);

    // Loads by key into a cleared record (every column); false when there is no such row.
    bool get_cp_site(tdbrecord_cp_site2& arecord, int32_t aid);
    bool get_cp_unit(tdbrecord_cp_unit2& arecord, int32_t aid);
    // The unit's bill lines with their items' codes, appended to alist.
    void get_cp_unit_bill_lines(tlist_flat<trecord_cp_bill_line>& alist, int32_t aid_unit);
    // Checks that the file is a JPEG that can be shown, takes a new picture number and copies
    // the file to that number's name in the picture folder (made when missing; an existing file
    // is never replaced). Returns the number.
    uint16_t add_pic(const std::string& afilename_pic);

    // Runs the billable-quantity statement for the unit and hands each row to
    // ahandlermodule.load_data(query, atag, arecord); raises on a row whose error is set.
    // (Defined in datamodule_cp_site_billable.cpp.)
    void load_unit_billable_qtys(Thandlermodule_generic& ahandlermodule, int32_t atag, int32_t aid_unit,
                                 tdatarecord2* arecord);

    Tdatamodule_database_customers& fdatabase;
    // The loads read in a read-only transaction kept for the module's life; the picture number
    // is taken in a short read-write transaction of its own.
    tfb_transaction transaction_read;
    tfb_transaction transaction_pic;
    tfb_query query_get_cp_site;
    tfb_query query_get_cp_unit;
    tfb_query query_get_cp_unit_bill_lines;
    tfb_query query_add_pic;
};
