// The journaled-write module: runs one write and its dependent line writes in one transaction
// on the program's connection, rolled back as a whole on any error.
#pragma once

#include "database/datamodule_database_customers.h"
#include "database/ejt_generic.h"

class Tdatamodule_ejt : public tvelmor_object {
public:
    explicit Tdatamodule_ejt(Tdatamodule_database_customers& adatabase)
        : fdatabase(adatabase), query_update_record(adatabase.database_customers, adatabase.Transaction1) {}
    const char* class_name() const override { return "Tdatamodule_ejt"; }

    void send_ejt_record(tejt_generic& aejt, tejt_list* alines_ejt);

    Tdatamodule_database_customers& fdatabase;
    tfb_query query_update_record;
};
