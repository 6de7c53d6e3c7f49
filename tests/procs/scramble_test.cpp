#include <gtest/gtest.h>

#include "procs/procs_pansichar.h"
#include "procs/procs_scramble.h"
#include "thrown_message.h"

namespace {

bool is_lower_hex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

TEST(Scramble, EveryTextUpTo16BytesComesBack) {
    const std::string source = "Sysdba\x01\x7f\x80\xff~ 9zQ!";
    ASSERT_EQ(source.size(), 16u);
    for (size_t n = 0; n <= 16; ++n) {
        SCOPED_TRACE(n);
        std::string text = source.substr(0, n);
        std::string form = tprocs_scramble::scramble16(text);
        ASSERT_EQ(form.size(), 35u);
        for (size_t i = 0; i < form.size(); ++i) {
            if (i == 8 || i == 17 || i == 26) {
                EXPECT_EQ(form[i], '-');
            } else {
                EXPECT_TRUE(is_lower_hex(form[i])) << form;
            }
        }
        EXPECT_EQ(tprocs_scramble::unscramble16(form), text);
        std::string upper = form;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(tprocs_scramble::unscramble16(upper), text);
    }
}

TEST(Scramble, StoredFormsMadeWithTheProgramKeyStillRead) {
    // Changing the key would make every stored scrambled credential unreadable.
    EXPECT_EQ(tprocs_scramble::scramble16("SYSDBA"), "c1740554-6d2be2b4-3d09d7a0-93e61da7");
    EXPECT_EQ(tprocs_scramble::unscramble16("C1740554-6D2BE2B4-3D09D7A0-93E61DA7"), "SYSDBA");
}

TEST(Scramble, TheFormDoesNotShowTheText) {
    std::array<uint8_t, 16> plain{};
    std::string text = "SYSDBA";
    std::copy(text.begin(), text.end(), plain.begin());
    EXPECT_NE(tprocs_scramble::scramble16(text), tprocs_pansichar::get_16byte_to_16hex(plain));
    EXPECT_NE(tprocs_scramble::scramble16("SYSDBA"), tprocs_scramble::scramble16("SYSDBB"));
}

TEST(Scramble, OverlongTextAndDamagedFormsRaise) {
    EXPECT_EQ(thrown_message([] { tprocs_scramble::scramble16("12345678901234567"); }),
              "Line too long in tprocs_scramble.scramble16();");
    std::string form = tprocs_scramble::scramble16("user");
    struct tcase { const char* name; std::string text; std::string want; };
    const tcase cases[] = {
        {"second group not delimited", form.substr(0, 17) + "x" + form.substr(18),
         "Expecting delimiter [-] where %78 [x] in hex digts in tprocs_pansichar.output_16hex_to_16byte();"},
        {"letter beyond f", "g" + form.substr(1),
         "Invalid hex value %67 [g] in hex literal in tprocs_pansichar.output_16hex_to_16byte();"},
        {"bad second digit", form.substr(0, 1) + "z" + form.substr(2),
         "Invalid hex value %7a [z] in hex literal in tprocs_pansichar.output_16hex_to_16byte();"},
        {"cut short", form.substr(0, 30),
                 "Invalid hex value %00 [] in hex literal in tprocs_pansichar.output_16hex_to_16byte();"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(thrown_message([&] { tprocs_scramble::unscramble16(c.text); }), c.want);
    }
}

TEST(Pansichar, HexDigitsBothWays) {
    char buf[2];
    char* out = buf;
    tprocs_pansichar::output_byte_to_hex(out, 0xa7);
    EXPECT_EQ(std::string(buf, 2), "a7");
    EXPECT_EQ(out, buf + 2);
    uint8_t b = 0;
    EXPECT_TRUE(tprocs_pansichar::output_hex_to_byte(b, "aF"));
    EXPECT_EQ(b, 0xaf);
    EXPECT_FALSE(tprocs_pansichar::output_hex_to_byte(b, "0g"));
    EXPECT_EQ(thrown_message([&] { tprocs_pansichar::output_hexbyte(out = buf, 16); }),
              "Internal Error in tprocs_pansichar.output_hexbyte();");
}

TEST(Pansichar, ReverseAndRecordCopies) {
    const uint8_t source[] = {1, 2, 3};
    uint8_t target[5] = {};
    tprocs_pansichar::move_reverse(source, target, 3, 5);
    EXPECT_EQ(std::vector<uint8_t>(target, target + 5), (std::vector<uint8_t>{0, 0, 3, 2, 1}));
    EXPECT_EQ(thrown_message([&] { tprocs_pansichar::move_reverse(source, target, 6, 5); }),
              "Argument out of range in tprocs_pansichar.move_reverse();");

    char record[6];
    std::fill(std::begin(record), std::end(record), 'x');
    tprocs_pansichar::move_to_record("abc", record, sizeof record);
    EXPECT_EQ(tprocs_pansichar::move_from_record(record, sizeof record), "abc");
    EXPECT_EQ(record[5], '\0');
    EXPECT_THROW(tprocs_pansichar::move_to_record("abcdefg", record, sizeof record), tvelmor_exception);

    std::string_view text = "key=value";
    const char* p = text.data();
    EXPECT_TRUE(tprocs_pansichar::scan_to_char(p, text.data() + text.size(), '='));
    EXPECT_EQ(p - text.data(), 3);
    EXPECT_EQ(tprocs_pansichar::pos_to_char(text, '='), 3);
    EXPECT_EQ(tprocs_pansichar::pos_to_char(text, '#'), -1);
}

}  // namespace
