// Wrapping a memo's text into display lines. On the recording canvas with its default font a
// character is 6 pixels wide, so a width of 18 holds three.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/recording_canvas.h"
#include "controls/text_controls.h"
#include "kerning_canvas.h"
#include "procs/message_format.h"

namespace {

struct tline {
    std::string text;
    int32_t pos;
};

std::vector<tline> lines_of(const tvelmor_memo& amemo) {
    std::vector<tline> result;
    for (const tdisplayln& line : amemo.displaylns) {
        EXPECT_EQ(static_cast<int16_t>(line.text.size()), line.len);
        EXPECT_EQ(line.text.size(), line.extents.size());
        result.push_back({utf16_to_utf8(line.text), line.pos});
    }
    return result;
}

// Wraps a memo's first text at the given width, then puts the second text in its place without
// re-wrapping, as an edit does before the wrap from its caret line.
void wrap_then_change(tvelmor_memo& amemo, tcanvas& acanvas, const std::u16string& awrapped,
                      const std::u16string& achanged, int32_t awidth) {
    amemo.text = awrapped;
    amemo.calculate_line_extents(acanvas, awidth);
    amemo.text = achanged;
}

std::string describe(const std::vector<tline>& alines) {
    std::string s;
    for (const tline& l : alines) s += "[" + l.text + "]@" + std::to_string(l.pos) + " ";
    return s;
}

TEST(MemoWrap, TextIsSplitAtLineBreaksAndWhereTheNextCharacterWouldPassTheWidth) {
    struct tcase {
        const char* name;
        std::u16string text;
        int32_t width;
        std::vector<tline> expected;
    };
    const tcase cases[] = {
        {"empty text gives one empty line", u"", 100, {{"", 1}}},
        {"CR LF is one break", u"ab\r\ncd", 100, {{"ab", 1}, {"cd", 5}}},
        {"lone CR and lone LF each break", u"ab\rcd\nef", 100, {{"ab", 1}, {"cd", 4}, {"ef", 7}}},
        {"LF CR is two breaks", u"a\n\rb", 100, {{"a", 1}, {"", 3}, {"b", 4}}},
        {"a final break leaves an empty last line", u"ab\r", 100, {{"ab", 1}, {"", 4}}},
        {"only breaks", u"\r\n\r\n", 100, {{"", 1}, {"", 3}, {"", 5}}},
        {"long line broken at any character", u"abcdefgh", 18, {{"abc", 1}, {"def", 4}, {"gh", 7}}},
        {"no preference for word boundaries", u"ab cd", 18, {{"ab ", 1}, {"cd", 4}}},
        {"an extent equal to the width still fits", u"abcd", 18, {{"abc", 1}, {"d", 4}}},
        {"a width below one character keeps one a line", u"abc", 3, {{"a", 1}, {"b", 2}, {"c", 3}}},
        {"a wrapped line then a break", u"abcd\re", 18, {{"abc", 1}, {"d", 4}, {"e", 6}}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tvelmor_memo memo(nullptr);
        memo.text = c.text;
        trecording_canvas canvas;
        memo.calculate_line_extents(canvas, c.width);
        EXPECT_EQ(describe(c.expected), describe(lines_of(memo)));
        EXPECT_TRUE(memo.displaylns_match_text());
    }
}

TEST(MemoWrap, DisplayLinesNoLongerMatchATextChangedWithoutARewrap) {
    struct tcase {
        const char* name;
        std::u16string wrapped, changed;
    };
    const tcase cases[] = {
        {"same length, other characters", u"ab\rcd", u"ab\rcx"},
        {"a break added at the end", u"ab", u"ab\r"},
        {"a break became a character", u"ab\rcd", u"ab cd"},
        {"text removed", u"abcdefgh", u"abc"},
        {"text appended", u"ab", u"abc"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tvelmor_memo memo(nullptr);
        trecording_canvas canvas;
        wrap_then_change(memo, canvas, c.wrapped, c.changed, 18);
        EXPECT_FALSE(memo.displaylns_match_text());
    }
    EXPECT_FALSE(tvelmor_memo(nullptr).displaylns_match_text());
}

TEST(MemoWrap, ExtentsAreMeasuredInPairsFromEachLinesStart) {
    tvelmor_memo memo(nullptr);
    memo.text = u"abcd\refghi";
    tkerning_canvas canvas;
    memo.calculate_line_extents(canvas, 26);
    ASSERT_EQ(3, memo.line_count());
    // extents[i] = width(text[i-1..i]) + extents[i-2]: 7, 13, 13 + 7, 13 + 13.
    EXPECT_EQ((std::vector<int16_t>{7, 13, 20, 26}), memo.displaylns[0].extents);
    EXPECT_EQ((std::vector<int16_t>{7, 13, 20, 26}), memo.displaylns[1].extents);
    EXPECT_EQ(u"i", memo.get_displayln_text(2));
    EXPECT_EQ(20, memo.get_displayln_text_extent(1, 3));
    EXPECT_EQ(0, memo.get_displayln_text_extent(1, 0));
    EXPECT_EQ(26, memo.get_displayln_text_extent(1, 99));
    EXPECT_EQ(0, memo.get_displayln_text_extent(7, 1));
    EXPECT_EQ(u"", memo.get_displayln_text(7));
}

TEST(MemoWrap, RewrappingFromALineKeepsEarlierLinesAndContinuesAfterTheLineBefore) {
    struct tcase {
        const char* name;
        std::u16string before, after;
        int32_t from;
        std::vector<tline> expected;
    };
    const tcase cases[] = {
        {"after a break", u"ab\rcd\ref", u"ab\rcXd\ref", 1, {{"ab", 1}, {"cXd", 4}, {"ef", 8}}},
        {"after a CR LF", u"ab\r\ncd", u"ab\r\ncdefg", 1, {{"ab", 1}, {"cde", 5}, {"fg", 8}}},
        {"after a wrapped line", u"abcdef", u"abcdXef", 1, {{"abc", 1}, {"dXe", 4}, {"f", 7}}},
        {"a break typed at the end", u"ab", u"ab\r", 1, {{"ab", 1}, {"", 4}}},
        {"line past the last", u"ab\rcd", u"ab\rcd", 9, {{"ab", 1}, {"cd", 4}}},
        {"line 0 rebuilds all", u"ab", u"xy\rz", 0, {{"xy", 1}, {"z", 4}}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tvelmor_memo memo(nullptr);
        trecording_canvas canvas;
        wrap_then_change(memo, canvas, c.before, c.after, 18);
        memo.calculate_line_extents_fromline(canvas, 18, c.from);
        EXPECT_EQ(describe(c.expected), describe(lines_of(memo)));
    }
}

TEST(MemoWrap, AWrapThatLeavesFewerLinesKeepsTheCaretAndTopLineOnExistingLines) {
    tvelmor_memo memo(nullptr);
    trecording_canvas canvas;
    memo.text = u"a\rb\rc\rd";
    memo.calculate_line_extents(canvas, 100);
    memo.cursor_lineno = 3;
    memo.line_top = 2;
    memo.text = u"a";
    memo.calculate_line_extents(canvas, 100);
    EXPECT_EQ(0, memo.cursor_lineno);
    EXPECT_EQ(0, memo.line_top);
}

TEST(MemoModel, SetTextResetsCaretScrollAndSelectionAndDropsTheOldLines) {
    tvelmor_memo memo(nullptr);
    trecording_canvas canvas;
    memo.text = u"a\rb\rc";
    memo.calculate_line_extents(canvas, 100);
    memo.cursor_lineno = 2;
    memo.cursor_pos = 1;
    memo.line_top = 1;
    memo.selectedall = true;
    memo.set_text(u"new");
    EXPECT_EQ(u"new", memo.text);
    EXPECT_EQ(0, memo.line_count());
    EXPECT_EQ(0, memo.cursor_lineno);
    EXPECT_EQ(0, memo.cursor_pos);
    EXPECT_EQ(0, memo.line_top);
    EXPECT_FALSE(memo.selectedall);
    memo.set_line_count_visible(-3);
    EXPECT_EQ(0, memo.line_count_visible);
}

}  // namespace
