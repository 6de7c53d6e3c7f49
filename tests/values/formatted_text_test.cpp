#include "values/formatted_text.h"

#include <gtest/gtest.h>

#include "values/operate_rtti.h"
#include "values/params_generic.h"
#include "values/test_helpers.h"

TEST(ListRowText, FormattersReadFieldsOfAnInstanceThroughTheirOwner) {
    tparams_search_customer row;
    row.frow_start = -15;
    row.fsearch = u"Ng";
    toperate_rtti_class op(row.get_class());
    EXPECT_EQ(u"-15", tformatted_longint(op).get_text(row, 0));
    EXPECT_EQ(u"Ng", tformatted_unicodestring(op).get_text(row, 1));
    EXPECT_EQ("Type Mismatch [tparams_search_customer.search] in toperate_rtti_class.get_aslongint2();",
              message_of([&] { tformatted_longint(op).get_text(row, 1); }));
    // The owner has no value of its own.
    EXPECT_EQ("toperate_rtti_class.get_aslongint(); not implemented.", message_of([&] { tformatted_longint(op).get_text(); }));
}

TEST(ListRowText, BaseFormatterRaisesForEachForm) {
    tparams_null row;
    toperate_rtti_class op(row.get_class());
    tformatted_generic f(op);
    EXPECT_EQ("tformatted_generic.get_text(); not implemented.", message_of([&] { f.get_text(); }));
    EXPECT_EQ("tformatted_generic.get_text( aindex ); not implemented.", message_of([&] { f.get_text(0); }));
    EXPECT_EQ("tformatted_generic.get_text( ainstance; aindex ); not implemented.",
              message_of([&] { f.get_text(row, 0); }));
    EXPECT_EQ("toperate_rtti_class.get_id(); not implemented.", message_of([&] { op.get_id(); }));
    EXPECT_EQ("toperate_rtti_class.assign(); not implemented.", message_of([&] { op.assign(row, op, row); }));
}
