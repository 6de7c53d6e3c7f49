#include <gtest/gtest.h>

#include "procs/message_format.h"
#include "procs/procs_string.h"

namespace {

using tstr = tprocs_ansistring;
using twide = tprocs_unicodestring;

TEST(TextHelpers, ReadDelimitedWalksTokensForwardAndBackward) {
    struct tstep { const char* token; int32_t result; };
    const tstep forward[] = {{"a", 2}, {"b", 2}, {"c", 1}, {"", 0}};
    int32_t pos = 1;
    for (const auto& step : forward) {
        std::string token;
        EXPECT_EQ(tstr::can_read_delimited(token, "a;b;c", pos, ';'), step.result);
        if (step.result != 0) {
            EXPECT_EQ(token, step.token);
        }
    }
    const tstep backward[] = {{"cc", 2}, {"", 2}, {"a", 1}, {"", 0}};
    pos = 5;
    for (const auto& step : backward) {
        std::u16string token;
        EXPECT_EQ(twide::can_read_delimited_reverse(token, u"a;;cc", pos, u';'), step.result);
        if (step.result != 0) {
            EXPECT_EQ(token, utf8_to_utf16(step.token));
        }
    }
    std::string token;
    pos = 1;
    EXPECT_EQ(tstr::can_read_delimited(token, "", pos, ';'), 0);
}

TEST(TextHelpers, IncludeTrailingAppendsOnlyWhenMissing) {
    EXPECT_EQ(tstr::include_trailing("c:\\data\\", "\\"), "c:\\data\\");
    EXPECT_EQ(tstr::include_trailing("c:\\data", "\\"), "c:\\data\\");
    EXPECT_EQ(tstr::include_trailing("", "\\"), "\\");
    EXPECT_EQ(twide::include_trailing(u"/home/x/", u"/"), u"/home/x/");
}

TEST(TextHelpers, SelectionAndSmallBuilders) {
    const std::vector<std::string> names = {"zero", "one"};
    EXPECT_EQ(tstr::select_string(names, 1), "one");
    EXPECT_EQ(tstr::select_string(names, 2), "");
    EXPECT_EQ(tstr::select_string(names, -1, "none"), "none");
    EXPECT_EQ(tstr::if_then(true, "yes", "no"), "yes");
    EXPECT_EQ(tstr::if_then(false, "yes", "no"), "no");
    EXPECT_EQ(tstr::string_of_char('-', 3), "---");
    EXPECT_EQ(tstr::string_of_char('-', -1), "");
    EXPECT_EQ(tstr::capitalize("abc", 1), "Abc");
    EXPECT_EQ(tstr::capitalize("abc", 0), "abc");
    EXPECT_EQ(twide::capitalize(u"\u00e9t\u00e9", 1), u"\u00e9t\u00e9");
}

TEST(TextHelpers, IdentifiersAndHexValues) {
    struct tcase { const char* text; bool identifier; };
    const tcase identifiers[] = {{"recno", true}, {"_x1", true}, {"X_Y", true}, {"1x", false}, {"", false}, {"a-b", false}, {"a b", false}};
    for (const auto& c : identifiers) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(tstr::is_identifier(c.text), c.identifier);
    }
    uint32_t v = 7;
    EXPECT_TRUE(tstr::can_value_hex(v, "DeadBeef"));
    EXPECT_EQ(v, 0xdeadbeefu);
    EXPECT_TRUE(twide::can_value_hex(v, u""));
    EXPECT_EQ(v, 0u);
    EXPECT_FALSE(tstr::can_value_hex(v, "fg"));
    EXPECT_FALSE(tstr::can_value_hex(v, "123456789"));
}

TEST(TextHelpers, ReplacingAndCounting) {
    EXPECT_EQ(tstr::replace_text("a.b.c", ".", "::"), "a::b::c");
    EXPECT_EQ(tstr::replace_text("aaa", "aa", "b"), "ba");
    EXPECT_EQ(tstr::replace_text("abc", "", "x"), "abc");
    EXPECT_EQ(tstr::escape_as_c_string("one\\ntwo\\n"), "one\r\ntwo\r\n");
    EXPECT_TRUE(tstr::contains_char("a;b", ';'));
    EXPECT_FALSE(twide::contains_char(u"ab", u';'));
    EXPECT_EQ(tstr::count_char("a;b;;", ';'), 3);
    std::string text = "a/b/c";
    tstr::replace_char(text, '/', '\\');
    EXPECT_EQ(text, "a\\b\\c");
    EXPECT_EQ(twide::replace_char2(u"a/b", u'/', u'-'), u"a-b");
    EXPECT_EQ(tstr::index_ansichar("c", "abc"), 2);
    EXPECT_EQ(tstr::index_ansichar("z", "abc"), -1);
    EXPECT_EQ(tstr::index_ansichar("", "abc"), -1);
}

TEST(TextHelpers, EscapedValueShowsControlCharactersAsCodes) {
    EXPECT_EQ(tstr::get_escaped_value("a\tb c"), "a\\u0009b c");
    EXPECT_EQ(tstr::get_escaped_value("a\tb c", {sp_include_spaces}), "a\\u0009b\\u0020c");
    EXPECT_EQ(twide::get_escaped_value(u"\u00e9\u0085\u007f"), u"\u00e9\\u0085\\u007f");
    std::string buffer = "xx";
    size_t pos = 1;
    tstr::str_append_hex(buffer, pos, 0xab, 4);
    EXPECT_EQ(buffer, "x00ab");
    EXPECT_EQ(pos, 5u);
}

TEST(TextHelpers, ComparisonPutsMissingTextFirst) {
    const std::string a = "abc", b = "ABD", empty;
    struct tcase { const char* name; const std::string* lhs; const std::string* rhs; bool ci; tcompare_result want; };
    const tcase cases[] = {
        {"missing before empty", nullptr, &empty, false, cr_lessthan},
        {"empty after missing", &empty, nullptr, false, cr_greaterthan},
        {"both missing", nullptr, nullptr, false, cr_equals},
        {"upper case sorts first", &b, &a, false, cr_lessthan},
        {"without case c before d", &a, &b, true, cr_lessthan},
        {"same", &a, &a, false, cr_equals},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tstr::compare(c.lhs, c.rhs, c.ci), c.want);
    }
    EXPECT_EQ(twide::compare(u"ab", u"abc"), cr_lessthan);
    EXPECT_EQ(twide::compare(u"ABC", u"abc", true), cr_equals);
    EXPECT_EQ(twide::compare(u"", u""), cr_equals);
    EXPECT_EQ(tstr::compare_l("abx", 2, "aby", 2), cr_equals);
}

TEST(TextHelpers, StartsWithHonoursItsOptions) {
    struct tcase { const char* line; tstring_options101 options; bool want; };
    const tcase cases[] = {
        {"<?xml version", {}, true},
        {"  <?xml", {}, false},
        {" \t<?xml", {so_skip_whitespace}, true},
        {"<?XML", {}, false},
        {"<?XML", {so_case_insensitive}, true},
        {"\t<?XmL", {so_case_insensitive, so_skip_whitespace}, true},
        {"<?x", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(tstr::is_starts_with(c.line, "<?xml", c.options), c.want);
    }
}

TEST(TextHelpers, TrimSpaceToNewlineRemovesBlankRunsEndingInALineBreak) {
    struct tcase { const char* name; const char* text; tstring_operations101 options; const char* want; };
    const tcase cases[] = {
        {"both ends", "  \r\n  text  \n   ", {}, "  text  "},
        {"no line break keeps blanks", "  text  ", {}, "  text  "},
        {"left only", "\n text \n", {sp_lhs_only}, " text \n"},
        {"right only", "\n text \r\n\t", {sp_rhs_only}, "\n text "},
        {"blank line", " \n", {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tstr::trim_space_to_newline(c.text, c.options), c.want);
    }
}

TEST(TextHelpers, BuffersBooleansAndWhitespace) {
    const char raw[] = {'a', 'b', 'c', '\0', 'd'};
    EXPECT_EQ(tstr::strpas_l(raw, 5), "abc");
    EXPECT_EQ(tstr::strpas_l(raw, 2), "ab");
    char small[4];
    EXPECT_TRUE(tstr::set_allocated_value(small, sizeof small, "abc"));
    EXPECT_STREQ(small, "abc");
    EXPECT_FALSE(tstr::set_allocated_value(small, sizeof small, "abcd"));
    EXPECT_STREQ(small, "abc");

    bool flag = false;
    EXPECT_TRUE(tstr::to_boolean(flag, "TrUe"));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(twide::to_boolean(flag, u"false"));
    EXPECT_FALSE(flag);
    EXPECT_FALSE(tstr::to_boolean(flag, "yes"));
    EXPECT_FALSE(tstr::to_boolean(flag, ""));

    EXPECT_TRUE(tstr::is_whitespace(""));
    EXPECT_TRUE(tstr::is_whitespace(" \t "));
    EXPECT_FALSE(tstr::is_whitespace(" x"));
    EXPECT_FALSE(tstr::is_whitespace("\n"));
}

}  // namespace
