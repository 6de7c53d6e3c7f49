#include "values/datarecord2.h"

#include <gtest/gtest.h>

#include <functional>

#include "values/dbrecords2.h"
#include "values/procs_datarecord2.h"
#include "values/test_helpers.h"

// Field indexes of the contact table used below.
constexpr int32_t contact_id = 0, contact_first_name = 1, contact_sourceno = 5, contact_deleted = 11;

TEST(DataRecord, CreatedFromTheCatalogueWithAllFieldsUnassigned) {
    tdbrecord_contact2 r;
    EXPECT_EQ(12, r.get_field_count());
    EXPECT_EQ(1, r.count_pkfields());
    EXPECT_EQ("first_name", r.get_field_name(contact_first_name));
    EXPECT_EQ(vt_smallint, r.get_field_type(contact_sourceno));
    for (int32_t i = 0; i < r.get_field_count(); ++i) EXPECT_FALSE(r.get_field_is_assigned(i));
    EXPECT_STREQ("tdbrecord_contact2", r.class_name());
}

TEST(DataRecord, KeyOnlyRecordHoldsTheLeadingKeyFields) {
    tdbrecord_table2<dben_table_job_lns> r(true);
    ASSERT_EQ(2, r.get_field_count());
    EXPECT_EQ("job", r.get_field_name(0));
    EXPECT_EQ("lineno", r.get_field_name(1));
    EXPECT_EQ(vt_smallint, r.get_field_type(1));
}

TEST(DataRecord, CatalogueTypesMapToFieldTypesAndDomains) {
    tdbrecord_bill_item2 bill;
    EXPECT_EQ(vt_int64, bill.get_field_type(5));  // price, eight decimals
    EXPECT_EQ(101, bill.get_field_domain(5));
    EXPECT_EQ(0, bill.get_field_domain(0));
    tdbrecord_plu2 plu;
    EXPECT_EQ(vt_currency, plu.get_field_type(12));
    tdbrecord_invoice_data2 data;
    EXPECT_EQ(vt_object, data.get_field_type(3));
    tdbrecord_invoice_billitem2 lines;
    EXPECT_EQ(vt_double, lines.get_field_type(4));
}

TEST(DataRecord, FieldIndexByNameIgnoresCase) {
    tdbrecord_account2 r;
    int32_t index = -1;
    EXPECT_TRUE(r.get_field_index(index, "ID"));
    EXPECT_EQ(0, index);
    EXPECT_TRUE(r.get_field_index(index, "Street2"));
    EXPECT_EQ(10, index);
    EXPECT_FALSE(r.get_field_index(index, "nosuch"));
    EXPECT_EQ("FieldNotFound[nosuch] in tdbrecord_account2.get_field_index1();",
              message_of([&] { r.get_asboolean3("nosuch"); }));
}

TEST(DataRecord, WritesAndReadsEveryTypeByIndexAndByName) {
    tdbrecord_contact2 r;
    r.set_aslongint3("id", 42);
    r.set_asunicodestring1(contact_first_name, u"Zoë");
    r.set_assmallint1(contact_sourceno, -3);
    r.set_asboolean3("DELETED", true);
    EXPECT_EQ(42, r.get_aslongint1(contact_id));
    EXPECT_EQ(u"Zoë", r.get_asunicodestring3("first_name"));
    EXPECT_EQ(-3, r.get_assmallint3("sourceno"));
    EXPECT_TRUE(r.get_asboolean1(contact_deleted));
    EXPECT_FALSE(r.get_field_is_assigned(2));

    tdbrecord_invoice_billitem2 line;
    line.set_asint64_1(3, 1050000000);
    line.set_asdouble1(4, 2.5);
    EXPECT_EQ(1050000000, line.get_asint64_1(3));
    EXPECT_EQ(2.5, line.get_asdouble1(4));
    tdbrecord_table2<dben_table_invoice> invoice;
    invoice.set_ascurrency1(3, tcurrency(12345));
    EXPECT_EQ(tcurrency(12345), invoice.get_ascurrency1(3));
}

TEST(DataRecord, WrongTypeAndUnassignedReadsRaiseTheirMessages) {
    tdbrecord_contact2 r;          // id longint, first_name text, sourceno smallint, deleted boolean
    tdbrecord_invoice_billitem2 l;  // line_total int64, qty_units double
    tdbrecord_invoice_data2 d;      // rec_data object
    tdbrecord_table2<dben_table_invoice> inv;         // total currency
    struct tcase {
        const char* name;
        std::function<void()> call;
        const char* message;
    } cases[] = {
        {"smallint on longint", [&] { r.get_assmallint1(0); }, "FieldType Mismatch[0] in tdbrecord_contact2.get_assmallint1();"},
        {"set smallint on longint", [&] { r.set_assmallint1(0, 1); }, "FieldType Mismatch[0] in tdbrecord_contact2.set_assmallint1();"},
        {"longint on text", [&] { r.get_aslongint1(1); }, "FieldType Mismatch[1] in tdbrecord_contact2.get_aslongint1();"},
        {"set longint on text", [&] { r.set_aslongint1(1, 1); }, "FieldType Mismatch[1] in tdbrecord_contact2.set_aslongint1();"},
        {"text on longint", [&] { r.get_asunicodestring1(0); }, "FieldType Mismatch[0] in tdbrecord_contact2.get_asunicodestring1();"},
        {"set text on longint", [&] { r.set_asunicodestring1(0, u""); }, "FieldType Mismatch[0] in tdbrecord_contact2.set_asunicodestring1();"},
        {"object on longint", [&] { r.get_asobject1(0); }, "FieldType Mismatch[0] in tdbrecord_contact2.get_asobject1();"},
        {"set object on longint", [&] { r.set_asobject1(0, nullptr); }, "FieldType Mismatch[0] in tdbrecord_contact2.set_asobject1();"},
        {"boolean on longint", [&] { r.get_asboolean1(0); }, "FieldType Mismatch in tdbrecord_contact2.get_asboolean1();"},
        {"set boolean on longint", [&] { r.set_asboolean1(0, true); }, "FieldType Mismatch in tdbrecord_contact2.set_asboolean1();"},
        {"double on longint", [&] { r.get_asdouble1(0); }, "FieldType Mismatch in tdbrecord_contact2.get_asdouble1();"},
        {"set double on longint", [&] { r.set_asdouble1(0, 1); }, "FieldType Mismatch in tdbrecord_contact2.set_asdouble1();"},
        {"int64 on longint", [&] { r.get_asint64_1(0); }, "FieldType Mismatch in tdbrecord_contact2.get_asint64_1();"},
        {"set int64 on longint", [&] { r.set_asint64_1(0, 1); }, "FieldType Mismatch in tdbrecord_contact2.set_asint64_1();"},
        {"currency on longint", [&] { r.get_ascurrency1(0); }, "FieldType Mismatch in tdbrecord_contact2.get_ascurrency1();"},
        {"unassigned smallint", [&] { r.get_assmallint1(5); }, "Read On UnAssigned Field[5] in tdbrecord_contact2.get_assmallint1();"},
        {"unassigned longint", [&] { r.get_aslongint1(0); }, "Read On UnAssigned Field[0] in tdbrecord_contact2.get_aslongint1();"},
        {"unassigned text", [&] { r.get_asunicodestring1(1); }, "Read On UnAssigned Field[1] in tdbrecord_contact2.get_asunicodestring1();"},
        {"unassigned boolean", [&] { r.get_asboolean1(11); }, "Read UnAssigned FieldNo[11] tdbrecord_contact2.get_asboolean1();"},
        {"unassigned int64", [&] { l.get_asint64_1(3); }, "Read On UnAssigned Field[3] in tdbrecord_invoice_billitem2.get_asint64_1();"},
        {"unassigned double", [&] { l.get_asdouble1(4); }, "Read On UnAssigned Field[4] in tdbrecord_invoice_billitem2.get_asdouble1();"},
        {"unassigned object", [&] { d.get_asobject1(3); }, "Read On UnAssigned Field[3] in tdbrecord_invoice_data2.get_asobject1();"},
        {"unassigned currency", [&] { inv.get_ascurrency1(3); }, "Read On UnAssigned Field[3] in tdbrecord_invoice2.get_ascurrency1();"},
        {"index beyond the fields", [&] { r.get_aslongint1(12); }, "OutOfRange Index[12] in tdbrecord_contact2.get_aslongint1();"},
        {"ansi text not offered", [&] { r.get_asansistring(1); }, "tdbrecord_contact2.get_asansistring(); not implemented."},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.message, message_of(c.call));
    }
    for (int32_t i = 0; i < r.get_field_count(); ++i) EXPECT_FALSE(r.get_field_is_assigned(i));
}

TEST(DataRecord, SecondWriteReusesTheFieldsSlot) {
    tdbrecord_contact2 r;
    r.set_aslongint1(contact_id, 1);
    r.set_asunicodestring1(contact_first_name, u"Ann");
    int32_t used = r.field_values().count();
    r.set_aslongint1(contact_id, 2);
    r.set_asunicodestring1(contact_first_name, u"A much longer first name than before");
    EXPECT_EQ(used, r.field_values().count());
    EXPECT_EQ(2, r.get_aslongint1(contact_id));
    EXPECT_EQ(u"A much longer first name than before", r.get_asunicodestring1(contact_first_name));
}

TEST(DataRecord, EmptyTextIsAssignedAndReadsBackEmpty) {
    tdbrecord_contact2 r;
    r.set_asunicodestring1(contact_first_name, u"");
    EXPECT_TRUE(r.get_field_is_assigned(contact_first_name));
    EXPECT_EQ(u"", r.get_asunicodestring1(contact_first_name));
    r.set_asunicodestring1(contact_first_name, u"x");
    r.set_asunicodestring1(contact_first_name, u"");
    EXPECT_EQ(u"", r.get_asunicodestring1(contact_first_name));
}

TEST(DataRecord, ClearMakesEveryFieldUnassignedAndEmptiesTheBuffer) {
    tdbrecord_contact2 r;
    r.set_aslongint1(contact_id, 1);
    r.set_asunicodestring1(contact_first_name, u"Ann");
    r.clear();
    EXPECT_FALSE(r.get_field_is_assigned(contact_id));
    EXPECT_FALSE(r.get_field_is_assigned(contact_first_name));
    EXPECT_EQ(0, r.field_values().count());
}

TEST(DataRecord, BaseDatabaseRecordCannotCreateItsFields) {
    tdbrecord_generic2 r;
    EXPECT_EQ("tdbrecord_generic2.create(); not implemented", message_of([&] { r.create(false); }));
}
