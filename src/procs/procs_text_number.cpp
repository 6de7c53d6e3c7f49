#include "procs/procs_text_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "procs/procs_text_common.h"
#include "procs/velmor_exception.h"

namespace {

constexpr uint64_t uint64_max = std::numeric_limits<uint64_t>::max();
constexpr uint64_t int64_magnitude_max = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());

// Appends a decimal digit to avalue; false when the result leaves 64 bits.
bool push_digit(uint64_t& avalue, unsigned adigit) {
    if (avalue > (uint64_max - adigit) / 10) return false;
    avalue = avalue * 10 + adigit;
    return true;
}

bool pow10(uint64_t& aresult, int32_t aexponent) {
    if (aexponent < 0 || aexponent > 19) return false;
    aresult = 1;
    for (int32_t i = 0; i < aexponent; ++i) aresult *= 10;
    return true;
}

uint64_t magnitude(int64_t avalue) {
    return avalue < 0 ? 0 - static_cast<uint64_t>(avalue) : static_cast<uint64_t>(avalue);
}

bool signed_of_magnitude(int64_t& aresult, uint64_t amagnitude, bool anegative) {
    if (amagnitude > int64_magnitude_max + (anegative ? 1 : 0)) return false;
    aresult = anegative ? static_cast<int64_t>(0 - amagnitude) : static_cast<int64_t>(amagnitude);
    return true;
}

// A number written as an optional "-", digits with "," between groups of three, and an optional
// fraction. Only the digits are kept (as ASCII).
struct tnumber_text {
    bool negative = false;
    bool has_point = false;
    std::string integer;
    std::string fraction;
};

template <typename CharT>
bool scan_grouped_number(tnumber_text& aresult, std::basic_string_view<CharT> atext) {
    if (atext.empty()) return false;
    tnumber_text r;
    size_t i = 0;
    if (atext[0] == CharT('-')) { r.negative = true; i = 1; }
    bool comma_seen = false;
    size_t group = 0;  // digits since the start or the last ","
    for (; i < atext.size(); ++i) {
        CharT c = atext[i];
        if (is_digit_char(c)) {
            (r.has_point ? r.fraction : r.integer) += static_cast<char>(c);
            ++group;
        } else if (c == CharT(',')) {
            if (r.has_point) return false;
            if (comma_seen ? group != 3 : (group == 0 || group > 3)) return false;
            comma_seen = true;
            group = 0;
        } else if (c == CharT('.')) {
            if (r.has_point || (comma_seen && group != 3)) return false;
            r.has_point = true;
        } else {
            return false;
        }
    }
    if (comma_seen && !r.has_point && group != 3) return false;
    aresult = std::move(r);
    return true;
}

template <typename CharT>
std::basic_string<CharT> grouped(const std::string& adigits, tformat_number_flags aflags) {
    std::basic_string<CharT> digits = widen_ascii<CharT>(adigits);
    if (!aflags.contains(ff_commas)) return digits;
    return tprocs_text_number<CharT>::comma_number_word(digits);
}

// Assembles sign, integer part and fraction digits; adp (unless -1) is the least number of
// fraction digits shown.
template <typename CharT>
std::basic_string<CharT> assemble_number(bool anegative, const std::string& ainteger, std::string afraction,
                                         int32_t adp, tformat_number_flags aflags) {
    std::basic_string<CharT> text = grouped<CharT>(ainteger, aflags);
    if (adp > 0 && afraction.size() < static_cast<size_t>(adp)) afraction.resize(static_cast<size_t>(adp), '0');
    if (!afraction.empty()) text += CharT('.') + widen_ascii<CharT>(afraction);
    if (anegative) text.insert(text.begin(), CharT('-'));
    return text;
}

std::string strip_trailing_zeros(std::string adigits) {
    while (!adigits.empty() && adigits.back() == '0') adigits.pop_back();
    return adigits;
}

// Integer part: an optional "-" and digits up to the end or a zero character.
template <typename CharT>
bool parse_integer(uint64_t& amagnitude, bool& anegative, std::basic_string_view<CharT> atext, bool aallow_sign) {
    size_t end = atext.find(CharT(0));
    if (end != std::basic_string_view<CharT>::npos) atext = atext.substr(0, end);
    anegative = aallow_sign && !atext.empty() && atext[0] == CharT('-');
    if (anegative) atext.remove_prefix(1);
    if (atext.empty()) return false;
    amagnitude = 0;
    for (CharT c : atext) {
        if (!is_digit_char(c) || !push_digit(amagnitude, static_cast<unsigned>(c - CharT('0')))) return false;
    }
    return true;
}

template <typename T>
bool narrowed(T& aresult, int64_t avalue) {
    if (avalue < std::numeric_limits<T>::min() || avalue > std::numeric_limits<T>::max()) return false;
    aresult = static_cast<T>(avalue);
    return true;
}

template <typename T, typename CharT>
[[noreturn]] T raise_strtoint(std::basic_string_view<CharT> atext) {
    throw tvelmor_exception("%s.strtoint( \"%s\" ) not supported.", text_class_name<CharT>(), text_arg(atext));
}

}  // namespace

template <typename CharT>
bool tprocs_text_number<CharT>::can_str_to_decimal(int64_t& aresult, tview atext, int32_t aprecision, int32_t ascale) {
    uint64_t integer = 0, fraction = 0, scale_factor = 0, fraction_factor = 0;
    int32_t integer_digits = 0, fraction_digits = 0;
    bool has_point = false;
    for (CharT c : atext) {
        if (c == CharT('.') && !has_point) {
            has_point = true;
        } else if (is_digit_char(c)) {
            unsigned d = static_cast<unsigned>(c - CharT('0'));
            if (!push_digit(has_point ? fraction : integer, d)) return false;
            ++(has_point ? fraction_digits : integer_digits);
        } else {
            return false;
        }
    }
    if (integer_digits + fraction_digits > aprecision || fraction_digits > ascale) return false;
    if (!pow10(scale_factor, ascale) || !pow10(fraction_factor, ascale - fraction_digits)) return false;
    // Refuse what does not fit in 64 bits rather than wrap around to a wrong amount.
    uint64_t value = 0;
    if (__builtin_mul_overflow(integer, scale_factor, &value) ||
        __builtin_add_overflow(value, fraction * fraction_factor, &value) || value > int64_magnitude_max) {
        return false;
    }
    aresult = static_cast<int64_t>(value);
    return true;
}

template <typename CharT>
auto tprocs_text_number<CharT>::decimal_to_str(int64_t avalue, int32_t /*aprecision*/, int32_t ascale,
                                               tformat_decimal_options aoptions) -> tstr {
    uint64_t factor = 1;
    if (!pow10(factor, ascale)) {
        throw tvelmor_exception("Argument out of range in %s.decimal_to_str();", text_class_name<CharT>());
    }
    uint64_t m = magnitude(avalue);
    std::string fraction;
    if (ascale > 0) {
        fraction = std::to_string(m % factor);
        fraction.insert(0, static_cast<size_t>(ascale) - fraction.size(), '0');
        fraction = strip_trailing_zeros(fraction);
    }
    if (aoptions.contains(fd_currency) && fraction.size() < 2) fraction.resize(2, '0');
    return assemble_number<CharT>(avalue < 0, std::to_string(m / factor), fraction, -1, {});
}

template <typename CharT>
bool tprocs_text_number<CharT>::can_str_to_currency(tcurrency& aresult, tview atext, int32_t amax_decimals) {
    tnumber_text n;
    if (!scan_grouped_number(n, atext)) return false;
    if (n.has_point && amax_decimals != -1 && n.fraction.size() > static_cast<size_t>(amax_decimals)) {
        throw tvelmor_exception("Maximum number of decimals exceeded in currency value \"%s\" on %s.can_str_to_currency();",
                                text_arg(atext), text_class_name<CharT>());
    }
    // Ten-thousandths exactly, then the digits beyond them round half to even.
    uint64_t m = 0;
    for (char c : n.integer) {
        if (!push_digit(m, static_cast<unsigned>(c - '0'))) return false;
    }
    std::string kept = n.fraction.substr(0, std::min<size_t>(4, n.fraction.size()));
    kept.resize(4, '0');
    for (char c : kept) {
        if (!push_digit(m, static_cast<unsigned>(c - '0'))) return false;
    }
    if (n.fraction.size() > 4) {
        std::string_view rest = std::string_view(n.fraction).substr(4);
        bool above_half = rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string_view::npos);
        bool half = rest[0] == '5' && !above_half;
        if (above_half || (half && m % 2 == 1)) {
            if (m == uint64_max) return false;
            ++m;
        }
    }
    int64_t value = 0;
    if (!signed_of_magnitude(value, m, n.negative)) return false;
    aresult = tcurrency(value);
    return true;
}

template <typename CharT>
auto tprocs_text_number<CharT>::currency_to_str(tcurrency avalue, int32_t adp, tformat_number_flags aflags) -> tstr {
    uint64_t m = magnitude(avalue.value);
    std::string fraction = std::to_string(m % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    return assemble_number<CharT>(avalue.value < 0, std::to_string(m / 10000), strip_trailing_zeros(fraction), adp, aflags);
}

template <typename CharT>
bool tprocs_text_number<CharT>::can_str_to_double(double& aresult, tview atext) {
    tnumber_text n;
    if (!scan_grouped_number(n, atext)) return false;
    std::string plain = (n.integer.empty() ? "0" : n.integer) + "." + (n.fraction.empty() ? "0" : n.fraction);
    double value = 0;
    auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != plain.data() + plain.size()) return false;
    aresult = n.negative ? -value : value;
    return true;
}

template <typename CharT>
auto tprocs_text_number<CharT>::double_to_str(double avalue, int32_t adp, tformat_number_flags aflags) -> tstr {
    if (std::isnan(avalue)) return widen_ascii<CharT>("NaN");
    if (std::isinf(avalue)) return widen_ascii<CharT>(avalue < 0 ? "-INF" : "INF");
    double a = std::fabs(avalue);
    double whole = std::trunc(a);
    double rest = a - whole;
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, whole, std::chars_format::fixed, 0);
    std::string text(buf, res.ptr);
    // Every binary fraction ends after at most 1074 decimal digits; the bound only guards the loop.
    std::string fraction;
    while (rest != 0 && fraction.size() < 1100) {
        rest *= 10;
        double digit = std::trunc(rest);
        fraction += static_cast<char>('0' + static_cast<int>(digit));
        rest -= digit;
    }
    if (!fraction.empty()) text += "." + fraction;
    // Rounding works on the ungrouped digits, so a carry never meets a ",".
    if (adp != -1) text = text_arg(tprocs_text_number<char>::round_double(text, adp));
    size_t point = text.find('.');
    std::string integer = text.substr(0, point);
    fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    bool negative = avalue < 0 && text.find_first_not_of("0.") != std::string::npos;
    return assemble_number<CharT>(negative, integer, fraction, adp, aflags);
}

template <typename CharT>
auto tprocs_text_number<CharT>::round_double(tview atext, int32_t adp) -> tstr {
    tstr text(atext);
    size_t point = text.find(CharT('.'));
    if (point == tstr::npos || adp < 0 || text.size() - point - 1 <= static_cast<size_t>(adp)) return text;
    size_t decider = point + 1 + static_cast<size_t>(adp);
    size_t cut = adp == 0 ? point : decider;
    if (!is_digit_char(text[decider])) {
        throw tvelmor_exception("Illegal value \"%s\":%d in %s.round_double();", text_arg(atext),
                                static_cast<int64_t>(decider + 1), text_class_name<CharT>());
    }
    bool up = text[decider] >= CharT('5');
    text.resize(cut);
    if (text.empty()) return tstr(1, up ? CharT('1') : CharT('0'));
    if (up) increment_double(text, cut - 1);
    return text;
}

template <typename CharT>
void tprocs_text_number<CharT>::increment_double(tstr& atext, size_t apos) {
    const tstr original = atext;
    for (size_t pos = apos + 1; pos-- > 0;) {
        CharT c = atext.at(pos);
        if (c == CharT('.')) continue;
        if (!is_digit_char(c)) {
            throw tvelmor_exception("Illegal double value \"%s\" in %s.increment_double();", text_arg(original),
                                    text_class_name<CharT>());
        }
        if (c != CharT('9')) {
            atext[pos] = CharT(c + 1);
            return;
        }
        atext[pos] = CharT('0');
    }
    atext.insert(atext.begin(), CharT('1'));
}

template <typename CharT>
auto tprocs_text_number<CharT>::comma_number_word(tview adigits) -> tstr {
    tstr out;
    for (size_t i = 0; i < adigits.size(); ++i) {
        if (i > 0 && (adigits.size() - i) % 3 == 0) out += CharT(',');
        out += adigits[i];
    }
    return out;
}

template <typename CharT>
auto tprocs_text_number<CharT>::int_to_str(int32_t avalue) -> tstr { return widen_ascii<CharT>(std::to_string(avalue)); }
template <typename CharT>
auto tprocs_text_number<CharT>::int_to_str(int64_t avalue) -> tstr { return widen_ascii<CharT>(std::to_string(avalue)); }
template <typename CharT>
auto tprocs_text_number<CharT>::int_to_str(uint16_t avalue) -> tstr { return widen_ascii<CharT>(std::to_string(avalue)); }

template <typename CharT>
bool tprocs_text_number<CharT>::can_str_to_word(uint16_t& aresult, tview atext) {
    uint64_t m = 0;
    bool negative = false;
    if (!parse_integer(m, negative, atext, false) || m > std::numeric_limits<uint16_t>::max()) return false;
    aresult = static_cast<uint16_t>(m);
    return true;
}

template <typename CharT>
bool tprocs_text_number<CharT>::can_str_to_int64(int64_t& aresult, tview atext) {
    uint64_t m = 0;
    bool negative = false;
    return parse_integer(m, negative, atext, true) && signed_of_magnitude(aresult, m, negative);
}

template <typename CharT>
bool tprocs_text_number<CharT>::can_str_to_longint(int32_t& aresult, tview atext) {
    int64_t v = 0;
    return can_str_to_int64(v, atext) && narrowed(aresult, v);
}

template <typename CharT>
bool tprocs_text_number<CharT>::can_str_to_smallint(int16_t& aresult, tview atext) {
    int64_t v = 0;
    return can_str_to_int64(v, atext) && narrowed(aresult, v);
}

template <typename CharT>
int64_t tprocs_text_number<CharT>::str_to_int64(tview atext) {
    int64_t v = 0;
    return can_str_to_int64(v, atext) ? v : raise_strtoint<int64_t>(atext);
}

template <typename CharT>
int32_t tprocs_text_number<CharT>::str_to_longint(tview atext) {
    int32_t v = 0;
    return can_str_to_longint(v, atext) ? v : raise_strtoint<int32_t>(atext);
}

template class tprocs_text_number<char>;
template class tprocs_text_number<char16_t>;
