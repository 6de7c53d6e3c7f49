#include <gtest/gtest.h>

#include "temp_folder.h"
#include "xml/streamchar.h"

namespace {

std::u16string read_all_w(tstreamchar_generic& astream) {
    std::u16string result;
    char16_t c = 0;
    while (astream.read_char_w(c)) result.push_back(c);
    return result;
}

}  // namespace

TEST(StreamChar, AnsiReaderHandsOutEveryByteAcrossBlocks) {
    ttemp_folder dir;
    for (size_t len : {0u, 1u, 8u, 9u, 16u, 21u}) {
        SCOPED_TRACE(len);
        std::string bytes;
        for (size_t i = 0; i < len; ++i) bytes.push_back(static_cast<char>(0x30 + i * 7));
        tstreamchar_ansi_fileread stream(dir.write("a.txt", bytes));
        std::string got;
        char c = 0;
        while (stream.read_char_a(c)) got.push_back(c);
        EXPECT_EQ(got, bytes);
        EXPECT_FALSE(stream.read_char_a(c));
        EXPECT_FALSE(stream.is_unicode());
    }
}

TEST(StreamChar, MissingFileIsReportedByName) {
    ttemp_folder dir;
    const std::string name = (dir.path() / "none.ini").string();
    EXPECT_EQ(message_of([&] { tstreamchar_ansi_fileread s(name); }), "Unable to Open File \"" + name + "\".");
    EXPECT_EQ(message_of([&] { tstreamchar_utf8_fileread s(name); }), "Unable to Open File \"" + name + "\".");
}

// Multi-byte characters placed so that they straddle the 8-byte block boundaries.
TEST(StreamChar, Utf8ReaderDecodesCharactersSplitAcrossBlocks) {
    struct tcase { const char* name; std::string utf8; };
    const tcase cases[] = {
        {"ascii exactly one block", "abcdefgh"},
        {"two-byte at boundary", "abcdefg\xc3\xa9xyz"},
        {"three-byte at boundary", "abcdef\xe2\x82\xac!"},
        {"four-byte surrogate pair over boundary", "abcdef\xf0\x9f\x98\x80tail"},
        {"complete sequence ending the block is carried", "abcdef\xc3\xa9"
                                                          "12345678"},
        {"only multi-byte", "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xe2\x82\xac"},
        {"empty", ""},
    };
    ttemp_folder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tstreamchar_utf8_fileread stream(dir.write("u.txt", c.utf8));
        EXPECT_EQ(read_all_w(stream), utf8_to_utf16(c.utf8));
        EXPECT_TRUE(stream.is_unicode());
    }
}

TEST(StreamChar, MalformedUtf8IsRefusedInsteadOfGuessed) {
    struct tcase { const char* name; std::string bytes; };
    const tcase cases[] = {
        {"truncated at end of file", "<a>\xe2\x82"},
        {"lone continuation bytes filling blocks", std::string(24, '\x80')},
        {"lead byte followed by continuations only", "\xf0" + std::string(15, '\x80')},
        {"overlong form", "ab\xc0\xaf"},
        {"encoded surrogate", "ab\xed\xa0\x80"},
        {"lead byte then ascii", "ab\xc3z"},
    };
    ttemp_folder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(message_of([&] {
                      tstreamchar_utf8_fileread stream(dir.write("bad.txt", c.bytes));
                      read_all_w(stream);
                  }),
                  "Invalid UTF-8 sequence in tstreamchar_utf8_fileread.read_char_w();");
    }
}

TEST(StreamChar, PreambleTakesTheFirstCharacterWhateverItIs) {
    ttemp_folder dir;
    tstreamchar_utf8_fileread with_bom(dir.write("bom.xml", "\xef\xbb\xbf<a/>"));
    with_bom.read_preamble();
    EXPECT_EQ(with_bom.get_preamble(), u'\xfeff');
    EXPECT_EQ(read_all_w(with_bom), u"<a/>");

    tstreamchar_utf8_fileread without_bom(dir.write("plain.xml", "<a/>"));
    without_bom.read_preamble();
    EXPECT_EQ(read_all_w(without_bom), u"a/>");
    EXPECT_EQ(message_of([&] { without_bom.read_preamble(); }),
              "Illegal read_preamble(); on preamble_read in tstreamchar_utf8_fileread.read_preamble();");
}

TEST(StreamChar, OperationsAStreamDoesNotSupportRaise) {
    ttemp_folder dir;
    tstreamchar_generic generic;
    tstreamchar_ansi_fileread ansi(dir.write("a.txt", "x"));
    char a = 0;
    char16_t w = 0;
    EXPECT_EQ(message_of([&] { generic.read_preamble(); }), "tstreamchar_generic.read_preamble() not implemented.");
    EXPECT_EQ(message_of([&] { generic.read_char_a(a); }), "tstreamchar_generic.read_char_a() not implemented.");
    EXPECT_EQ(message_of([&] { ansi.read_char_w(w); }), "tstreamchar_ansi_fileread.read_char_w() not implemented.");
    EXPECT_EQ(message_of([&] { ansi.read_preamble(); }), "tstreamchar_ansi_fileread.read_preamble() not implemented.");
}
