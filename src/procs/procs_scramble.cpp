#include "procs/procs_scramble.h"

#include <array>

#include "procs/procs_pansichar.h"
#include "procs/velmor_exception.h"

namespace {

using tblock = std::array<uint8_t, 16>;

// The program's scramble key. Scrambled texts held elsewhere (the database user name) were made
// with this key; changing it makes them unreadable.
constexpr tblock scramble_key = {0x5a, 0xc3, 0x17, 0x8e, 0x2b, 0xf4, 0x61, 0x9d,
                                 0x38, 0xe7, 0x04, 0xb2, 0x7f, 0x46, 0xd9, 0x13};

// Step i exchanges byte[i - 1] with byte[byte[i] & 7]; byte[i] itself never moves in step i, so
// the same rule undoes the steps when they are replayed backwards.
void swap_step(tblock& ablock, size_t ai) {
    size_t c = ablock[ai] & 7;
    if (c != ai - 1 && c != ai) tprocs_pansichar::swap(ablock[ai - 1], ablock[c]);
}

}  // namespace

std::string tprocs_scramble::scramble16(std::string_view aline) {
    if (aline.size() > 16) throw tvelmor_exception("Line too long in %s.scramble16();", class_name());
    tblock block{};
    for (size_t i = 0; i < aline.size(); ++i) block[i] = static_cast<uint8_t>(aline[i]);
    for (size_t i = 0; i < 16; ++i) block[i] ^= scramble_key[i];
    for (size_t i = 1; i < 16; ++i) block[i] ^= block[i - 1];
    for (size_t i = 1; i < 16; ++i) swap_step(block, i);
    return tprocs_pansichar::get_16byte_to_16hex(block);
}

std::string tprocs_scramble::unscramble16(std::string_view aline) {
    tblock block{};
    tprocs_pansichar::output_16hex_to_16byte(block, aline);
    for (size_t i = 15; i >= 1; --i) swap_step(block, i);
    for (size_t i = 15; i >= 1; --i) block[i] ^= block[i - 1];
    std::string text;
    for (size_t i = 0; i < 16; ++i) {
        uint8_t b = block[i] ^ scramble_key[i];
        if (b == 0) break;
        text += static_cast<char>(b);
    }
    return text;
}

std::string tprocs_scramble::scramble_text(std::string_view atext) {
    std::string result;
    for (size_t i = 0; i < atext.size(); i += 16) {
        if (i > 0) result += '+';
        result += scramble16(atext.substr(i, 16));
    }
    return result;
}

std::string tprocs_scramble::unscramble_text(std::string_view ascrambled) {
    std::string result;
    while (!ascrambled.empty()) {
        const size_t plus = ascrambled.find('+');
        result += unscramble16(ascrambled.substr(0, plus));
        if (plus == std::string_view::npos) break;
        ascrambled.remove_prefix(plus + 1);
    }
    return result;
}
