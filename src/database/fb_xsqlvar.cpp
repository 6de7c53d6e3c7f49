#include "database/fb_xsqlvar.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "procs/message_format.h"

namespace {

int64_t pow10(int n) {
    int64_t r = 1;
    while (n-- > 0)
        r *= 10;
    return r;
}

// Moves a scaled integer to another scale, rounding half away from zero when digits are cut.
int64_t rescale(int64_t avalue, int afrom, int ato) {
    if (afrom == ato)
        return avalue;
    if (afrom > ato)
        return avalue * pow10(afrom - ato);
    int64_t d = pow10(ato - afrom);
    int64_t q = avalue / d, rest = avalue % d;
    if (2 * (rest < 0 ? -rest : rest) >= d)
        q += avalue < 0 ? -1 : 1;
    return q;
}

// Parses decimal text into a value of the given scale; false when it is not a number.
bool parse_decimal(const std::string& atext, int ascale, int64_t& aresult) {
    size_t i = 0;
    while (i < atext.size() && atext[i] == ' ')
        ++i;
    bool negative = false;
    if (i < atext.size() && (atext[i] == '-' || atext[i] == '+'))
        negative = atext[i++] == '-';
    __int128 v = 0;
    int decimals = -1;
    bool digits = false;
    int64_t round_digit = 0;
    for (; i < atext.size(); ++i) {
        char c = atext[i];
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9') {
            digits = true;
            if (decimals >= 0 && decimals >= -ascale) {
                if (decimals == -ascale)
                    round_digit = c - '0';
                ++decimals;
                continue;
            }
            v = v * 10 + (c - '0');
            if (decimals >= 0) ++decimals;
            if (v > std::numeric_limits<int64_t>::max()) return false;
        } else if (c == ' ') {
            break;
        } else {
            return false;
        }
    }
    if (!digits) return false;
    int have = decimals < 0 ? 0 : std::min(decimals, -ascale);
    for (int k = have; k < -ascale; ++k) v *= 10;
    if (round_digit >= 5) v += 1;
    if (v > std::numeric_limits<int64_t>::max()) return false;
    aresult = static_cast<int64_t>(negative ? -v : v);
    return true;
}

}  // namespace

void tfb_xsqlvar::out_of_range(const char* aop) const {
    throw tvelmor_exception("Value of [%s] out of range in %s.%s();", fname, class_name(), aop);
}

int64_t tfb_xsqlvar::as_int64() const {
    if (auto* s = std::get_if<tscaled>(&fvalue))
        return rescale(s->fvalue, s->fscale, 0);
    if (auto* d = std::get_if<double>(&fvalue))
        return std::llround(*d);
    if (auto* t = std::get_if<std::string>(&fvalue)) {
        int64_t r = 0;
        if (!parse_decimal(*t, 0, r))
            throw tvelmor_exception("Value [%s] of [%s] is not a number in %s.as_int64();", *t, fname, class_name());
        return r;
    }
    return 0;
}

int32_t tfb_xsqlvar::as_integer() const {
    int64_t v = as_int64();
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        out_of_range("as_integer");
    return static_cast<int32_t>(v);
}

int16_t tfb_xsqlvar::as_smallint() const {
    int64_t v = as_int64();
    if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
        out_of_range("as_smallint");
    return static_cast<int16_t>(v);
}

tcurrency tfb_xsqlvar::as_currency() const {
    if (auto* s = std::get_if<tscaled>(&fvalue))
        return tcurrency(rescale(s->fvalue, s->fscale, -4));
    if (auto* d = std::get_if<double>(&fvalue))
        return tcurrency(std::llround(*d * 10000.0));
    if (auto* t = std::get_if<std::string>(&fvalue)) {
        int64_t r = 0;
        if (!parse_decimal(*t, -4, r))
            throw tvelmor_exception("Value [%s] of [%s] is not a number in %s.as_currency();", *t, fname, class_name());
        return tcurrency(r);
    }
    return tcurrency();
}

double tfb_xsqlvar::as_double() const {
    if (auto* s = std::get_if<tscaled>(&fvalue))
        return static_cast<double>(s->fvalue) / std::pow(10.0, -s->fscale);
    if (auto* d = std::get_if<double>(&fvalue))
        return *d;
    if (auto* t = std::get_if<std::string>(&fvalue))
        return std::strtod(t->c_str(), nullptr);
    return 0.0;
}

std::string tfb_xsqlvar::as_string() const {
    if (auto* s = std::get_if<tscaled>(&fvalue)) {
        if (s->fscale >= 0)
            return std::to_string(s->fvalue * pow10(s->fscale));
        int64_t d = pow10(-s->fscale);
        uint64_t magnitude = s->fvalue < 0 ? 0 - static_cast<uint64_t>(s->fvalue) : static_cast<uint64_t>(s->fvalue);
        std::string fraction = std::to_string(magnitude % static_cast<uint64_t>(d));
        fraction.insert(0, static_cast<size_t>(-s->fscale) - fraction.size(), '0');
        return (s->fvalue < 0 ? "-" : "") + std::to_string(magnitude / static_cast<uint64_t>(d)) + "." + fraction;
    }
    if (auto* d = std::get_if<double>(&fvalue)) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15g", *d);
        return buffer;
    }
    if (auto* t = std::get_if<std::string>(&fvalue))
        return *t;
    return {};
}

std::u16string tfb_xsqlvar::as_widestring() const { return utf8_to_utf16(as_string()); }

void tfb_xsqlvar::set_aswidestring(const std::u16string& avalue) {
    fvalue = utf16_to_utf8(avalue);
    fwide = true;
}
