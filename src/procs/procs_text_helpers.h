// Small text operations over wide or 8-bit strings: selection, searching, replacing, escaping,
// delimited reading, comparison and prefix tests. Positions given to can_read_delimited count
// from 1; every other position or index counts from 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "procs/procs_types.h"

template <typename CharT>
class tprocs_text_helpers {
public:
    using tstr = std::basic_string<CharT>;
    using tview = std::basic_string_view<CharT>;

    // Results of can_read_delimited and can_read_delimited_reverse.
    static constexpr int32_t rd_none = 0;       // nothing left to read
    static constexpr int32_t rd_last = 1;       // the rest of the text, no delimiter followed
    static constexpr int32_t rd_delimited = 2;  // a token ended by the delimiter

    static tstr select_string(const std::vector<tstr>& aarray, int32_t aindex);
    static tstr select_string(const std::vector<tstr>& aarray, int32_t aindex, tview adefault);
    static tstr if_then(bool acondition, tview athen, tview aelse);
    static tstr capitalize(tview atext, int32_t acapitalizeno);
    // A letter or "_" first, then letters, digits and "_".
    static bool is_identifier(tview atext);
    // Up to eight hexadecimal digits of either case; an empty text gives 0.
    static bool can_value_hex(uint32_t& aresult, tview atext);
    static tstr string_of_char(CharT ach, int32_t alen);
    static tstr replace_text(tview atext, tview afrom, tview ato);
    // Each backslash-n pair becomes a carriage return and a line feed.
    static tstr escape_as_c_string(tview atext);
    static bool contains_char(tview atext, CharT ach);
    static int32_t count_char(tview atext, CharT ach);

    // Reads from apos (1-based) up to the next adelimiter and moves apos past it.
    static int32_t can_read_delimited(tstr& atoken, tview atext, int32_t& apos, CharT adelimiter);
    // Reads backwards from apos (1-based) down to the previous adelimiter and moves apos before it.
    static int32_t can_read_delimited_reverse(tstr& atoken, tview atext, int32_t& apos, CharT adelimiter);

    // Copies the text into a zero-terminated buffer of acapacity characters; false when it had
    // to be cut to fit.
    static bool set_allocated_value(CharT* abuffer, size_t acapacity, tview atext);
    static void set_allocated_field(tstr& afield, tview atext);
    // Writes adigits lower-case hexadecimal digits of avalue at apos (growing the buffer) and
    // advances apos.
    static void str_append_hex(tstr& abuffer, size_t& apos, uint32_t avalue, int32_t adigits);
    // Control characters (and spaces with sp_include_spaces) become \u followed by four
    // hexadecimal digits.
    static tstr get_escaped_value(tview atext, tstring_operations101 aoptions = {});
    static bool is_whitespace(tview atext);

    // A missing (null) text sorts before every text.
    static tcompare_result compare_l(const CharT* alhs, size_t alhs_len, const CharT* arhs,
                                     size_t arhs_len, bool as_case_insensitive = false);
    static tcompare_result compare(const tstr* alhs, const tstr* arhs, bool as_case_insensitive = false);
    static tcompare_result compare(tview alhs, tview arhs, bool as_case_insensitive = false);

    static tstr include_trailing(tview apath, tview avalue);
    static bool is_starts_with(tview aline, tview aprefix, tstring_options101 aoptions = {});
    static void replace_char(tstr& atext, CharT afrom, CharT ato);
    static tstr replace_char2(tview atext, CharT afrom, CharT ato);
    // Index within aset of the first character of ach, or -1.
    static int32_t index_ansichar(tview ach, tview aset);
    // Removes blanks that run from an end of the text to the nearest line break, that line
    // break included; sp_lhs_only or sp_rhs_only restrict it to one end.
    static tstr trim_space_to_newline(tview atext, tstring_operations101 aoptions = {});
    // The text of a buffer of alen characters, ending early at a zero character.
    static tstr strpas_l(const CharT* abuffer, size_t alen);
    // "TRUE" or "FALSE" in any case.
    static bool to_boolean(bool& aresult, tview atext);
};

extern template class tprocs_text_helpers<char>;
extern template class tprocs_text_helpers<char16_t>;
