// Calendar dates as day counts: day 366 is 1 January of year 1 (proleptic Gregorian), so a day
// count is the Gregorian ordinal plus 365. Every date column of the database holds one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class tprocs_daycount {
public:
    static constexpr const char* class_name() { return "tprocs_daycount"; }

    static constexpr int32_t day_30dec1899 = 693959;  // day zero of the floating date-time
    static constexpr int32_t day_1jan1900 = 693961;
    static constexpr int32_t day_1jan1970 = 719528;
    static constexpr int32_t day_1jan2000 = 730485;
    static constexpr uint16_t min_year = 1;
    static constexpr uint16_t max_year = 9999;

    // Checked: false (and aresult untouched) when the month or the day is out of range.
    static bool encode(int32_t& aresult, uint16_t ayear, uint16_t amonth, uint16_t aday);
    // Unchecked: only the month is verified (it indexes a table); raises outside 1..12.
    static int32_t encode(uint16_t ayear, uint16_t amonth, uint16_t aday);
    static void decode(int32_t adaycount, uint16_t& ayear, uint16_t& amonth, uint16_t& aday);

    static bool is_leapyear(uint16_t ayear);
    static bool is_leapyear_date(int32_t adaycount);
    // 0 is Monday, 6 is Sunday.
    static uint8_t weekday(int32_t adaycount);
    // Day count of 1 January of the year.
    static int32_t first_day(int32_t ayear);
    // Days of the year before the first of the month; raises for a month outside 1..12.
    static int32_t day_count_formonth(uint16_t amonth, bool aleapyear);
    // Month (1..12) holding the day of the year adayofyear (counted from 1).
    static uint16_t tomonth_daycount(int32_t adayofyear, bool aleapyear);
    static uint16_t month_length(uint16_t amonth, bool aleapyear);

    static std::u16string to_text(std::u16string_view aformat, int32_t adaycount);
    static std::string to_text(std::string_view aformat, int32_t adaycount);

    static bool can_of_text(int32_t& aresult, std::u16string_view aformat, std::u16string_view atext);
    static bool can_of_text(int32_t& aresult, std::string_view aformat, std::string_view atext);
    static int32_t of_text(std::u16string_view aformat, std::u16string_view atext);
    static int32_t of_text(std::string_view aformat, std::string_view atext);

    // The floating date-time counts days from 30 December 1899 with the time as its fraction.
    static int32_t of_datetime(double adatetime);
    static double to_datetime(int32_t adaycount);
};
