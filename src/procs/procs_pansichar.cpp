#include "procs/procs_pansichar.h"

#include <algorithm>
#include <cstring>

#include "procs/velmor_exception.h"

namespace {

int hex_value(char ach) {
    if (ach >= '0' && ach <= '9') return ach - '0';
    if (ach >= 'a' && ach <= 'f') return ach - 'a' + 10;
    if (ach >= 'A' && ach <= 'F') return ach - 'A' + 10;
    return -1;
}

// The character at apos, or a zero character past the end (so a short text fails on it).
char char_at(std::string_view atext, size_t apos) { return apos < atext.size() ? atext[apos] : '\0'; }

// The character as message text; a missing one shows as nothing between the brackets.
std::string char_text(char ach) { return ach ? std::string(1, ach) : std::string(); }

}  // namespace

void tprocs_pansichar::output_hexbyte(char*& aoutput, uint8_t anibble) {
    if (anibble > 15) throw tvelmor_exception("Internal Error in %s.output_hexbyte();", class_name());
    *aoutput++ = "0123456789abcdef"[anibble];
}

void tprocs_pansichar::output_byte_to_hex(char*& aoutput, uint8_t avalue) {
    output_hexbyte(aoutput, static_cast<uint8_t>(avalue >> 4));
    output_hexbyte(aoutput, static_cast<uint8_t>(avalue & 15));
}

bool tprocs_pansichar::output_hex_to_byte(uint8_t& aresult, const char* ainput) {
    int high = hex_value(ainput[0]);
    if (high < 0) return false;
    int low = hex_value(ainput[1]);
    if (low < 0) return false;
    aresult = static_cast<uint8_t>(high << 4 | low);
    return true;
}

std::string tprocs_pansichar::get_16byte_to_16hex(const std::array<uint8_t, 16>& abytes) {
    std::string text(hex16_length, '-');
    char* out = text.data();
    for (size_t i = 0; i < abytes.size(); ++i) {
        if (i > 0 && i % 4 == 0) ++out;  // past the "-" between groups
        output_byte_to_hex(out, abytes[i]);
    }
    return text;
}

void tprocs_pansichar::output_16hex_to_16byte(std::array<uint8_t, 16>& aresult, std::string_view atext) {
    size_t pos = 0;
    for (size_t i = 0; i < aresult.size(); ++i) {
        if (i > 0 && i % 4 == 0) {
            char c = char_at(atext, pos);
            if (c != '-') {
                throw tvelmor_exception(
                    "Expecting delimiter [-] where %%%.2x [%s] in hex digts in %s.output_16hex_to_16byte();",
                    static_cast<uint8_t>(c), char_text(c), class_name());
            }
            ++pos;
        }
        const char digits[2] = {char_at(atext, pos), char_at(atext, pos + 1)};
        if (!output_hex_to_byte(aresult[i], digits)) {
            char bad = hex_value(digits[0]) < 0 ? digits[0] : digits[1];
            throw tvelmor_exception("Invalid hex value %%%.2x [%s] in hex literal in %s.output_16hex_to_16byte();",
                                    static_cast<uint8_t>(bad), char_text(bad), class_name());
        }
        pos += 2;
    }
}

void tprocs_pansichar::move_reverse(const void* asource, void* adestination, size_t acount, size_t asize) {
    if (acount > asize) throw tvelmor_exception("Argument out of range in %s.move_reverse();", class_name());
    auto src = static_cast<const uint8_t*>(asource);
    auto dst = static_cast<uint8_t*>(adestination);
    for (size_t i = 0; i < acount; ++i) dst[asize - 1 - i] = src[i];
}

bool tprocs_pansichar::value_between(int64_t avalue, int64_t alow, int64_t ahigh) {
    return avalue >= alow && avalue <= ahigh;
}

int32_t tprocs_pansichar::pos_to_char(std::string_view atext, char ach) {
    size_t pos = atext.find(ach);
    return pos == std::string_view::npos ? -1 : static_cast<int32_t>(pos);
}

bool tprocs_pansichar::scan_to_char(const char*& apos, const char* aend, char ach) {
    apos = std::find(apos, aend, ach);
    return apos != aend;
}

void tprocs_pansichar::swap(uint8_t& a, uint8_t& b) { std::swap(a, b); }

std::string tprocs_pansichar::str(const char* abuffer) { return abuffer ? std::string(abuffer) : std::string(); }

void tprocs_pansichar::move_to_record(std::string_view atext, void* arecord, size_t asize) {
    if (atext.size() > asize) throw tvelmor_exception("Argument out of range in %s.move_to_record();", class_name());
    auto dst = static_cast<char*>(arecord);
    std::memcpy(dst, atext.data(), atext.size());
    std::memset(dst + atext.size(), 0, asize - atext.size());
}

std::string tprocs_pansichar::move_from_record(const void* arecord, size_t asize) {
    auto src = static_cast<const char*>(arecord);
    return std::string(src, std::find(src, src + asize, '\0'));
}
