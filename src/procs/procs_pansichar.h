// Byte-level helpers over 8-bit buffers: hexadecimal forms (the 35-character form of 16 bytes
// used by the scramble routine), reversed copies and copies between text and record buffers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class tprocs_pansichar {
public:
    static constexpr const char* class_name() { return "tprocs_pansichar"; }
    static constexpr size_t hex16_length = 35;  // 32 digits and three "-"

    // One nibble (0..15) as a lower-case hexadecimal digit at aoutput, advancing it.
    static void output_hexbyte(char*& aoutput, uint8_t anibble);
    // One byte as two lower-case hexadecimal digits at aoutput, advancing it.
    static void output_byte_to_hex(char*& aoutput, uint8_t avalue);
    // Two hexadecimal digits (either case) at ainput; false on any other character.
    static bool output_hex_to_byte(uint8_t& aresult, const char* ainput);

    static std::string get_16byte_to_16hex(const std::array<uint8_t, 16>& abytes);
    // Reads the 35-character form; raises on a missing "-" or a character that is not a digit.
    static void output_16hex_to_16byte(std::array<uint8_t, 16>& aresult, std::string_view atext);

    // Copies acount bytes into an asize-byte destination in reverse order, the first source byte
    // landing on the destination's last byte. Raises when acount exceeds asize.
    static void move_reverse(const void* asource, void* adestination, size_t acount, size_t asize);

    static bool value_between(int64_t avalue, int64_t alow, int64_t ahigh);
    // Index of the first ach in atext, or -1.
    static int32_t pos_to_char(std::string_view atext, char ach);
    // Advances apos to the next ach before aend; false (apos at aend) when there is none.
    static bool scan_to_char(const char*& apos, const char* aend, char ach);
    static void swap(uint8_t& a, uint8_t& b);
    // Text of a zero-terminated buffer; a null pointer gives an empty text.
    static std::string str(const char* abuffer);
    // Copies the text into a record buffer of asize bytes, zero-filling the rest; raises when it
    // does not fit.
    static void move_to_record(std::string_view atext, void* arecord, size_t asize);
    // The record buffer's bytes up to the first zero byte (or all asize of them).
    static std::string move_from_record(const void* arecord, size_t asize);
};
