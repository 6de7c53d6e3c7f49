#include <gtest/gtest.h>

#include <limits>

#include "procs/procs_daycount.h"
#include "thrown_message.h"

namespace {

struct tdate { uint16_t year, month, day; };

TEST(Daycount, ReferenceDaysMatchTheirDates) {
    struct tcase { const char* name; tdate date; int32_t want; };
    const tcase cases[] = {
        {"first day of year 1", {1, 1, 1}, 366},
        {"floating date-time day zero", {1899, 12, 30}, tprocs_daycount::day_30dec1899},
        {"1 January 1900", {1900, 1, 1}, tprocs_daycount::day_1jan1900},
        {"1 January 1970", {1970, 1, 1}, tprocs_daycount::day_1jan1970},
        {"1 January 2000", {2000, 1, 1}, 730485},
        {"leap day 2000", {2000, 2, 29}, 730485 + 59},
        {"1 March 2000", {2000, 3, 1}, 730485 + 60},
        {"31 December 9999", {9999, 12, 31}, 3652424},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tprocs_daycount::encode(c.date.year, c.date.month, c.date.day), c.want);
    }
}

TEST(Daycount, FirstOfJanuary2000IsASaturday) {
    uint16_t y = 0, m = 0, d = 0;
    tprocs_daycount::decode(730485, y, m, d);
    EXPECT_EQ(y, 2000);
    EXPECT_EQ(m, 1);
    EXPECT_EQ(d, 1);
    EXPECT_EQ(tprocs_daycount::weekday(730485), 5);
    EXPECT_EQ(tprocs_daycount::weekday(730485 + 2), 0);  // Monday
}

TEST(Daycount, CheckedEncodeRefusesDaysThatDoNotExistAndLeavesTheResultAlone) {
    struct tcase { const char* name; tdate date; bool ok; };
    const tcase cases[] = {
        {"leap day of a 400th year", {2000, 2, 29}, true},
        {"leap day of a 100th year", {1900, 2, 29}, false},
        {"leap day of an ordinary leap year", {2024, 2, 29}, true},
        {"30 February", {2024, 2, 30}, false},
        {"month 13", {2001, 13, 1}, false},
        {"month 0", {2001, 0, 1}, false},
        {"31 April", {2001, 4, 31}, false},
        {"day 0", {2001, 1, 0}, false},
        {"31 December", {2001, 12, 31}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t result = -7;
        EXPECT_EQ(tprocs_daycount::encode(result, c.date.year, c.date.month, c.date.day), c.ok);
        if (c.ok) {
            EXPECT_EQ(result, tprocs_daycount::encode(c.date.year, c.date.month, c.date.day));
        } else {
            EXPECT_EQ(result, -7);
        }
    }
}

TEST(Daycount, MonthOutsideTheYearRaises) {
    EXPECT_EQ(thrown_message([] { tprocs_daycount::encode(2001, 13, 1); }),
              "Argument out of range in tprocs_daycount.day_count_formonth( 13 );");
    EXPECT_EQ(thrown_message([] { tprocs_daycount::day_count_formonth(0, false); }),
              "Argument out of range in tprocs_daycount.day_count_formonth( 0 );");
}

TEST(Daycount, DecodeIsTheExactInverseOfEncodeForEveryDayOfYears1To9999) {
    int32_t last = tprocs_daycount::encode(9999, 12, 31);
    uint16_t prev_year = 0, prev_month = 12, prev_day = 31;
    for (int32_t n = 366; n <= last; ++n) {
        uint16_t y = 0, m = 0, d = 0;
        tprocs_daycount::decode(n, y, m, d);
        int32_t back = 0;
        ASSERT_TRUE(tprocs_daycount::encode(back, y, m, d)) << n;
        ASSERT_EQ(back, n) << y << "-" << m << "-" << d;
        // Each day follows the previous one: the next day of the month or the first of the next.
        bool next_day = y == prev_year && m == prev_month && d == prev_day + 1;
        bool next_month = d == 1 && ((y == prev_year && m == prev_month + 1) || (y == prev_year + 1 && m == 1 && prev_month == 12));
        ASSERT_TRUE(next_day || next_month) << n;
        prev_year = y, prev_month = m, prev_day = d;
    }
}

TEST(Daycount, DecodeHandlesTheYearsWhereTheEstimateIsOneOff) {
    for (tdate date : {tdate{1996, 1, 1}, tdate{2036, 12, 31}, tdate{1900, 1, 1}, tdate{1899, 12, 31}}) {
        SCOPED_TRACE(date.year);
        uint16_t y = 0, m = 0, d = 0;
        tprocs_daycount::decode(tprocs_daycount::encode(date.year, date.month, date.day), y, m, d);
        EXPECT_EQ(y, date.year);
        EXPECT_EQ(m, date.month);
        EXPECT_EQ(d, date.day);
    }
}

TEST(Daycount, DecodeOfDayCountsFarOutsideTheCalendarStillGivesAMonth) {
    for (int32_t n : {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(), 0, -1}) {
        SCOPED_TRACE(n);
        uint16_t y = 0, m = 0, d = 0;
        tprocs_daycount::decode(n, y, m, d);
        EXPECT_GE(m, 1);
        EXPECT_LE(m, 12);
    }
}

TEST(Daycount, LeapYearOfADate) {
    EXPECT_TRUE(tprocs_daycount::is_leapyear_date(tprocs_daycount::encode(2000, 12, 31)));
    EXPECT_FALSE(tprocs_daycount::is_leapyear_date(tprocs_daycount::encode(1900, 6, 1)));
    EXPECT_TRUE(tprocs_daycount::is_leapyear_date(tprocs_daycount::encode(2024, 1, 1)));
    EXPECT_FALSE(tprocs_daycount::is_leapyear_date(tprocs_daycount::encode(2026, 3, 1)));
}

TEST(Daycount, ToTextShowsTheDateInTheGivenFormat) {
    int32_t n = tprocs_daycount::encode(2026, 12, 8);
    EXPECT_EQ(tprocs_daycount::to_text("DD/MM/YYYY", n), "08/12/2026");
    EXPECT_EQ(tprocs_daycount::to_text("DDD D MMM YYYY", n), "Tue 8 Dec 2026");
    EXPECT_EQ(tprocs_daycount::to_text(u"DDD D MMM YYYY", n), u"Tue 8 Dec 2026");
    EXPECT_EQ(tprocs_daycount::to_text("YYYYMMDDHHNNSSZZZ", n), "2026120800000000");
}

TEST(Daycount, OfTextReadsValidDatesAndRaisesOnOthers) {
    EXPECT_EQ(tprocs_daycount::of_text("DD/MM/YYYY", "08/12/2026"), tprocs_daycount::encode(2026, 12, 8));
    EXPECT_EQ(tprocs_daycount::of_text(u"DD/MM/YY", u"29/02/24"), tprocs_daycount::encode(2024, 2, 29));
    struct tcase { const char* name; const char* text; };
    const tcase bad[] = {
        {"one character short", "8/12/2026"},
        {"day zero", "00/12/2026"},
        {"month zero", "08/00/2026"},
        {"year zero", "08/12/0000"},
        {"no such day", "31/02/2026"},
        {"month 13", "01/13/2026"},
        {"letters", "ab/12/2026"},
        {"other separator", "08-12-2026"},
    };
    for (const auto& c : bad) {
        SCOPED_TRACE(c.name);
        int32_t result = 0;
        EXPECT_FALSE(tprocs_daycount::can_of_text(result, "DD/MM/YYYY", c.text));
        EXPECT_EQ(thrown_message([&] { tprocs_daycount::of_text("DD/MM/YYYY", c.text); }),
                  std::string("Illegal Date value \"") + c.text + "\" in tprocs_daycount.of_text();");
    }
    EXPECT_EQ(thrown_message([] { tprocs_daycount::of_text(u"DD/MM/YYYY", u"\u00e9/12/2026"); }),
              "Illegal Date value \"\xc3\xa9/12/2026\" in tprocs_daycount.of_text();");
}

TEST(Daycount, FloatingDateTimeCountsFrom30December1899) {
    EXPECT_EQ(tprocs_daycount::to_datetime(730485), 36526.0);
    EXPECT_EQ(tprocs_daycount::of_datetime(36526.75), 730485);
    EXPECT_EQ(tprocs_daycount::of_datetime(0.0), tprocs_daycount::day_30dec1899);
    EXPECT_EQ(tprocs_daycount::of_datetime(-1.25), tprocs_daycount::day_30dec1899 - 1);
    EXPECT_EQ(tprocs_daycount::of_datetime(tprocs_daycount::to_datetime(766000)), 766000);
}

}  // namespace
