// Sites and units of the commercial-property pages: loads by key, the lookups the pages show,
// adding a site picture, and the billable quantities of a unit that invoicing reads.
#pragma once

#include <cstdint>
#include <string>

#include "database/fb_query.h"
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

    // Runs the billable-quantity statement for the unit and hands each row to
    // ahandlermodule.load_data(query, atag, arecord); raises on a row whose error is set.
    // (Defined in datamodule_cp_site_billable.cpp.)
    void load_unit_billable_qtys(Thandlermodule_generic& ahandlermodule, int32_t atag, int32_t aid_unit,
                                 tdatarecord2* arecord);

    Tdatamodule_database_customers& fdatabase;
};
