// Loads one operator (a person who uses the system) by key for the operators page.
#pragma once

#include <cstdint>

#include "database/fb_query.h"
#include "values/dbrecords2.h"

class Tdatamodule_database_customers;

class Tdatamodule_operator : public tvelmor_object {
public:
    explicit Tdatamodule_operator(Tdatamodule_database_customers& adatabase);
    const char* class_name() const override { return "Tdatamodule_operator"; }

    // Clears arecord and loads the operator aid into it; false when there is none.
    bool get_operator(tdbrecord_operator2& arecord, int32_t aid);

    Tdatamodule_database_customers& fdatabase;
    // Read-only and read-committed, kept open: a load pays no commit and sees every write
    // committed before it.
    tfb_transaction transaction_read;
    tfb_query query_get_operator;
};
