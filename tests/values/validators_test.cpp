#include "values/validators.h"

#include <gtest/gtest.h>

#include "procs/procs_daycount.h"
#include "values/test_helpers.h"
#include "values/values_simple.h"

namespace {

// A value holding one int64 of its own, for the int64 and decimal validators.
class tvalue_int64_test : public tvalue_generic2 {
public:
    int64_t get_asint64() const override { return fvalue; }
    void set_asint64(int64_t avalue) override {
        fvalue = avalue;
        ++fwrites;
    }
    int64_t fvalue = 0;
    int fwrites = 0;
};

int32_t day(uint16_t ay, uint16_t am, uint16_t ad) { return tprocs_daycount::encode(ay, am, ad); }

}  // namespace

TEST(Validators, CurrencyRefusesASecondPointUntilTheFirstIsDeleted) {
    tvalue_currency v;
    tvalidator_currency val(v);
    EXPECT_EQ(-1, val.digits_after_dp());
    EXPECT_TRUE(val.can_accept_character(u'1'));
    EXPECT_TRUE(val.can_accept_character(u'.'));
    EXPECT_FALSE(val.can_accept_character(u'.'));
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(val.can_accept_character(u'5'));  // no limit after the point
    EXPECT_EQ(6, val.digits_after_dp());
    for (int i = 0; i < 6; ++i) val.delete_last(u'5');
    val.delete_last(u'.');
    EXPECT_EQ(-1, val.digits_after_dp());
    EXPECT_TRUE(val.can_accept_character(u'.'));
    EXPECT_FALSE(val.can_accept_character(u'-'));
    EXPECT_FALSE(val.can_accept_character(u'a'));
    val.clear();
    EXPECT_EQ(-1, val.digits_after_dp());
}

TEST(Validators, AcceptedCharactersPerKind) {
    tvalue_longint l;
    tvalue_unicodestring u;
    tvalue_int64_test i;
    tvalidator_longint vl(l);
    tvalidator_int64 vi(i);
    tvalidator_unicodestring vu(u);
    tvalidator_date vd(l);
    tvalidator_decimal vdec(i, 18, 8);
    struct tcase {
        const char* name;
        tvalidator_generic& validator;
        const char16_t* accepted;
        const char16_t* refused;
    } cases[] = {
        {"longint", vl, u"0123456789", u"-./a "},
        {"int64", vi, u"0123456789", u"-./a "},
        {"unicodestring", vu, u"a -./Z9é", u""},
        {"date", vd, u"0123456789/", u"-.a "},
        {"decimal", vdec, u"0123456789..", u"-/a ,"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char16_t* p = c.accepted; *p; ++p) EXPECT_TRUE(c.validator.can_accept_character(*p));
        for (const char16_t* p = c.refused; *p; ++p) EXPECT_FALSE(c.validator.can_accept_character(*p));
    }
}

TEST(Validators, ValidateSetsTheOwnerOnlyWhenTheValueChanges) {
    tvalue_currency c(tcurrency(12345000));
    tvalidator_currency vc(c);
    bool changed = true;
    EXPECT_TRUE(vc.validate_value(changed, u"1,234.5"));
    EXPECT_FALSE(changed);
    EXPECT_TRUE(vc.validate_value(changed, u"1234.56789"));
    EXPECT_TRUE(changed);
    EXPECT_EQ(tcurrency(12345679), c.fvalue);
    EXPECT_FALSE(vc.validate_value(changed, u"12,34"));
    EXPECT_FALSE(changed);
    EXPECT_EQ(tcurrency(12345679), c.fvalue);

    tvalue_unicodestring u(u"abc");
    tvalidator_unicodestring vu(u);
    EXPECT_TRUE(vu.validate_value(changed, u"abc"));
    EXPECT_FALSE(changed);
    EXPECT_TRUE(vu.validate_value(changed, u"ABC"));
    EXPECT_TRUE(changed);
    EXPECT_EQ(u"ABC", u.fvalue);

    tvalue_longint l(5);
    tvalidator_longint vl(l);
    EXPECT_FALSE(vl.validate_value(changed, u""));
    EXPECT_FALSE(vl.validate_value(changed, u"99999999999"));
    EXPECT_TRUE(vl.validate_value(changed, u"17"));
    EXPECT_EQ(17, l.fvalue);
}

TEST(Validators, DecimalHonoursPrecisionAndScale) {
    tvalue_int64_test v;
    tvalidator_decimal val(v, 18, 8);
    bool changed = false;
    EXPECT_TRUE(val.validate_value(changed, u"12345678.12345678"));
    EXPECT_EQ(1234567812345678, v.fvalue);
    EXPECT_EQ(u"12345678.12345678", val.get_text(true));
    EXPECT_FALSE(val.validate_value(changed, u"1.123456789"));
    EXPECT_FALSE(changed);
    EXPECT_EQ(1234567812345678, v.fvalue);
    EXPECT_TRUE(val.validate_value(changed, u"10.5"));
    EXPECT_EQ(u"10.5", val.get_text(false));
    EXPECT_TRUE(val.validate_value(changed, u"10.50"));
    EXPECT_FALSE(changed);
    EXPECT_EQ(2, v.fwrites);
}

TEST(Validators, DateEntryForms) {
    struct tcase {
        const char16_t* text;
        int32_t expected;  // 0: refused
    } cases[] = {
        {u"8/12/26", day(2026, 12, 8)},    {u"08/12/2026", day(2026, 12, 8)}, {u"081226", day(2026, 12, 8)},
        {u"08122026", day(2026, 12, 8)},   {u"1/1/39", day(2039, 1, 1)},      {u"1/1/40", day(1940, 1, 1)},
        {u"29/02/2024", day(2024, 2, 29)}, {u"29/02/2023", 0},                {u"1/13/2024", 0},
        {u"123/1/2024", 0},                {u"1/1/123", 0},                   {u"01012024x", 0},
        {u"1/1", 0},                       {u"1/1/2024/", 0},                 {u"//2024", 0},
        {u"0101202", 0},                   {u"", 0},                          {u"00/01/2024", 0},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(utf16_to_utf8(c.text));
        int32_t result = 0;
        EXPECT_EQ(c.expected != 0, tprocs_date_entry::validate_date(result, c.text));
        if (c.expected != 0) {
            EXPECT_EQ(c.expected, result);
        }
    }
}

TEST(Validators, FocusedAndUnfocusedTexts) {
    tvalue_currency zero;
    tvalue_currency minus5(tcurrency(-50000));
    tvalue_currency big(tcurrency(12345000));
    tvalue_longint date(day(2026, 12, 8));
    tvalue_longint number(-12);
    tvalidator_currency vzero(zero), vminus5(minus5), vbig(big);
    tvalidator_date vdate(date);
    tvalidator_longint vnumber(number);
    struct tcase {
        const char* name;
        tvalidator_generic& validator;
        const char16_t* focused;
        const char16_t* unfocused;
    } cases[] = {
        {"currency zero", vzero, u"0.00", u"$0.00"},
        {"currency -5", vminus5, u"-5.00", u"$-5.00"},
        {"currency without grouping", vbig, u"1234.50", u"$1234.50"},
        {"date", vdate, u"08/12/2026", u"Tue 8 Dec 2026"},
        {"longint", vnumber, u"-12", u"-12"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.focused, c.validator.get_text(true));
        EXPECT_EQ(c.unfocused, c.validator.get_text(false));
    }
}

TEST(Validators, DateValidationStoresTheDayCount) {
    tvalue_longint v;
    tvalidator_date val(v);
    bool changed = false;
    EXPECT_TRUE(val.validate_value(changed, u"081226"));
    EXPECT_TRUE(changed);
    EXPECT_EQ(day(2026, 12, 8), v.fvalue);
    EXPECT_FALSE(val.validate_value(changed, u"31/04/2026"));
    EXPECT_EQ(day(2026, 12, 8), v.fvalue);
}

TEST(Validators, BaseValidatorRaisesForItsAbstractOperations) {
    tvalue_longint v;
    tvalidator_generic val(v);
    bool changed = false;
    EXPECT_EQ("tvalidator_generic.can_accept_character(); not implemented.",
              message_of([&] { val.can_accept_character(u'1'); }));
    EXPECT_EQ("tvalidator_generic.validate_value(); not implemented.",
              message_of([&] { val.validate_value(changed, u"1"); }));
    EXPECT_EQ("tvalidator_generic.get_text(); not implemented.", message_of([&] { val.get_text(true); }));
    val.clear();
    val.delete_last(u'1');
}

TEST(Validators, FactoryGivesTheValidatorOfEachKindAndRefusesTheOthers) {
    tvalue_int64_test v;
    std::unique_ptr<tvalidator_generic> decimal = create_validator(vf_decimal, v, 3, 2, "tfield_link");
    bool changed = false;
    EXPECT_FALSE(decimal->validate_value(changed, u"12.34"));  // five digits in a precision of three
    EXPECT_TRUE(decimal->validate_value(changed, u"1.25"));
    EXPECT_EQ(125, v.fvalue);
    EXPECT_STREQ("tvalidator_date", create_validator(vf_date, v, 0, 0, "tfield_link")->class_name());
    for (tvelmor_value_type_extended kind : {vf_ansistring, vf_boolean, vf_smallint}) {
        SCOPED_TRACE(static_cast<int>(kind));
        EXPECT_EQ("Unsupported value type " + std::to_string(kind) + " in tfield_link.create();",
                  message_of([&] { create_validator(kind, v, 0, 0, "tfield_link"); }));
    }
}
