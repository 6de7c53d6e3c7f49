#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "procs/procs_string.h"
#include "thrown_message.h"

namespace {

using tstr = tprocs_ansistring;
constexpr int64_t int64_min = std::numeric_limits<int64_t>::min();
constexpr int64_t int64_max = std::numeric_limits<int64_t>::max();

TEST(DecimalText, ParseHonoursPrecisionAndScale) {
    struct tcase { const char* name; const char* text; int32_t precision, scale; std::optional<int64_t> want; };
    const tcase cases[] = {
        {"three decimals for scale 2", "123.456", 18, 2, std::nullopt},
        {"scaled up to eight decimals", "12.5", 3, 8, 1250000000},
        {"four digits for precision 3", "1234", 3, 8, std::nullopt},
        {"leading zeros count", "0012.50", 6, 2, 1250},
        {"leading zeros over precision", "0012.50", 5, 2, std::nullopt},
        {"empty is zero", "", 18, 8, 0},
        {"lone point is zero", ".", 18, 8, 0},
        {"fraction only", ".00000001", 18, 8, 1},
        {"sign", "-1", 18, 8, std::nullopt},
        {"comma", "1,000", 18, 8, std::nullopt},
        {"space", " 1", 18, 8, std::nullopt},
        {"two points", "1.2.3", 18, 8, std::nullopt},
        {"largest that fits", "92233720368.54775807", 20, 8, int64_max},
        {"too large for 64 bits", "99999999999", 18, 8, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int64_t got = -1;
        EXPECT_EQ(tstr::can_str_to_decimal(got, c.text, c.precision, c.scale), c.want.has_value());
        if (c.want) {
            EXPECT_EQ(got, *c.want);
        }
    }
}

TEST(DecimalText, FormatDropsTrailingZerosAndShowsCentsForCurrency) {
    struct tcase { int64_t value; int32_t scale; bool currency; const char* want; };
    const tcase cases[] = {
        {1000000000, 8, false, "10"},       {1050000000, 8, false, "10.5"},
        {0, 8, false, "0"},                 {1000000000, 8, true, "10.00"},
        {1050000000, 8, true, "10.50"},     {1234567, 8, true, "0.01234567"},
        {0, 8, true, "0.00"},               {42, 0, false, "42"},
        {-1050000000, 8, false, "-10.5"},   {int64_min, 8, false, "-92233720368.54775808"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.want);
        tformat_decimal_options options;
        if (c.currency) options.include(fd_currency);
        EXPECT_EQ(tstr::decimal_to_str(c.value, 18, c.scale, options), c.want);
    }
    EXPECT_EQ(tprocs_unicodestring::decimal_to_str(1050000000, 18, 8, {fd_currency}), u"10.50");
}

TEST(CurrencyText, ParseFollowsTheSeparatorRules) {
    struct tcase { const char* text; std::optional<int64_t> want; };
    const tcase cases[] = {
        {"1,234.5", 12345000},      {"12,34", std::nullopt},    {"1234,567", std::nullopt},
        {"1,234,56", std::nullopt}, {"-0.5", -5000},            {"", std::nullopt},
        {"-", 0},                   {".", 0},                   {"1,234,567.25", 12345672500},
        {"1.2,3", std::nullopt},    {",123", std::nullopt},     {"1,234.", 12340000},
        {"1,2345", std::nullopt},   {"+1", std::nullopt},       {"1 234", std::nullopt},
        {"1-", std::nullopt},       {"1.2.3", std::nullopt},    {"1234", 12340000},
        // Beyond four decimals the amount rounds half to even.
        {"0.00005", 0},             {"0.00015", 2},             {"0.000151", 2},
        {"0.00025", 2},             {"0.000251", 3},            {"-0.00015", -2},
        {"922337203685477.5807", int64_max}, {"922337203685477.5808", std::nullopt},
        {"-922337203685477.5808", int64_min}, {"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        tcurrency got(-1);
        EXPECT_EQ(tstr::can_str_to_currency(got, c.text, -1), c.want.has_value());
        if (c.want) {
            EXPECT_EQ(got.value, *c.want);
        }
    }
}

TEST(CurrencyText, TooManyDecimalsRaiseRatherThanFail) {
    tcurrency got;
    EXPECT_EQ(thrown_message([&] { tstr::can_str_to_currency(got, "1.23456", 2); }),
              "Maximum number of decimals exceeded in currency value \"1.23456\" on tprocs_ansistring.can_str_to_currency();");
    EXPECT_EQ(thrown_message([&] { tprocs_unicodestring::can_str_to_currency(got, u"0.001", 0); }),
              "Maximum number of decimals exceeded in currency value \"0.001\" on tprocs_unicodestring.can_str_to_currency();");
    EXPECT_TRUE(tstr::can_str_to_currency(got, "1.23", 2));
    EXPECT_EQ(got.value, 12300);
    EXPECT_TRUE(tstr::can_str_to_currency(got, "1234", 0));
}

TEST(CurrencyText, FormatShowsAtLeastTheAskedDecimalsAndNeverCutsAny) {
    struct tcase { int64_t value; int32_t adp; bool commas; const char* want; };
    const tcase cases[] = {
        {5000, 0, false, "0.5"},           {5000, -1, false, "0.5"},
        {0, 2, false, "0.00"},             {0, -1, false, "0"},
        {12345675000, 2, true, "1,234,567.50"}, {12345675000, 2, false, "1234567.50"},
        {-5000, 2, false, "-0.50"},        {12340000, -1, false, "1234"},
        {12345678, 2, false, "1234.5678"}, {10000, 0, false, "1"},
        {1000000, 3, true, "100.000"},     {int64_min, -1, true, "-922,337,203,685,477.5808"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.want);
        tformat_number_flags flags;
        if (c.commas) flags.include(ff_commas);
        EXPECT_EQ(tstr::currency_to_str(tcurrency(c.value), c.adp, flags), c.want);
    }
    EXPECT_EQ(tprocs_unicodestring::currency_to_str(tcurrency(12345675000), 2, {ff_commas}), u"1,234,567.50");
}

TEST(DoubleText, FormatRoundsAtTheAskedDecimalsWithCarry) {
    struct tcase { double value; int32_t adp; bool commas; const char* want; };
    const tcase cases[] = {
        {0.5, -1, false, "0.5"},
        {2.5, 2, false, "2.50"},
        {0.125, 2, false, "0.13"},
        {0.96875, 2, false, "0.97"},
        {9.96875, 1, false, "10.0"},
        {99.5, 0, false, "100"},
        {0.25, 0, false, "0"},
        {-0.5, 0, false, "-1"},
        {-0.0009765625, 2, false, "0.00"},
        {1234567.25, -1, true, "1,234,567.25"},
        // Grouping follows rounding, so a carry that adds a digit still groups correctly.
        {999.96875, 1, true, "1,000.0"},
        {999999.5, 0, true, "1,000,000"},
        {0.1, 2, false, "0.10"},
        {0.1, -1, false, "0.1"},
        {1e20, 0, true, "100,000,000,000,000,000,000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.want);
        tformat_number_flags flags;
        if (c.commas) flags.include(ff_commas);
        EXPECT_EQ(tstr::double_to_str(c.value, c.adp, flags), c.want);
    }
    EXPECT_EQ(tprocs_unicodestring::double_to_str(9.96875, 1), u"10.0");
}

TEST(DoubleText, RoundingRefusesCharactersThatAreNotDigits) {
    EXPECT_EQ(tstr::round_double("12.3456", 2), "12.35");
    EXPECT_EQ(tstr::round_double("9.99", 1), "10.0");
    EXPECT_EQ(tstr::round_double("12.3", 2), "12.3");
    EXPECT_EQ(thrown_message([] { tstr::round_double("1.2x", 1); }),
              "Illegal value \"1.2x\":4 in tprocs_ansistring.round_double();");
    EXPECT_EQ(thrown_message([] { tstr::round_double("1,999.96", 1); }),
              "Illegal double value \"1,999.9\" in tprocs_ansistring.increment_double();");
}

TEST(DoubleText, ParseFollowsTheCurrencyRulesWithoutADecimalLimit) {
    struct tcase { const char* text; std::optional<double> want; };
    const tcase cases[] = {
        {"1,234.5", 1234.5}, {"-0.25", -0.25}, {"0.1", 0.1},        {"-", 0.0},
        {".", 0.0},          {"", std::nullopt}, {"12,34", std::nullopt}, {"1e5", std::nullopt},
        {"0.123456789012", 0.123456789012},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double got = -1;
        EXPECT_EQ(tstr::can_str_to_double(got, c.text), c.want.has_value());
        if (c.want) {
            EXPECT_EQ(got, *c.want);
        }
    }
}

TEST(IntegerText, ParseStaysInsideEachRange) {
    struct tcase { const char* name; std::string text; std::optional<int64_t> want; };
    const tcase cases[] = {
        {"largest", "9223372036854775807", int64_max},
        {"one past the largest", "9223372036854775808", std::nullopt},
        {"smallest", "-9223372036854775808", int64_min},
        {"one below the smallest", "-9223372036854775809", std::nullopt},
        {"past 64 bits unsigned", "18446744073709551616", std::nullopt},
        {"empty", "", std::nullopt},
        {"sign alone", "-", std::nullopt},
        {"letter", "12a", std::nullopt},
        {"space", " 1", std::nullopt},
        {"plus sign", "+1", std::nullopt},
        {"zero character ends the text", std::string("12\0" "34", 5), 12},
        {"zero character first", std::string("\0" "1", 2), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int64_t got = -1;
        EXPECT_EQ(tstr::can_str_to_int64(got, c.text), c.want.has_value());
        if (c.want) {
            EXPECT_EQ(got, *c.want);
        }
    }
    int32_t l = 0;
    int16_t s = 0;
    uint16_t w = 0;
    EXPECT_TRUE(tstr::can_str_to_longint(l, "-2147483648"));
    EXPECT_EQ(l, -2147483648LL);
    EXPECT_FALSE(tstr::can_str_to_longint(l, "2147483648"));
    EXPECT_TRUE(tstr::can_str_to_smallint(s, "-32768"));
    EXPECT_EQ(s, -32768);
    EXPECT_FALSE(tstr::can_str_to_smallint(s, "32768"));
    EXPECT_TRUE(tstr::can_str_to_word(w, "65535"));
    EXPECT_EQ(w, 65535);
    EXPECT_FALSE(tstr::can_str_to_word(w, "65536"));
    EXPECT_FALSE(tstr::can_str_to_word(w, "-1"));
    EXPECT_FALSE(tstr::can_str_to_word(w, ""));
    EXPECT_TRUE(tprocs_unicodestring::can_str_to_word(w, u"0042"));
    EXPECT_EQ(w, 42);
}

TEST(IntegerText, PlainFormsRaiseOnInvalidText) {
    EXPECT_EQ(tstr::str_to_int64("-17"), -17);
    EXPECT_EQ(tprocs_unicodestring::str_to_longint(u"2147483647"), 2147483647);
    EXPECT_EQ(thrown_message([] { tstr::str_to_int64("abc"); }), "tprocs_ansistring.strtoint( \"abc\" ) not supported.");
    EXPECT_EQ(thrown_message([] { tprocs_unicodestring::str_to_longint(u"2147483648"); }),
              "tprocs_unicodestring.strtoint( \"2147483648\" ) not supported.");
}

TEST(IntegerText, WritingAndGrouping) {
    EXPECT_EQ(tstr::int_to_str(int32_t{-5}), "-5");
    EXPECT_EQ(tstr::int_to_str(int64_min), "-9223372036854775808");
    EXPECT_EQ(tprocs_unicodestring::int_to_str(uint16_t{65535}), u"65535");
    struct tcase { const char* digits; const char* want; };
    const tcase cases[] = {{"", ""}, {"123", "123"}, {"1234", "1,234"}, {"1234567", "1,234,567"}, {"123456", "123,456"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        EXPECT_EQ(tstr::comma_number_word(c.digits), c.want);
    }
}

}  // namespace
