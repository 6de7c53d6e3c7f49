#include <gtest/gtest.h>

#include "procs/procs_string.h"
#include "thrown_message.h"

namespace {

std::string format_at(const char* aformat, uint16_t ayear, uint16_t ahour = 14, uint8_t adayofweek = 1,
                      uint16_t amonth = 12) {
    return tprocs_ansistring::format_datetime(aformat, ayear, amonth, 8, ahour, 5, 9, 7, adayofweek);
}

TEST(DatetimeText, EachFormatElementWritesItsPart) {
    struct tcase { const char* name; std::string got; std::string want; };
    const tcase cases[] = {
        {"time stamp, milliseconds in two digits", format_at("YYYYMMDDHHNNSSZZZ", 2026), "2026120814050907"},
        {"unpadded and padded day", format_at("D DD", 2026), "8 08"},
        {"weekday and month names", format_at("DDD MMM", 2026), "Tue Dec"},
        {"weekday out of range", format_at("DDD", 2026, 14, 255), "???"},
        {"month out of range", format_at("MMM MM", 2026, 14, 1, 13), "??? 13"},
        {"afternoon", format_at("HH:NN AA", 2026, 14), "14:05 pm"},
        {"morning", format_at("HH:NN AA", 2026, 11), "11:05 am"},
        {"other characters kept, lower case included", format_at("dd/mm/yy - YYYY", 2026), "dd/mm/yy - 2026"},
        {"four digits for small years", format_at("YYYY", 33), "0033"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.got, c.want);
    }
}

TEST(DatetimeText, TwoDigitYearsOnlyInsideTheWindow) {
    struct tcase { uint16_t year; const char* want; };
    const tcase cases[] = {{1939, "1939"}, {1940, "40"}, {1999, "99"}, {2000, "00"}, {2039, "39"}, {2040, "2040"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(format_at("YY", c.year), c.want);
    }
}

TEST(DatetimeText, UnknownOrRepeatedElementsRaise) {
    EXPECT_EQ(thrown_message([] { format_at("DDDD", 2026); }),
              "Unsupported DateTime Format Element D.4 in tprocs_ansistring.formatdatetime();");
    EXPECT_EQ(thrown_message([] { format_at("M/YYYY", 2026); }),
              "Unsupported DateTime Format Element M.1 in tprocs_ansistring.formatdatetime();");
    EXPECT_EQ(thrown_message([] { format_at("YYY", 2026); }),
              "Unsupported DateTime Format Element Y.3 in tprocs_ansistring.formatdatetime();");
    EXPECT_EQ(thrown_message([] { tprocs_unicodestring::format_datetime(u"DD/DD", 2026, 1, 1, 0, 0, 0, 0, 0); }),
              "Illegal multiple DD in tprocs_unicodestring.format_datetime();");
}

TEST(DatetimeText, FloatingDateTimeFormSplitsDateAndTime) {
    // 36526 is 1 January 2000; .75 is six in the evening.
    EXPECT_EQ(tprocs_unicodestring::format_datetime(u"DD/MM/YYYY HH:NN:SS.ZZZ AA", 36526.75), u"01/01/2000 18:00:00.00 pm");
    EXPECT_EQ(tprocs_ansistring::format_datetime("HH:NN:SS.ZZZ", 36526.0 + 45296789.0 / 86400000.0), "12:34:56.789");
    EXPECT_EQ(tprocs_ansistring::format_datetime("DDD D MMM YYYY", 36526.5), "Sat 1 Jan 2000");
}

TEST(DatetimeText, DateLiteralsAreReadByTheFormat) {
    using tparts = tdatetime_parts;
    struct tcase { const char* name; const char* text; const char* format; bool ok; tparts want; };
    const tcase cases[] = {
        {"date", "08/12/2026", "DD/MM/YYYY", true, {2026, 12, 8, 0, 0, 0, 0}},
        {"two-digit year below 50", "01/02/49", "DD/MM/YY", true, {2049, 2, 1, 0, 0, 0, 0}},
        {"two-digit year from 50", "01/02/50", "DD/MM/YY", true, {1950, 2, 1, 0, 0, 0, 0}},
        {"time stamp", "20261208140509123", "YYYYMMDDHHNNSSZZZ", true, {2026, 12, 8, 14, 5, 9, 123}},
        {"afternoon in capitals", "02:30 PM", "HH:NN AA", true, {0, 0, 0, 14, 30, 0, 0}},
        {"noon stays noon", "12:00 pm", "HH:NN AA", true, {0, 0, 0, 12, 0, 0, 0}},
        {"no range check", "99/99/0000", "DD/MM/YYYY", true, {0, 99, 99, 0, 0, 0, 0}},
        {"lone letter is a literal", "D-01", "D-MM", true, {0, 1, 0, 0, 0, 0, 0}},
        {"shorter than the format", "8/12/2026", "DD/MM/YYYY", false, {}},
        {"longer than the format", "08/12/20266", "DD/MM/YYYY", false, {}},
        {"separator differs", "08-12-2026", "DD/MM/YYYY", false, {}},
        {"sign in a number", "-8/12/2026", "DD/MM/YYYY", false, {}},
        {"neither am nor pm", "02:30 xm", "HH:NN AA", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tparts got{};
        EXPECT_EQ(tprocs_ansistring::can_str_to_dateliteral(got, c.text, c.format), c.ok);
        if (c.ok) {
            EXPECT_EQ(got, c.want);
        }
    }
    tparts wide{};
    EXPECT_TRUE(tprocs_unicodestring::can_str_to_dateliteral(wide, u"01/02/49", u"DD/MM/YY"));
    EXPECT_EQ(wide[0], 2049);
    EXPECT_FALSE(tprocs_unicodestring::can_str_to_dateliteral(wide, u"01/02/4\u0669", u"DD/MM/YY"));
}

}  // namespace
