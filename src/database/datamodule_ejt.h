// The journaled-write module: runs one write and its dependent line writes in one transaction
// on the program's connection, rolled back as a whole on any error.
#pragma once

#include "database/datamodule_database_customers.h"
#include "database/ejt_generic.h"

class Tdatamodule_ejt : public tvelmor_object {
public:
    // The first module created is the program's, reached through instance().
    explicit Tdatamodule_ejt(Tdatamodule_database_customers& adatabase);
    ~Tdatamodule_ejt() override;
    const char* class_name() const override { return "Tdatamodule_ejt"; }
    static Tdatamodule_ejt& instance();

    void send_ejt_record(tejt_generic& aejt, tejt_list* alines_ejt);

    Tdatamodule_database_customers& fdatabase;
    tfb_query query_update_record;
};
