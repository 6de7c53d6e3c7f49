#include "procs/procs_text_datetime.h"

#include <algorithm>
#include <cmath>

#include "procs/procs_daycount.h"
#include "procs/procs_text_common.h"
#include "procs/velmor_exception.h"

namespace {

constexpr const char* weekday_names[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr const char* month_names[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The twelve format elements; a run of one of these letters must be one of them.
enum telement : uint8_t { el_d, el_dd, el_ddd, el_mm, el_mmm, el_yy, el_yyyy, el_hh, el_nn, el_ss, el_zzz, el_aa, el_count };

struct telement_name { char letter; size_t length; const char* text; };
constexpr telement_name element_names[el_count] = {
    {'D', 1, "D"},   {'D', 2, "DD"},   {'D', 3, "DDD"}, {'M', 2, "MM"}, {'M', 3, "MMM"}, {'Y', 2, "YY"},
    {'Y', 4, "YYYY"}, {'H', 2, "HH"}, {'N', 2, "NN"},  {'S', 2, "SS"}, {'Z', 3, "ZZZ"}, {'A', 2, "AA"},
};

template <typename CharT>
bool is_element_letter(CharT ach) {
    switch (ach) {
        case 'A': case 'D': case 'H': case 'M': case 'N': case 'S': case 'Y': case 'Z': return true;
        default: return false;
    }
}

int find_element(char aletter, size_t alength) {
    for (int e = 0; e < el_count; ++e) {
        if (element_names[e].letter == aletter && element_names[e].length == alength) return e;
    }
    return -1;
}

std::string padded(unsigned avalue, int adigits) {
    std::string s = std::to_string(avalue);
    if (static_cast<int>(s.size()) < adigits) s.insert(0, static_cast<size_t>(adigits) - s.size(), '0');
    return s;
}

struct tdatetime_fields {
    uint16_t year, month, day, hour, minute, second, millisecond;
    uint8_t dayofweek;
};

std::string element_text(int aelement, const tdatetime_fields& a) {
    switch (aelement) {
        case el_d: return padded(a.day, 1);
        case el_dd: return padded(a.day, 2);
        case el_ddd: return a.dayofweek <= 6 ? weekday_names[a.dayofweek] : "???";
        case el_mm: return padded(a.month, 2);
        case el_mmm: return a.month >= 1 && a.month <= 12 ? month_names[a.month - 1] : "???";
        case el_yy:
            if (a.year >= 1940 && a.year <= 1999) return padded(a.year - 1900, 2);
            if (a.year >= 2000 && a.year <= 2039) return padded(a.year - 2000, 2);
            return padded(a.year, 4);
        case el_yyyy: return padded(a.year, 4);
        case el_hh: return padded(a.hour, 2);
        case el_nn: return padded(a.minute, 2);
        case el_ss: return padded(a.second, 2);
        case el_zzz: return padded(a.millisecond, 2);
        default: return a.hour < 12 ? "am" : "pm";
    }
}

template <typename CharT>
std::basic_string<CharT> format_fields(std::basic_string_view<CharT> aformat, const tdatetime_fields& afields) {
    const char* cls = text_class_name<CharT>();
    std::basic_string<CharT> out;
    bool seen[el_count] = {};
    size_t i = 0;
    while (i < aformat.size()) {
        CharT c = aformat[i];
        if (!is_element_letter(c)) {
            out += c;
            ++i;
            continue;
        }
        size_t run = 1;
        while (i + run < aformat.size() && aformat[i + run] == c) ++run;
        char letter = static_cast<char>(c);
        int e = find_element(letter, run);
        if (e < 0) {
            throw tvelmor_exception("Unsupported DateTime Format Element %s.%d in %s.formatdatetime();",
                                    std::string(1, letter), static_cast<int64_t>(run), cls);
        }
        if (seen[e]) throw tvelmor_exception("Illegal multiple %s in %s.format_datetime();", element_names[e].text, cls);
        seen[e] = true;
        out += widen_ascii<CharT>(element_text(e, afields));
        i += run;
    }
    return out;
}

// Element names tried, in this order, where a date literal's format has an element letter.
constexpr const char* literal_elements[] = {"YYYY", "MM", "DD", "HH", "NN", "SS", "ZZZ", "AA", "YY"};

template <typename CharT>
bool format_has(std::basic_string_view<CharT> aformat, size_t apos, std::string_view aname) {
    if (aformat.size() - apos < aname.size()) return false;
    for (size_t k = 0; k < aname.size(); ++k) {
        if (aformat[apos + k] != static_cast<CharT>(aname[k])) return false;
    }
    return true;
}

template <typename CharT>
bool read_digits(uint16_t& aresult, std::basic_string_view<CharT> atext) {
    unsigned value = 0;
    for (CharT c : atext) {
        if (!is_digit_char(c)) return false;
        value = value * 10 + static_cast<unsigned>(c - CharT('0'));
    }
    aresult = static_cast<uint16_t>(value);
    return true;
}

template <typename CharT>
bool read_ampm(bool& apm, std::basic_string_view<CharT> atext) {
    auto lower = [](CharT c) { return c >= CharT('A') && c <= CharT('Z') ? CharT(c + ('a' - 'A')) : c; };
    if (lower(atext[1]) != CharT('m')) return false;
    if (lower(atext[0]) == CharT('a')) { apm = false; return true; }
    if (lower(atext[0]) == CharT('p')) { apm = true; return true; }
    return false;
}

}  // namespace

template <typename CharT>
auto tprocs_text_datetime<CharT>::format_datetime(tview aformat, uint16_t ayear, uint16_t amonth,
                                                  uint16_t aday, uint16_t ahour, uint16_t aminute,
                                                  uint16_t asecond, uint16_t amillisecond,
                                                  uint8_t adayofweek) -> tstr {
    return format_fields(aformat, tdatetime_fields{ayear, amonth, aday, ahour, aminute, asecond,
                                                   amillisecond, adayofweek});
}

template <typename CharT>
auto tprocs_text_datetime<CharT>::format_datetime(tview aformat, double adatetime) -> tstr {
    int32_t daycount = tprocs_daycount::of_datetime(adatetime);
    tdatetime_fields f{};
    tprocs_daycount::decode(daycount, f.year, f.month, f.day);
    // Knowing the date, the weekday is known too: DDD works with this form as well.
    f.dayofweek = tprocs_daycount::weekday(daycount);
    double ms = std::round(std::fabs(adatetime - std::trunc(adatetime)) * 86400000.0);
    auto total = static_cast<uint32_t>(std::min(ms, 86399999.0));
    f.millisecond = static_cast<uint16_t>(total % 1000);
    f.second = static_cast<uint16_t>(total / 1000 % 60);
    f.minute = static_cast<uint16_t>(total / 60000 % 60);
    f.hour = static_cast<uint16_t>(total / 3600000);
    return format_fields(aformat, f);
}

template <typename CharT>
bool tprocs_text_datetime<CharT>::can_str_to_dateliteral(tdatetime_parts& aresult, tview avalue, tview aformat) {
    if (avalue.size() != aformat.size()) return false;
    tdatetime_parts parts{};
    uint16_t yy = 0;
    bool four_digit_year = false, two_digit_year = false, pm = false;
    size_t i = 0;
    while (i < aformat.size()) {
        const char* name = nullptr;
        if (is_element_letter(aformat[i])) {
            for (const char* candidate : literal_elements) {
                if (format_has(aformat, i, candidate)) { name = candidate; break; }
            }
        }
        if (name == nullptr) {
            if (aformat[i] != avalue[i]) return false;
            ++i;
            continue;
        }
        std::string_view element(name);
        tview piece = avalue.substr(i, element.size());
        i += element.size();
        if (element == "AA") {
            if (!read_ampm(pm, piece)) return false;
            continue;
        }
        uint16_t number = 0;
        if (!read_digits(number, piece)) return false;
        if (element == "YYYY") { parts[0] = number; four_digit_year = true; }
        else if (element == "YY") { yy = number; two_digit_year = true; }
        else if (element == "MM") parts[1] = number;
        else if (element == "DD") parts[2] = number;
        else if (element == "HH") parts[3] = number;
        else if (element == "NN") parts[4] = number;
        else if (element == "SS") parts[5] = number;
        else parts[6] = number;
    }
    if (pm && parts[3] < 12) parts[3] = static_cast<uint16_t>(parts[3] + 12);
    if (!four_digit_year && two_digit_year) parts[0] = static_cast<uint16_t>(yy < 50 ? yy + 2000 : yy + 1900);
    aresult = parts;
    return true;
}

template class tprocs_text_datetime<char>;
template class tprocs_text_datetime<char16_t>;
