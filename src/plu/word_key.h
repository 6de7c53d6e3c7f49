// Words of the PLU word index: the key a word is found by (a 16-bit value from its first two
// bytes and the remainder after them), its order, and how texts are cut into upper-case words.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct tword_key {
    uint16_t fvalue = 0;
    std::string_view fremainder;
};

// Value = first byte x 256 + second byte (0 for a one-byte word); remainder from the third byte.
tword_key split_word_key(std::string_view aword);
// Order by value, then remainder byte by byte (unsigned), a proper prefix first: <0, 0, >0.
int compare_word_key(uint16_t avalue1, std::string_view aremainder1, uint16_t avalue2, std::string_view aremainder2);
// The first four bytes of a remainder as a big-endian number, missing bytes zero.
uint32_t remainder_head(std::string_view aremainder);

// Upper case of the letters the catalogue uses (ASCII, Latin-1, Latin Extended-A, Greek,
// Cyrillic); every other character is kept.
std::u16string upper_text(std::u16string_view atext);
// The upper-cased UTF-8 words of a text, split at every character that is not a letter or digit.
std::vector<std::string> split_index_words(std::u16string_view atext);
