#include "values/values_simple.h"

#include <gtest/gtest.h>

#include <functional>

#include "procs/procs_daycount.h"
#include "values/test_helpers.h"

TEST(TypedValues, UnimplementedOperationsNameTheClassAndOperation) {
    tvalue_longint v;
    treflected_object other;
    struct tcase {
        const char* name;
        std::function<void()> call;
        const char* message;
    } cases[] = {
        {"field count", [&] { v.field_count(); }, "tvalue_longint.get_field_count(); not implemented."},
        {"field index", [&] { int32_t i; v.get_field_index(i, "x"); }, "tvalue_longint.get_field_index(); not implemented."},
        {"by index", [&] { v.get_aslongint1(0); }, "tvalue_longint.get_aslongint1(); not implemented."},
        {"by instance", [&] { v.set_assmallint2(other, 0, 1); }, "tvalue_longint.set_assmallint2(); not implemented."},
        {"int64", [&] { v.get_asint64_1(0); }, "tvalue_longint.get_asint64_1(); not implemented."},
        {"wide text by index, so spelled", [&] { v.get_asunicodestring1(0); },
         "tvalue_longint.get_asunicodestrin1(); not implemented."},
        {"wide text setter by index", [&] { v.set_asunicodestring1(0, u""); },
         "tvalue_longint.set_asunicodestring1(); not implemented."},
        {"8-bit text of an instance", [&] { v.get_asansistring(other, 1); },
         "tvalue_longint.get_asansistring(); not implemented."},
        {"8-bit text setter", [&] { v.set_asansistring(1, "a"); }, "tvalue_longint.set_asansistring(); not implemented."},
        {"own currency", [&] { v.get_ascurrency(); }, "tvalue_longint.get_ascurrency(); not implemented."},
        {"object", [&] { v.set_asobject(nullptr); }, "tvalue_longint.set_asobject(); not implemented."},
        {"by name goes through the index lookup", [&] { v.get_aslongint3("x"); },
         "tvalue_longint.get_field_index(); not implemented."},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.message, message_of(c.call));
    }
}

TEST(TypedValues, OwnValuesAndTheirTexts) {
    tvalue_longint l(-42);
    EXPECT_EQ(u"-42", l.get_asunicodestring());
    tvalue_currency c(tcurrency(5000));
    EXPECT_EQ(u"0.5", c.get_asunicodestring());
    tvalue_formatted_currency f(tcurrency(12345670000), 2, {ff_commas}, true);
    EXPECT_EQ(u"$1,234,567.00", f.get_asunicodestring());
    tvalue_formatted_currency plain(tcurrency(-50000), 2);
    EXPECT_EQ(u"-5.00", plain.get_asunicodestring());
    tvalue_formatted_daycount d(tprocs_daycount::encode(2026, 12, 8), u"DDD D MMM YYYY");
    EXPECT_EQ(u"Tue 8 Dec 2026", d.get_asunicodestring());
    EXPECT_STREQ("tvalue_formatted_daycount", d.class_name());
}

TEST(TypedValues, ValidatedCurrencyEditsItselfThroughItsValidator) {
    tvalue_validated_currency v(tcurrency(10000));
    bool changed = false;
    ASSERT_NE(nullptr, v.validator());
    EXPECT_TRUE(v.validator()->validate_value(changed, u"2.5"));
    EXPECT_EQ(tcurrency(25000), v.get_ascurrency());
    EXPECT_EQ(u"$2.50", v.validator()->get_text(false));
}

TEST(TypedValues, ArrayOwnsItsValuesAndChecksIndexes) {
    tvalue_array a(2);
    EXPECT_EQ(2, a.count());
    EXPECT_EQ(nullptr, a.get_value(1));
    a.set_value(1, std::make_unique<tvalue_longint>(7));
    a.set_value(1, std::make_unique<tvalue_longint>(8));  // the first is freed
    EXPECT_EQ(8, a.get_value(1)->get_aslongint());
    EXPECT_EQ("Index out of range in tvalue_array.get_value( 2 );", message_of([&] { a.get_value(2); }));
    EXPECT_EQ("Index out of range in tvalue_array.get_value( -1 );", message_of([&] { a.get_value(-1); }));
}
