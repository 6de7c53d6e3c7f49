#include "values/datarecord.h"

#include <gtest/gtest.h>

#include <functional>

#include "values/datarecord3.h"
#include "values/test_helpers.h"

TEST(FirstGenerationRecord, TableRecordReadsAndWritesByIndexAndName) {
    tdbrecord_cp_unit unit;
    EXPECT_EQ(8, unit.count());
    unit.set_fieldbyname_asl("ID", 5);
    unit.set_field_asu(2, u"Shop 1");
    unit.set_fieldbyname_ass("meter_connection1", 3);
    EXPECT_EQ(5, unit.get_field_asl(0));
    EXPECT_EQ(u"Shop 1", unit.get_fieldbyname_asu("name"));
    EXPECT_EQ(3, unit.get_field_ass(4));
    EXPECT_FALSE(unit.get_is_field_assigned(3));
    EXPECT_EQ(dben_ft_smallint, unit.get_field_type(4));
    unit.clear();
    EXPECT_FALSE(unit.get_is_field_assigned(0));

    tdbrecord_job_hdr key(true);
    EXPECT_EQ(1, key.count());
}

TEST(FirstGenerationRecord, CurrencyFieldsReadAsCurrencyOrAsTheirRawInt64) {
    tdatarecord_table lines(dben_table_job_lns);
    lines.set_field_asm(6, tcurrency(25000));
    EXPECT_EQ(tcurrency(25000), lines.get_field_asm(6));
    EXPECT_EQ(25000, lines.get_field_asint64(6));
    tdatarecord_table bill(dben_table_bill_item);
    bill.set_field_asint64(5, 1050000000);
    EXPECT_EQ(1050000000, bill.get_field_asint64(5));
    EXPECT_EQ("Fieldtype mismatch in tdatarecord_table.get_field_asm( 5 );", message_of([&] { bill.get_field_asm(5); }));
}

TEST(FirstGenerationRecord, MismatchUnassignedAndUnknownNameMessages) {
    tdbrecord_cp_unit unit;
    struct tcase {
        const char* name;
        std::function<void()> call;
        const char* message;
    } cases[] = {
        {"smallint on longint", [&] { unit.get_field_ass(0); }, "Fieldtype mismatch in tdbrecord_cp_unit.get_field_ass( 0 );"},
        {"set boolean on text", [&] { unit.set_field_asb(2, true); }, "Fieldtype mismatch in tdbrecord_cp_unit.set_field_asb( 2 );"},
        {"index beyond the fields", [&] { unit.get_field_asl(8); }, "Fieldtype mismatch in tdbrecord_cp_unit.get_field_asl( 8 );"},
        {"unassigned read", [&] { unit.get_field_asl(0); }, "Read on unassigned field in tdbrecord_cp_unit.get_field_asl( 0 );"},
        {"unassigned text", [&] { unit.get_field_asu(2); }, "Read on unassigned field in tdbrecord_cp_unit.get_field_asu( 2 );"},
        {"unknown name", [&] { unit.get_fieldbyname_asb("x"); }, "Field [x] not found in tdbrecord_cp_unit.get_fieldbyname_asb();"},
        {"unknown name on write", [&] { unit.set_fieldbyname_asu("x", u""); }, "Field [x] not found in tdbrecord_cp_unit.set_fieldbyname_asu();"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.message, message_of(c.call));
    }
}

TEST(FirstGenerationRecord, ClassRecordTakesItsFieldsFromItsProperties) {
    tdbconstruct_job job;
    ASSERT_EQ(9, job.count());
    const char* names[] = {"id", "lineno", "account", "partno", "description", "notes", "qty", "line_total", "status"};
    tdben_fieldtype types[] = {dben_ft_longint,       dben_ft_smallint,      dben_ft_longint,
                               dben_ft_unicodestring, dben_ft_unicodestring, dben_ft_unicodestring,
                               dben_ft_longint,       dben_ft_currency1,     dben_ft_smallint};
    for (int32_t i = 0; i < 9; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(names[i], job.get_field_name(i));
        EXPECT_EQ(types[i], job.get_field_type(i));
    }
    const tclass_info& c = job.get_class();
    c.find_property("line_total")->set(job, tcurrency(99));
    c.find_property("lineno")->set(job, int64_t{4});
    EXPECT_EQ(tcurrency(99), job.get_field_asm(7));
    EXPECT_EQ(4, job.get_fieldbyname_ass("lineno"));
    EXPECT_FALSE(job.get_is_field_assigned(0));
    // Reflective views (field links) ask the record which fields hold a value.
    const ivalue_object& assigned = job;
    EXPECT_FALSE(assigned.get_field_is_assigned(0));
    EXPECT_TRUE(assigned.get_field_is_assigned(1));
}

namespace {
class tflagged : public tdatarecord_class {
public:
    static const tclass_info& static_class() {
        return describe_class<tflagged, tdatarecord_class>("tflagged", {prop<&tflagged::fflag>("flag")});
    }
    const tclass_info& get_class() const override { return static_class(); }
    bool fflag = false;
};
}  // namespace

TEST(FirstGenerationRecord, ClassRecordRefusesAPropertyTypeItCannotStore) {
    tflagged r;
    EXPECT_EQ("Unsupported field type boolean in tflagged.create();", message_of([&] { r.create(); }));
}

TEST(DataObject, ReadingLayoutIsPackedLittleEndianInPropertyOrder) {
    tdbdata_cpunit_reading d;
    EXPECT_EQ(24, d.size());
    std::string bytes(24, '\0');
    bytes[0] = 0x01;   // reading1_date = 0x00000201
    bytes[1] = 0x02;
    bytes[4] = 0x10;   // reading1 = 0x10
    bytes[12] = 0x7f;  // reading2_date = 0x7f
    bytes[16] = 0x00;  // reading2 = 0x0100
    bytes[17] = 0x01;
    bytes[23] = static_cast<char>(0x80);  // and its top byte: negative
    d.set_data_value(bytes);
    const tclass_info& c = d.get_class();
    EXPECT_EQ(0x201, c.find_property("reading1_date")->get_integer(d));
    EXPECT_EQ(0x10, c.find_property("reading1")->get_integer(d));
    EXPECT_EQ(0x7f, c.find_property("reading2_date")->get_integer(d));
    EXPECT_EQ(static_cast<int64_t>(0x8000000000000100ULL), d.get_asint64_1(3));
    EXPECT_EQ(bytes, d.get_data_value());
}

TEST(DataObject, WrongDataSizeIsRefusedAndChangesNothing) {
    tdbdata_cpunit_reading d;
    d.set_aslongint1(0, 730485);
    for (size_t size : {size_t{23}, size_t{25}, size_t{0}}) {
        SCOPED_TRACE(size);
        EXPECT_EQ("Invalid DataSize in tdbdata_cpunit_reading.set_data_value();",
                  message_of([&] { d.set_data_value(std::string(size, 'x')); }));
    }
    EXPECT_EQ(730485, d.get_aslongint1(0));
}

TEST(DataObject, FieldsAreAlwaysAssignedAndTypeChecked) {
    tdbdata_cpunit_reading d;
    EXPECT_TRUE(d.get_field_is_assigned(1));
    EXPECT_EQ(0, d.get_asint64_1(1));
    EXPECT_EQ(vt_int64, d.get_field_type(1));
    EXPECT_EQ("FieldType Mismatch[1] in tdbdata_cpunit_reading.get_aslongint1();", message_of([&] { d.get_aslongint1(1); }));
    EXPECT_EQ("FieldType Mismatch[0] in tdbdata_cpunit_reading.set_assmallint1();",
              message_of([&] { d.set_assmallint1(0, 1); }));
    EXPECT_EQ("FieldType Mismatch in tdbdata_cpunit_reading.set_asint64_1();", message_of([&] { d.set_asint64_1(0, 1); }));
}

TEST(DataObject, FactoryKnowsOnlyTheReadingKind) {
    std::unique_ptr<tdbdata_generic> d = tdbdata_database::create_dbdata(101);
    EXPECT_EQ(101, d->id());
    EXPECT_STREQ("tdbdata_cpunit_reading", d->class_name());
    EXPECT_EQ("DBData[102] Not Supported in tdbdata_database.create_dbdata();",
              message_of([] { tdbdata_database::create_dbdata(102); }));
}
