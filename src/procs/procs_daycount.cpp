#include "procs/procs_daycount.h"

#include <cmath>

#include "procs/procs_string.h"
#include "procs/procs_text_common.h"
#include "procs/velmor_exception.h"

namespace {

constexpr int32_t days_before_month[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr uint16_t month_days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Day count of 1 January of the year, in 64 bits so that decoding any 32-bit day count
// (even far outside years 1..9999) cannot overflow.
int64_t first_day_of(int64_t ayear) {
    int64_t before = ayear - 1;
    return 366 + 365 * before + before / 4 - before / 100 + before / 400;
}

template <typename CharT>
bool can_of_text_as(int32_t& aresult, std::basic_string_view<CharT> aformat,
                    std::basic_string_view<CharT> atext) {
    tdatetime_parts parts{};
    if (!tprocs_text_datetime<CharT>::can_str_to_dateliteral(parts, atext, aformat)) return false;
    if (parts[0] == 0 || parts[1] == 0 || parts[2] == 0) return false;
    return tprocs_daycount::encode(aresult, parts[0], parts[1], parts[2]);
}

template <typename CharT>
int32_t of_text_as(std::basic_string_view<CharT> aformat, std::basic_string_view<CharT> atext) {
    int32_t result = 0;
    if (!can_of_text_as(result, aformat, atext)) {
        throw tvelmor_exception("Illegal Date value \"%s\" in %s.of_text();", text_arg(atext),
                                tprocs_daycount::class_name());
    }
    return result;
}

template <typename CharT>
std::basic_string<CharT> to_text_as(std::basic_string_view<CharT> aformat, int32_t adaycount) {
    uint16_t year = 0, month = 0, day = 0;
    tprocs_daycount::decode(adaycount, year, month, day);
    return tprocs_text_datetime<CharT>::format_datetime(aformat, year, month, day, 0, 0, 0, 0,
                                                        tprocs_daycount::weekday(adaycount));
}

}  // namespace

bool tprocs_daycount::is_leapyear(uint16_t ayear) {
    return ayear % 400 == 0 || (ayear % 4 == 0 && ayear % 100 != 0);
}

int32_t tprocs_daycount::first_day(int32_t ayear) { return static_cast<int32_t>(first_day_of(ayear)); }

int32_t tprocs_daycount::day_count_formonth(uint16_t amonth, bool aleapyear) {
    if (amonth < 1 || amonth > 12) {
        throw tvelmor_exception("Argument out of range in %s.day_count_formonth( %d );", class_name(), amonth);
    }
    return days_before_month[amonth - 1] + (aleapyear && amonth > 2 ? 1 : 0);
}

uint16_t tprocs_daycount::month_length(uint16_t amonth, bool aleapyear) {
    if (amonth < 1 || amonth > 12) return 0;
    return month_days[amonth - 1] + (aleapyear && amonth == 2 ? 1 : 0);
}

uint16_t tprocs_daycount::tomonth_daycount(int32_t adayofyear, bool aleapyear) {
    if (adayofyear <= 31) return 1;
    int32_t d = aleapyear ? adayofyear - 1 : adayofyear;
    for (uint16_t m = 2; m <= 11; ++m) {
        if (d <= days_before_month[m]) return m;
    }
    return 12;
}

bool tprocs_daycount::encode(int32_t& aresult, uint16_t ayear, uint16_t amonth, uint16_t aday) {
    if (amonth < 1 || amonth > 12) return false;
    if (aday < 1 || aday > month_length(amonth, is_leapyear(ayear))) return false;
    aresult = encode(ayear, amonth, aday);
    return true;
}

int32_t tprocs_daycount::encode(uint16_t ayear, uint16_t amonth, uint16_t aday) {
    return first_day(ayear) - 1 + day_count_formonth(amonth, is_leapyear(ayear)) + aday;
}

void tprocs_daycount::decode(int32_t adaycount, uint16_t& ayear, uint16_t& amonth, uint16_t& aday) {
    // The estimate is off by one year near some year boundaries (1 January 1996, 31 December
    // 2036); the corrections make decode the exact inverse of encode.
    auto year = static_cast<int64_t>(std::trunc(adaycount / 365.2425));
    while (adaycount < first_day_of(year)) --year;
    while (adaycount >= first_day_of(year + 1)) ++year;
    bool leap = is_leapyear(static_cast<uint16_t>(year));
    auto dayofyear = static_cast<int32_t>(adaycount - first_day_of(year) + 1);
    ayear = static_cast<uint16_t>(year);
    amonth = tomonth_daycount(dayofyear, leap);
    aday = static_cast<uint16_t>(dayofyear - day_count_formonth(amonth, leap));
}

bool tprocs_daycount::is_leapyear_date(int32_t adaycount) {
    uint16_t year = 0, month = 0, day = 0;
    decode(adaycount, year, month, day);
    return is_leapyear(year);
}

uint8_t tprocs_daycount::weekday(int32_t adaycount) {
    int32_t w = (adaycount + 5) % 7;
    return static_cast<uint8_t>(w < 0 ? w + 7 : w);
}

std::u16string tprocs_daycount::to_text(std::u16string_view aformat, int32_t adaycount) {
    return to_text_as(aformat, adaycount);
}

std::string tprocs_daycount::to_text(std::string_view aformat, int32_t adaycount) {
    return to_text_as(aformat, adaycount);
}

bool tprocs_daycount::can_of_text(int32_t& aresult, std::u16string_view aformat, std::u16string_view atext) {
    return can_of_text_as(aresult, aformat, atext);
}

bool tprocs_daycount::can_of_text(int32_t& aresult, std::string_view aformat, std::string_view atext) {
    return can_of_text_as(aresult, aformat, atext);
}

int32_t tprocs_daycount::of_text(std::u16string_view aformat, std::u16string_view atext) {
    return of_text_as(aformat, atext);
}

int32_t tprocs_daycount::of_text(std::string_view aformat, std::string_view atext) {
    return of_text_as(aformat, atext);
}

int32_t tprocs_daycount::of_datetime(double adatetime) {
    double days = std::trunc(adatetime);
    // Outside this range the day count would not fit; no real date-time gets near it.
    if (!(days > -1.0e9 && days < 1.0e9)) {
        throw tvelmor_exception("Argument out of range in %s.of_datetime();", class_name());
    }
    return static_cast<int32_t>(days) + day_30dec1899;
}

double tprocs_daycount::to_datetime(int32_t adaycount) {
    return static_cast<double>(adaycount) - day_30dec1899;
}
