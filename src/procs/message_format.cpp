#include "procs/message_format.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

// Raised for a malformed format or a mismatched argument: a programming error, not user input.
[[noreturn]] void format_fault(std::string_view aformat, const char* awhat) {
    throw std::logic_error(std::string("Message format fault (") + awhat + ") in \"" +
                           std::string(aformat) + "\"");
}

std::string padded_integer(int64_t avalue, int adigits, bool ahex) {
    char buf[40];
    if (ahex) {
        std::snprintf(buf, sizeof buf, "%.*llx", adigits, static_cast<unsigned long long>(avalue));
    } else {
        std::snprintf(buf, sizeof buf, "%.*lld", adigits, static_cast<long long>(avalue));
    }
    return buf;
}

// The money form: grouped integer part and two decimals, rounded half away from zero.
std::string money_text(int64_t aten_thousandths) {
    bool negative = aten_thousandths < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(aten_thousandths)
                                  : static_cast<uint64_t>(aten_thousandths);
    uint64_t cents = (magnitude + 50) / 100;
    std::string digits = std::to_string(cents / 100);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ".%02u", static_cast<unsigned>(cents % 100));
    return (negative ? "-$" : "$") + grouped + fraction;
}

}  // namespace

tformat_arg::tformat_arg(const std::u16string& avalue) : fkind(tkind::text), ftext(utf16_to_utf8(avalue)) {}
tformat_arg::tformat_arg(const char16_t* avalue)
    : fkind(tkind::text), ftext(utf16_to_utf8(avalue ? std::u16string_view(avalue) : std::u16string_view())) {}

std::string tprocs_message::format(std::string_view aformat, std::initializer_list<tformat_arg> args) {
    std::vector<const tformat_arg*> list;
    for (const auto& a : args) list.push_back(&a);
    std::string out;
    size_t next = 0;
    auto take = [&](size_t aindex, tformat_arg::tkind akind) -> const tformat_arg& {
        if (aindex >= list.size()) format_fault(aformat, "too few arguments");
        const tformat_arg& a = *list[aindex];
        if (a.kind() != akind) format_fault(aformat, "argument of the wrong kind");
        return a;
    };
    for (size_t i = 0; i < aformat.size(); ++i) {
        char c = aformat[i];
        if (c != '%') {
            out += c;
            continue;
        }
        if (++i >= aformat.size()) format_fault(aformat, "lone %");
        c = aformat[i];
        if (c == '%') {
            out += '%';
        } else if (c == 's') {
            out += take(next++, tformat_arg::tkind::text).text();
        } else if (c == 'd') {
            out += padded_integer(take(next++, tformat_arg::tkind::integer).integer(), 1, false);
        } else if (c == 'm') {
            out += money_text(take(next++, tformat_arg::tkind::currency).integer());
        } else if (c == '.' && i + 2 < aformat.size() && aformat[i + 1] >= '1' && aformat[i + 1] <= '9' &&
                   (aformat[i + 2] == 'd' || aformat[i + 2] == 'x')) {
            int digits = aformat[i + 1] - '0';
            bool hex = aformat[i + 2] == 'x';
            out += padded_integer(take(next++, tformat_arg::tkind::integer).integer(), digits, hex);
            i += 2;
        } else if (c >= '0' && c <= '9' && i + 2 < aformat.size() && aformat[i + 1] == ':' &&
                   aformat[i + 2] == 's') {
            size_t index = static_cast<size_t>(c - '0');
            out += take(index, tformat_arg::tkind::text).text();
            next = index + 1;
            i += 2;
        } else {
            format_fault(aformat, "unknown placeholder");
        }
    }
    if (next < list.size() && list.size() > 0) {
        // Extra arguments are tolerated only when an indexed placeholder reused earlier ones.
        bool indexed = aformat.find(":s") != std::string_view::npos;
        if (!indexed) format_fault(aformat, "too many arguments");
    }
    return out;
}

std::string utf16_to_utf8(std::u16string_view atext) {
    std::string out;
    out.reserve(atext.size());
    for (size_t i = 0; i < atext.size(); ++i) {
        uint32_t cp = atext[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < atext.size() && atext[i + 1] >= 0xDC00 &&
            atext[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (atext[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::u16string utf8_to_utf16(std::string_view atext) {
    std::u16string out;
    out.reserve(atext.size());
    size_t i = 0;
    while (i < atext.size()) {
        unsigned char b = static_cast<unsigned char>(atext[i]);
        uint32_t cp;
        size_t extra;
        if (b < 0x80) { cp = b; extra = 0; }
        else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; extra = 1; }
        else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; extra = 2; }
        else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; extra = 3; }
        else { out += u'\uFFFD'; ++i; continue; }
        if (i + extra >= atext.size() && extra > 0) {
            out += u'\uFFFD';
            break;
        }
        bool ok = true;
        for (size_t k = 1; k <= extra; ++k) {
            unsigned char n = static_cast<unsigned char>(atext[i + k]);
            if ((n & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (n & 0x3F);
        }
        if (!ok) { out += u'\uFFFD'; ++i; continue; }
        i += extra + 1;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}
