#include <gtest/gtest.h>

#include "temp_folder.h"
#include "xml/procs_parser.h"

namespace {

// Reads tokens in one mode and describes each as "type:text@line:column".
std::vector<std::string> tokens(const std::string& afile, int astate) {
    tparser_generic parser(new tstreamchar_ansi_fileread(afile), false, true);
    std::vector<std::string> result;
    while (parser.can_read_token(astate)) {
        result.push_back(tprocs_parser::get_token_type_denote(parser) + ":" + parser.get_token_asansistring() + "@" +
                         std::to_string(parser.flineno) + ":" + std::to_string(parser.fline_pos_read));
    }
    return result;
}

}  // namespace

TEST(Parser, TagModeSplitsATagIntoTokens) {
    ttemp_folder dir;
    const std::string file = dir.write("t.xml", "<dom name=\"a/>b c\" x_1 42/></ =\r\n/x<");
    const std::vector<std::string> want = {
        "TagStart:<@1:1",     "Identifier:dom@1:2",  "Identifier:name@1:6", "SingleChar:=@1:10",
        "String:a/>b c@1:11", "Identifier:x_1@1:20", "Integer:42@1:24",     "TagEndTerm:/>@1:26",
        "TagTerm:</@1:28",    "SingleChar:=@1:31",   "Newline:\r\n@1:32",   "SingleChar:/@2:1",
        "Identifier:x@2:2",
    };
    // The final "<" needs one more character to be told apart from "</" or "<!--": it is dropped.
    EXPECT_EQ(tokens(file, 1), want);
}

TEST(Parser, ContentModeDropsBlankTextAndKeepsOtherText) {
    ttemp_folder dir;
    const std::string file = dir.write("c.xml", "\r\n  <\r\n  hello \r\n<</");
    const std::vector<std::string> want = {"TagStart:<@2:3", "Text:\r\n  hello \r\n@2:4", "TagStart:<@4:1",
                                           "TagTerm:</@4:2"};
    EXPECT_EQ(tokens(file, 0), want);
}

TEST(Parser, CrLfCountsOneLineAndBareLineFeedsCountInText) {
    ttemp_folder dir;
    EXPECT_EQ(tokens(dir.write("crlf.xml", "\r\n\r\n\r\n    <<"), 0), std::vector<std::string>{"TagStart:<@4:5"});
    EXPECT_EQ(tokens(dir.write("lf.xml", " \n\n  x\n<"), 0), std::vector<std::string>{"Text: \n\n  x\n@1:1"});
    tparser_generic parser(new tstreamchar_ansi_fileread(dir.write("lf2.xml", " \n\n  x\n<")), false, true);
    ASSERT_TRUE(parser.can_read_token(0));
    EXPECT_EQ(parser.flineno_working, 4);
}

TEST(Parser, ABareLineFeedIsALineBreakInContentAndInTags) {
    ttemp_folder dir;
    EXPECT_EQ(tokens(dir.write("lf.xml", "\n\n  <<"), 0), std::vector<std::string>{"TagStart:<@3:3"});
    EXPECT_EQ(tokens(dir.write("lft.xml", "a\nb\r\nc "), 1),
              (std::vector<std::string>{"Identifier:a@1:1", "Newline:\n@1:2", "Identifier:b@2:1", "Newline:\r\n@2:2",
                                        "Identifier:c@3:1"}));
}

TEST(Parser, ContentModeRefusesTextRightAfterATagAndNamesControlCharacters) {
    ttemp_folder dir;
    struct tcase { const char* name; std::string text; std::string message; };
    const tcase cases[] = {
        {"letter", "x<", "unexpected \"x\" in tparser_generic.can_read_token();"},
        {"form feed", "\f<", "unexpected form feed in tparser_generic.can_read_token();"},
        {"other control character", "\x01<", "unexpected control character 1 in tparser_generic.can_read_token();"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tparser_generic parser(new tstreamchar_ansi_fileread(dir.write("x.xml", c.text)), false, true);
        EXPECT_EQ(message_of([&] { parser.can_read_token(0); }), c.message);
        EXPECT_EQ(parser.fline_pos_read, 1);
    }
}

TEST(Parser, CommentsAreOneTokenUntilDoubleHyphenAndAngle) {
    ttemp_folder dir;
    EXPECT_EQ(tokens(dir.write("c1.xml", "<!-- a - b -- c\r\n -->"), 0),
              std::vector<std::string>{"Comment:<!-- a - b -- c\r\n -->@1:1"});
    // "<!" and "<!-" without the second hyphen are a plain "<" and the rest is read again.
    EXPECT_EQ(tokens(dir.write("c2.xml", "<!x "), 1),
              (std::vector<std::string>{"TagStart:<@1:1", "SingleChar:!@1:2", "Identifier:x@1:3"}));
    EXPECT_EQ(tokens(dir.write("c3.xml", "<!-x "), 1),
              (std::vector<std::string>{"TagStart:<@1:1", "SingleChar:!@1:2", "SingleChar:-@1:3", "Identifier:x@1:4"}));
    tparser_generic parser(new tstreamchar_ansi_fileread(dir.write("c4.xml", "<!-- never closed --")), false, true);
    EXPECT_EQ(message_of([&] { parser.can_read_token(0); }), "Unterminated XML Comment");
}

TEST(Parser, UnicodeParserKeepsTokensAsUtf16) {
    ttemp_folder dir;
    auto* stream = new tstreamchar_utf8_fileread(dir.write("u.xml", "<d name=\"Caf\xc3\xa9\"/>"));
    tparser_generic parser(stream, true, true);
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(parser.can_read_token(1));
    EXPECT_EQ(parser.ftoken_type, tt_string);
    EXPECT_EQ(parser.get_token_asunicodestring(), u"Caf\u00e9");
    EXPECT_EQ(parser.get_token_asansistring(), "Caf\xc3\xa9");
}

TEST(ProcsParser, TokenDescriptionsNameTheTokenForMessages) {
    ttemp_folder dir;
    tparser_generic parser(new tstreamchar_ansi_fileread(dir.write("d.xml", "= ab 12 \"s\" \r> /> </ <!---->")),
                           false, true);
    std::vector<std::string> got;
    while (parser.can_read_token(1)) got.push_back(tprocs_parser::get_token_denote(parser));
    const std::vector<std::string> want = {"Character [=]", "Identifer [ab]", "Number [12]", "String [s]",
                                           "Newline", "End Tag [>]", "End Tag Terminate [/>]", "Terminate Tag [</]",
                                           "Comment [<!---->]"};
    EXPECT_EQ(got, want);
    parser.ftoken_type = tt_float;
    EXPECT_EQ(tprocs_parser::get_token_denote(parser), "??");
    EXPECT_EQ(tprocs_parser::get_token_type_denote(tt_float, 2, true), "Float.2dp.-ve");
    EXPECT_EQ(tprocs_parser::get_token_type_denote(tt_integer, 0, true), "Integer.-ve");
    EXPECT_EQ(tprocs_parser::get_token_type_denote(tt_percentage, 0, true), "Percentage");
    EXPECT_EQ(tprocs_parser::get_token_type_denote(static_cast<ttoken_type>(20), 0, false), "??");
}
