// Number text over wide or 8-bit strings: decimals with a precision and scale, currency amounts,
// floating-point values and integers, parsed (can_ forms never raise) and formatted.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "procs/currency.h"
#include "procs/procs_types.h"

template <typename CharT>
class tprocs_text_number {
public:
    using tstr = std::basic_string<CharT>;
    using tview = std::basic_string_view<CharT>;

    // Digits and at most one "."; at most aprecision digits in all and ascale after the point.
    static bool can_str_to_decimal(int64_t& aresult, tview atext, int32_t aprecision, int32_t ascale);
    // Without trailing zeros of the fraction; fd_currency shows at least two decimals.
    static tstr decimal_to_str(int64_t avalue, int32_t aprecision, int32_t ascale,
                               tformat_decimal_options aoptions = {});

    // Optional "-", digits with "," between groups of three, optional fraction. Raises when the
    // fraction has more than amax_decimals digits (-1: no limit).
    static bool can_str_to_currency(tcurrency& aresult, tview atext, int32_t amax_decimals);
    // adp: least number of decimals shown, or -1; more significant decimals are never cut.
    static tstr currency_to_str(tcurrency avalue, int32_t adp, tformat_number_flags aflags = {});

    static bool can_str_to_double(double& aresult, tview atext);
    // adp: exact number of decimals (rounded half up), or -1 for every significant decimal.
    static tstr double_to_str(double avalue, int32_t adp, tformat_number_flags aflags = {});
    // Rounds a text of digits and at most one "." at adp decimals (cutting the rest).
    static tstr round_double(tview atext, int32_t adp);
    // Adds one to the digit at apos, carrying to the left over the point.
    static void increment_double(tstr& atext, size_t apos);

    // "," before every third digit from the right.
    static tstr comma_number_word(tview adigits);

    static tstr int_to_str(int32_t avalue);
    static tstr int_to_str(int64_t avalue);
    static tstr int_to_str(uint16_t avalue);

    static bool can_str_to_word(uint16_t& aresult, tview atext);
    static bool can_str_to_smallint(int16_t& aresult, tview atext);
    static bool can_str_to_longint(int32_t& aresult, tview atext);
    static bool can_str_to_int64(int64_t& aresult, tview atext);
    static int64_t str_to_int64(tview atext);
    static int32_t str_to_longint(tview atext);
};

extern template class tprocs_text_number<char>;
extern template class tprocs_text_number<char16_t>;
