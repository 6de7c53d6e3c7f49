// What the records make of the schema catalogue (the catalogue itself is held against the shipped
// database's system tables in tests/database/catalogue_schema_test.cpp).
#include "values/dben_catalogue.h"

#include <gtest/gtest.h>

#include "values/dbrecords2.h"
#include "values/procs_database.h"
#include "values/register_values.h"

TEST(SchemaCatalogue, FieldListJoinsEveryFieldName) {
    tdbrecord_cp_invoice2 invoice;
    EXPECT_EQ("id, name, supplier, is_gst_inclusive", tprocs_database::get_record_fieldlist(invoice));
    tdbrecord_table2<dben_table_job_lns> key(true);
    EXPECT_EQ("job, lineno", tprocs_database::get_record_fieldlist(key));
}

TEST(SchemaCatalogue, RecordClassesAreRegisteredByName) {
    tclass_registry r;
    register_values_classes(r);
    for (const char* name : {"tdbrecord_account2", "tdbrecord_invoice_data2", "tparams_edit_cpunit", "tdbconstruct_job",
                             "tdbdata_cpunit_reading"}) {
        SCOPED_TRACE(name);
        ASSERT_NE(nullptr, r.find(name));
        EXPECT_TRUE(r.get(name).can_create());
    }
    std::unique_ptr<treflected_object> plu = r.get("tdbrecord_plu2").create();
    EXPECT_EQ(14, static_cast<tdbrecord_plu2&>(*plu).get_field_count());
}
