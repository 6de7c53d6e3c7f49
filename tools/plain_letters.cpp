#include "plain_letters.h"

#include <string_view>

#include "procs/message_format.h"

namespace {

// The plain letter of each Latin letter from U+00C0 to U+024F and from U+1E00 to U+1EFF: the
// letter without its marks ("*": two letters, below; " ": no plain form, left out).
constexpr std::string_view latin_from_c0 =
    "AAAAAA*CEEEEIIIIDNOOOOO OUUUUY**aaaaaa*ceeeeiiiidnooooo ouuuuy*y"  // U+00C0
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi**JjKkkLlLlLlL"  // U+0100
    "lLlNnNnNnnNnOoOoOo**RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs"  // U+0140
    "b                      I  l     Oo             Uu    Zz         "  // U+0180
    "    *********AaIiOoUuUuUuUuUu AaAa**GgGgKkOoOo  j***Gg  NnAa**Oo"  // U+01C0
    "AaAaEeEeIiIiOoOoRrRrUuUuSsTt  Hh d    AaEeOoOoOoOoYylntj  ACcLT "  // U+0200
    "   BU EeJj  RrYy";  // U+0240

constexpr std::string_view latin_additional =
    "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"  // U+1E00
    "MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"  // U+1E40
    "WwWwWwWwWwXxXxYyZzZzZzhtwy    * AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"  // U+1E80
    "EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy      ";  // U+1EC0

struct ttwo_letters {
    char16_t ch;
    const char* plain;
};

constexpr ttwo_letters two_letters[] = {
    {0x00C6, "AE"}, {0x00DE, "TH"}, {0x00DF, "ss"}, {0x00E6, "ae"}, {0x00FE, "th"},
    {0x0132, "IJ"}, {0x0133, "ij"}, {0x0152, "OE"}, {0x0153, "oe"}, {0x01C4, "DZ"},
    {0x01C5, "Dz"}, {0x01C6, "dz"}, {0x01C7, "LJ"}, {0x01C8, "Lj"}, {0x01C9, "lj"},
    {0x01CA, "NJ"}, {0x01CB, "Nj"}, {0x01CC, "nj"}, {0x01E2, "AE"}, {0x01E3, "ae"},
    {0x01F1, "DZ"}, {0x01F2, "Dz"}, {0x01F3, "dz"}, {0x01FC, "AE"}, {0x01FD, "ae"},
    {0x1E9E, "SS"},
};

// Combining marks: the diacritics of text written in decomposed form.
bool is_combining_mark(char32_t ach) {
    return (ach >= 0x0300 && ach <= 0x036F) || (ach >= 0x1AB0 && ach <= 0x1AFF) || (ach >= 0x1DC0 && ach <= 0x1DFF) ||
           (ach >= 0x20D0 && ach <= 0x20FF) || (ach >= 0xFE20 && ach <= 0xFE2F);
}

void append_plain(std::string& aresult, char16_t ach) {
    char mapped = 0;
    if (ach >= 0xC0 && ach < 0xC0 + latin_from_c0.size()) mapped = latin_from_c0[ach - 0xC0];
    else if (ach >= 0x1E00 && ach < 0x1E00 + latin_additional.size()) mapped = latin_additional[ach - 0x1E00];
    if (mapped == '*') {
        for (const ttwo_letters& t : two_letters)
            if (t.ch == ach) aresult += t.plain;
    } else if (mapped != 0 && mapped != ' ') {
        aresult.push_back(mapped);
    }
}

}  // namespace

std::string to_plain_letters(std::string_view autf8) {
    std::string result;
    for (char16_t ch : utf8_to_utf16(autf8)) {
        if (ch < 0x80) result.push_back(static_cast<char>(ch));
        else if (!is_combining_mark(ch)) append_plain(result, ch);
    }
    return result;
}
