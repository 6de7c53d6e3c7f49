#include "values/dben_catalogue.h"

#include <gtest/gtest.h>

#include "values/dbrecords2.h"
#include "values/procs_database.h"
#include "values/register_values.h"

TEST(SchemaCatalogue, TablesHaveTheirNamesKeyCountsAndFieldCounts) {
    struct tcase {
        tdben_table table;
        const char* name;
        int16_t keys;
        int16_t fields;
    } cases[] = {
        {dben_table_account, "account", 1, 14},
        {dben_table_contact, "contact", 1, 12},
        {dben_table_plu, "plu", 1, 14},
        {dben_table_word_hdr, "word_hdr", 1, 2},
        {dben_table_word_lns, "word_lns", 3, 3},
        {dben_table_operator, "operator", 1, 6},
        {dben_table_job_hdr, "job_hdr", 1, 3},
        {dben_table_job_lns, "job_lns", 2, 8},
        {dben_table_cp_site, "cp_site", 1, 6},
        {dben_table_cp_unit, "cp_unit", 1, 8},
        {dben_table_bill_item, "bill_item", 1, 9},
        {dben_table_cp_unit_reading, "cp_unit_reading", 3, 6},
        {dben_table_cp_invoice, "cp_invoice", 1, 4},
        {dben_table_cp_invoice_billitem, "cp_invoice_billitem", 2, 5},
        {dben_table_invoice, "invoice", 1, 5},
        {dben_table_invoice_billitem, "invoice_billitem", 2, 7},
        {dben_table_invoice_data, "invoice_data", 2, 4},
    };
    ASSERT_EQ(dben_table_count, static_cast<int>(std::size(cases)));
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        const tdben_table_info& t = dben_table_info(c.table);
        EXPECT_STREQ(c.name, t.fname);
        EXPECT_EQ(c.keys, t.fcount_pkfields);
        EXPECT_EQ(c.fields, t.count());
    }
}

TEST(SchemaCatalogue, DayCountColumnsAreMarked) {
    int marked = 0;
    for (int t = 0; t < dben_table_count; ++t) {
        for (const tdben_field& f : dben_table_info(static_cast<tdben_table>(t)).ffields) {
            if (!f.fis_daycount) continue;
            ++marked;
            EXPECT_EQ(dben_ft_longint, f.ftype) << f.fname;
        }
    }
    EXPECT_EQ(3, marked);  // operator.date_of_birth, cp_unit_reading.date_read, invoice.date1
    EXPECT_TRUE(dben_table_info(dben_table_invoice).ffields[1].fis_daycount);
}

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
