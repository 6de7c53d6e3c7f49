// Date-time text over wide or 8-bit strings: formatting with elements such as DD/MM/YYYY and
// reading a date-time literal back in the same format.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Year, month, day, hour, minute, second, millisecond, as read from a date-time literal.
using tdatetime_parts = std::array<uint16_t, 7>;

template <typename CharT>
class tprocs_text_datetime {
public:
    using tstr = std::basic_string<CharT>;
    using tview = std::basic_string_view<CharT>;

    static constexpr uint8_t no_dayofweek = 255;

    // adayofweek: 0 is Monday; any value above 6 shows as "???".
    static tstr format_datetime(tview aformat, uint16_t ayear, uint16_t amonth, uint16_t aday,
                                uint16_t ahour, uint16_t aminute, uint16_t asecond,
                                uint16_t amillisecond, uint8_t adayofweek);
    // From a floating date-time (days since 30 December 1899, time as the fraction).
    static tstr format_datetime(tview aformat, double adatetime);

    // The text must match the format character for character; no range check of the parts.
    static bool can_str_to_dateliteral(tdatetime_parts& aresult, tview avalue, tview aformat);
};

extern template class tprocs_text_datetime<char>;
extern template class tprocs_text_datetime<char16_t>;
