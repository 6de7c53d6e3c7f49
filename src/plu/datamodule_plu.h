// Loads one PLU item by key for the PLU editor.
#pragma once

#include <cstdint>

#include "database/fb_query.h"
#include "values/dbrecords2.h"

class Tdatamodule_database_customers;

class Tdatamodule_plu : public tvelmor_object {
public:
    explicit Tdatamodule_plu(Tdatamodule_database_customers& adatabase);
    const char* class_name() const override { return "Tdatamodule_plu"; }

    // False (the record left cleared) when no PLU has the key.
    bool get_plu(tdbrecord_plu2& arecord, int32_t aid);

    Tdatamodule_database_customers& fdatabase;
    // Read-only and read-committed, kept open: a load pays no commit and sees every write
    // committed before it.
    tfb_transaction transaction_read;
    tfb_query query_get_plu;
};
