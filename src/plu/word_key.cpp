#include "plu/word_key.h"

#include <cstring>

#include "procs/message_format.h"

tword_key split_word_key(std::string_view aword) {
    tword_key key;
    if (aword.empty()) return key;
    const auto byte = [&](size_t i) { return static_cast<uint16_t>(static_cast<unsigned char>(aword[i])); };
    key.fvalue = static_cast<uint16_t>(byte(0) << 8 | (aword.size() > 1 ? byte(1) : 0));
    if (aword.size() > 2) key.fremainder = aword.substr(2);
    return key;
}

int compare_word_key(uint16_t avalue1, std::string_view aremainder1, uint16_t avalue2, std::string_view aremainder2) {
    if (avalue1 != avalue2) return avalue1 < avalue2 ? -1 : 1;
    const size_t n = std::min(aremainder1.size(), aremainder2.size());
    const int c = n == 0 ? 0 : std::memcmp(aremainder1.data(), aremainder2.data(), n);
    if (c != 0) return c < 0 ? -1 : 1;
    if (aremainder1.size() == aremainder2.size()) return 0;
    return aremainder1.size() < aremainder2.size() ? -1 : 1;
}

uint32_t remainder_head(std::string_view aremainder) {
    uint32_t head = 0;
    for (size_t i = 0; i < 4; ++i)
        head = head << 8 | (i < aremainder.size() ? static_cast<unsigned char>(aremainder[i]) : 0u);
    return head;
}

namespace {

char16_t upper_char(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
    if (c < 0x80) return c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 32);
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A pairs upper/lower case mostly as even/odd, from 0x139 to 0x148 and
        // 0x179 to 0x17E as odd/even.
        const bool odd_first = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
        if (odd_first) return (c % 2 == 0) ? static_cast<char16_t>(c - 1) : c;
        return (c % 2 == 1) ? static_cast<char16_t>(c - 1) : c;
    }
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return static_cast<char16_t>(c - 32);
    if (c == 0x3C2) return 0x3A3;
    if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 32);
    if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 80);
    return c;
}

// Letters and digits of any script; the punctuation and symbol blocks divide words.
bool is_word_char(char16_t c) {
    if (c < 0x80) return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    if (c < 0xC0) return c == 0xAA || c == 0xB5 || c == 0xBA;
    if (c == 0xD7 || c == 0xF7) return false;
    if (c >= 0x2000 && c <= 0x2BFF) return false;  // punctuation, symbols, arrows, shapes
    if (c >= 0x3000 && c <= 0x303F) return false;  // ideographic punctuation
    if (c >= 0xFE30 && c <= 0xFE4F) return false;
    if (c >= 0xFF00 && c <= 0xFF0F) return false;  // full-width punctuation
    if (c >= 0xFF1A && c <= 0xFF20) return false;
    if (c == 0xFEFF || c == 0xFFFD) return false;
    return true;
}

}  // namespace

std::u16string upper_text(std::u16string_view atext) {
    std::u16string out(atext);
    for (char16_t& c : out) c = upper_char(c);
    return out;
}

std::vector<std::string> split_index_words(std::u16string_view atext) {
    std::vector<std::string> words;
    size_t start = 0;
    for (size_t i = 0; i <= atext.size(); ++i) {
        if (i < atext.size() && is_word_char(atext[i])) continue;
        if (i > start) words.push_back(utf16_to_utf8(upper_text(atext.substr(start, i - start))));
        start = i + 1;
    }
    return words;
}
