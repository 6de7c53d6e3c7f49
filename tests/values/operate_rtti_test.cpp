#include <gtest/gtest.h>

#include <functional>

#include "values/dbrecords2.h"
#include "values/operate_rtti.h"
#include "values/operate_rtti2.h"
#include "values/params_generic.h"
#include "values/test_helpers.h"

namespace {

// A reflected class with a narrowed range on each integer property.
enum class tcolour { cl_red, cl_green };
constexpr const char* colour_names[] = {"cl_red", "cl_green"};

class tmeter : public treflected_object {
public:
    static const tclass_info& static_class() {
        return describe_class<tmeter, treflected_object>(
            "tmeter", {prop<&tmeter::fdial>("dial").range(0, 9999), prop<&tmeter::fdigits>("digits").range(1, 8),
                       prop<&tmeter::fname>("name"), prop<&tmeter::fcolour>("colour"),
                       prop<&tmeter::fcode>("code"), prop<&tmeter::fratio>("ratio").def(101)});
    }
    const tclass_info& get_class() const override { return static_class(); }
    int32_t fdial = 0;
    int16_t fdigits = 0;
    std::u16string fname;
    double fcolour = 0;  // a double, to show its field type
    std::string fcode;
    int64_t fratio = 0;
};

class tmeter_assigned : public ivalue_object {
public:
    bool get_field_is_assigned(int32_t aindex) const override { return aindex != 2; }
};

}  // namespace

TEST(ReflectiveAccess, PropertiesBecomeFieldsWithTypesAndDomains) {
    toperate_rtti_class2 op(tdbrecord_bill_item2::static_class());
    ASSERT_EQ(9, op.get_field_count());
    EXPECT_EQ("price", op.get_field_name(5));
    EXPECT_EQ(vt_int64, op.get_field_type(5));
    EXPECT_EQ(101, op.get_field_domain(5));
    EXPECT_EQ(0, op.get_field_domain(1));
    EXPECT_EQ(vt_boolean, op.get_field_type(8));
    toperate_rtti_class2 line(tdbrecord_cp_invoice_billitem2::static_class());
    EXPECT_EQ(101, line.get_field_domain(4));
    toperate_rtti_class2 data(tdbrecord_invoice_data2::static_class());
    EXPECT_EQ(vt_object, data.get_field_type(3));
    EXPECT_EQ(34, data.get_field_domain(3));  // the data object's id is in field 2, rec_id
    int32_t index = -1;
    EXPECT_TRUE(op.get_field_index(index, "DESCRIPTION"));
    EXPECT_EQ(2, index);
}

TEST(ReflectiveAccess, ReadsAndWritesAnInstanceThroughItsProperties) {
    tdbrecord_cp_unit_reading2 reading;
    toperate_rtti_class2 op(reading.get_class());
    op.set_aslongint2(reading, 0, 17);
    op.set_assmallint2(reading, 1, 2);
    op.set_asint64_2(reading, 4, 123456789012);
    op.set_asboolean2(reading, 5, true);
    EXPECT_EQ(17, reading.get_aslongint1(0));
    EXPECT_EQ(2, op.get_assmallint2(reading, 1));
    EXPECT_EQ(123456789012, op.get_asint64_2(reading, 4));
    EXPECT_TRUE(op.get_asboolean2(reading, 5));
    EXPECT_EQ("Read On UnAssigned Field[3] in tdbrecord_cp_unit_reading2.get_aslongint1();",
              message_of([&] { op.get_aslongint2(reading, 3); }));

    tparams_search_customer params;
    toperate_rtti_class first(params.get_class());
    first.set_asunicodestring2(params, 1, u"ab");
    EXPECT_EQ(u"ab", params.fsearch);
    EXPECT_EQ(tproperty_kind::pk_longint, first.get_property_kind(0));
}

TEST(ReflectiveAccess, BoundInstanceAnswersByIndexAndAsksForAssignedState) {
    tmeter m;
    tmeter_assigned assigned;
    toperate_rtti_object2 op(m, &assigned);
    op.set_aslongint1(0, 12);
    op.set_asunicodestring1(2, u"water");
    op.set_asansistring(4, "W1");
    EXPECT_EQ(12, m.fdial);
    EXPECT_EQ(u"water", op.get_asunicodestring1(2));
    EXPECT_EQ("W1", op.get_asansistring(4));
    EXPECT_TRUE(op.get_field_is_assigned(0));
    EXPECT_FALSE(op.get_field_is_assigned(2));
    toperate_rtti_object2 plain(m);
    EXPECT_TRUE(plain.get_field_is_assigned(2));
    EXPECT_EQ(vt_double, plain.get_field_type(3));
    EXPECT_EQ(vt_ansistring, plain.get_field_type(4));

    // A data record answers for itself.
    tdbrecord_invoice_data2 data;
    data.set_aslongint1(2, 101);
    toperate_rtti_object2 over_record(data, &data);
    EXPECT_TRUE(over_record.get_field_is_assigned(2));
    EXPECT_FALSE(over_record.get_field_is_assigned(3));
}

TEST(ReflectiveAccess, RangeIndexTypeAndClassErrors) {
    tmeter m;
    tdbrecord_account2 account;
    toperate_rtti_class2 op(tmeter::static_class());
    toperate_rtti_object2 bound(m);
    toperate_rtti_class first(tmeter::static_class());
    toperate_rtti_class2 by_params(tparams_null::static_class());
    struct tcase {
        const char* name;
        std::function<void()> call;
        const char* message;
    } cases[] = {
        {"index beyond the properties", [&] { op.get_aslongint2(m, 6); }, "OutOfRange Index[6] in toperate_rtti_class2.get_aslongint2();"},
        {"negative index", [&] { op.get_field_name(-1); }, "OutOfRange Index[-1] in toperate_rtti_class2.get_field_name();"},
        {"bound index", [&] { bound.get_assmallint1(9); }, "OutOfRange Index[9] in toperate_rtti_object2.get_assmallint1();"},
        {"first generation index", [&] { first.get_field_name(6); }, "OutOfRange Index[6] in toperate_rtti_class.get_field_name();"},
        {"another type", [&] { op.get_aslongint2(m, 1); }, "Type Mismatch [tmeter.digits] in toperate_rtti_class2.get_aslongint2();"},
        {"another type on write", [&] { op.set_asunicodestring2(m, 0, u""); }, "Type Mismatch [tmeter.dial] in toperate_rtti_class2.set_asunicodestring2();"},
        {"32-bit write above the range", [&] { op.set_aslongint2(m, 0, 10000); }, "OutOfRange Longint Value [tmeter.dial] toperate_rtti_class2.get_aslongint2();"},
        {"32-bit write below the range", [&] { bound.set_aslongint1(0, -1); }, "OutOfRange Longint Value [tmeter.dial] toperate_rtti_object2.get_aslongint1();"},
        {"16-bit write outside the range", [&] { bound.set_assmallint1(1, 9); }, "OutOfRange Smallint Value [tmeter.digits] toperate_rtti_object2.set_assmallint1();"},
        {"instance of another class", [&] { op.get_aslongint2(account, 0); }, "Class Mismatch [tdbrecord_account2] in toperate_rtti_class2.get_aslongint2();"},
        {"unimplemented in the base", [&] { by_params.get_aslongint(); }, "toperate_rtti_class2.get_aslongint(); not implemented."},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.message, message_of(c.call));
    }
    EXPECT_EQ(0, m.fdial);
    EXPECT_EQ(0, m.fdigits);
}

TEST(ReflectiveAccess, EnumerationPropertyHasNoFieldType) {
    struct tlamp : treflected_object {
        static const tclass_info& static_class() {
            return describe_class<tlamp, treflected_object>("tlamp", {prop_enum<&tlamp::fcolour>("colour", colour_names)});
        }
        const tclass_info& get_class() const override { return static_class(); }
        tcolour fcolour = tcolour::cl_red;
    };
    toperate_rtti_class2 op(tlamp::static_class());
    EXPECT_EQ("UnSupported FieldType[enumeration] in toperate_rtti_class2.get_field_type();",
              message_of([&] { op.get_field_type(0); }));
}
