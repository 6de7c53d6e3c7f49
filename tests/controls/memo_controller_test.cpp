// The memo controller: text changes at the caret with the re-wrap that follows, caret moves, and
// the lines each key redraws. On the recording canvas an arial 11 character is 7 pixels wide.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/controllers.h"
#include "controls/font_code.h"
#include "controls/memo_renderer.h"
#include "controls/text_controls.h"
#include "controls/theme.h"
#include "input_controller_fixture.h"
#include "procs/message_format.h"
#include "values/validators.h"
#include "values/values_simple.h"

using namespace input_test;

namespace {

const int32_t arial11 = font_code_from_text("arial;11");

// The real wrapping, with the redraws written to the log.
class trecording_memo_renderer : public tvelmor_render_memo_standard {
public:
    explicit trecording_memo_renderer(tlog& alog) : flog(alog) {}
    void redraw_line(tcanvas&, tvelmor_memo&, tvelmor_theme_memo*, const trect&, int32_t alineno) const override {
        flog.push_back("line " + std::to_string(alineno));
    }
    void redraw_cursor_pos(tcanvas&, tvelmor_memo&, tvelmor_theme_memo*, const trect&, bool as_move_left,
                           int32_t alen) const override {
        flog.push_back(std::string("caret ") + (as_move_left ? "left " : "right ") + std::to_string(alen));
    }
    void draw_memo(int32_t&, tcanvas&, tvelmor_memo&, tvelmor_theme_memo*, const trect&) const override {
        flog.push_back("memo");
    }

private:
    tlog& flog;
};

struct tcaret {
    int32_t line, pos, top;
    bool operator==(const tcaret&) const = default;
};

void PrintTo(const tcaret& c, std::ostream* os) { *os << "(" << c.line << ", " << c.pos << ", top " << c.top << ")"; }

// Rows 20 high, three shown. A narrow memo wraps after four characters (28 pixels); a wide one
// holds twenty.
constexpr int32_t narrow = 40, wide = 152;

class MemoController : public ::testing::Test {
protected:
    MemoController() {
        theme.font = arial11;
        theme.classrender = &renderer;
        memo.tag = 105;
        memo.row_height = 20;
        memo.is_focused = true;
    }
    void setup(const std::u16string& atext, tcaret acaret, int32_t awidth = narrow) {
        rect = {0, 0, awidth, 61};
        memo.set_text(atext);
        renderer.handle_resize(font_tag, canvas, memo, &theme, rect);
        memo.cursor_lineno = static_cast<int16_t>(acaret.line);
        memo.cursor_pos = static_cast<int16_t>(acaret.pos);
        memo.line_top = acaret.top;
        page.log.clear();
    }
    bool key(uint16_t akey, tshift_state ashift = 0, bool as_readonly = false) {
        return tvelmor_controller_memo::handle_keydown(font_tag, canvas, memo, &theme, rect, as_readonly, akey, ashift,
                                                       false, nullptr);
    }
    tcaret caret() const { return {memo.cursor_lineno, memo.cursor_pos, memo.line_top}; }
    // The display lines joined by "|".
    std::string lines() const {
        std::string s;
        for (const tdisplayln& line : memo.displaylns) s += (s.empty() ? "" : "|") + utf16_to_utf8(line.text);
        return s;
    }
    std::string text() const { return utf16_to_utf8(memo.text); }

    tuse_platform platform;
    tinput_owner page;
    trecording_memo_renderer renderer{page.log};
    tvelmor_theme_memo theme;
    tvelmor_memo memo{&page};
    trecording_canvas canvas;
    int32_t font_tag = 0;
    trect rect;
};

TEST_F(MemoController, TypingInsertsAtTheCaretRewrapsAndRedrawsFromTheCaretLineDown) {
    struct tcase {
        const char* name;
        std::u16string text;
        tcaret before;
        std::string lines;
        tcaret after;
        tlog drawn;
    };
    const tcase cases[] = {
        {"inside a line pushes the rest on", u"abcdefghij", {0, 1, 0}, "axbc|defg|hij", {0, 2, 0},
         {"line 0", "line 1", "line 2"}},
        {"at the end of a full line the caret follows the character", u"abcd", {0, 4, 0}, "abcd|x", {1, 1, 0},
         {"line 0", "line 1"}},
        {"past the last shown line the memo scrolls", u"abcdefghijkl", {2, 4, 0}, "abcd|efgh|ijkl|x", {3, 1, 1},
         {"line 1", "line 2", "line 3"}},
        {"after a line break", u"ab\r\ncd", {1, 0, 0}, "ab|xcd", {1, 1, 0}, {"line 1"}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        setup(c.text, c.before);
        EXPECT_TRUE(key(key_x));
        EXPECT_EQ(c.lines, lines());
        EXPECT_EQ(c.after, caret());
        EXPECT_EQ(c.drawn, page.log);
        EXPECT_TRUE(memo.displaylns_match_text());
    }
}

TEST_F(MemoController, CtrlEnterSplitsTheLineAtTheCaretAndEnterAloneMovesTheFocus) {
    setup(u"abcdefgh", {0, 2, 0});
    EXPECT_TRUE(key(key_enter, ss_ctrl));
    EXPECT_EQ("ab\rcdefgh", text());
    EXPECT_EQ("ab|cd|efgh", lines());
    EXPECT_EQ((tcaret{1, 0, 0}), caret());
    EXPECT_EQ((tlog{"line 0", "line 1", "line 2"}), page.log);
    // The split lines describe the text exactly, so later edits find their places.
    EXPECT_TRUE(memo.displaylns_match_text());
    EXPECT_EQ((std::vector<int16_t>{7, 14}), memo.displaylns[1].extents);
    key(key_x);
    EXPECT_EQ("ab\rxcdefgh", text());

    page.log.clear();
    EXPECT_TRUE(key(key_enter));
    EXPECT_EQ(tlog{"focus next"}, page.log);
    EXPECT_EQ("ab\rxcdefgh", text());
}

TEST_F(MemoController, CtrlEnterOnTheLastShownLineScrollsToTheNewLine) {
    setup(u"abcdefghijkl", {2, 2, 0});
    key(key_enter, ss_ctrl);
    EXPECT_EQ("abcd|efgh|ij|kl", lines());
    EXPECT_EQ((tcaret{3, 0, 1}), caret());
    EXPECT_EQ((tlog{"line 1", "line 2", "line 3"}), page.log);
}

TEST_F(MemoController, BackspaceAndDeleteRemoveAroundTheCaret) {
    struct tcase {
        const char* name;
        std::u16string text;
        tcaret before;
        uint16_t key;
        std::string after_text;
        tcaret after;
        tlog drawn;
    };
    const tcase cases[] = {
        {"Backspace removes the character before the caret", u"ab\rcd", {1, 1, 0}, key_back, "ab\rd", {1, 0, 0},
         {"line 1"}},
        {"Backspace at the start of a line does nothing", u"ab\rcd", {1, 0, 0}, key_back, "ab\rcd", {1, 0, 0}, {}},
        {"Delete removes the character at the caret", u"abc", {0, 1, 0}, key_delete, "ac", {0, 1, 0}, {"line 0"}},
        {"Delete at a line end joins the lines; CR LF goes as one", u"ab\r\ncd", {0, 2, 0}, key_delete, "abcd",
         {0, 2, 0}, {"memo"}},
        {"Delete at the end of the text does nothing", u"ab", {0, 2, 0}, key_delete, "ab", {0, 2, 0}, {}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        setup(c.text, c.before);
        EXPECT_TRUE(key(c.key));
        EXPECT_EQ(c.after_text, text());
        EXPECT_EQ(c.after, caret());
        EXPECT_EQ(c.drawn, page.log);
        EXPECT_TRUE(memo.displaylns_match_text());
    }
}

TEST_F(MemoController, CaretKeysMoveTheCaretAndRedrawWhatTheMoveTouched) {
    // Five lines, three shown.
    const std::u16string text = u"one two  three\rb\rc\rd\ree";
    struct tcase {
        const char* name;
        uint16_t key;
        tshift_state shift;
        tcaret before, after;
        tlog drawn;
    };
    const tcase cases[] = {
        {"Left", key_left, 0, {0, 3, 0}, {0, 2, 0}, {"caret left 1"}},
        {"Left at 0 stays on its line", key_left, 0, {1, 0, 0}, {1, 0, 0}, {}},
        {"Right", key_right, 0, {0, 0, 0}, {0, 1, 0}, {"caret right 1"}},
        {"Right at the end", key_right, 0, {1, 1, 0}, {1, 1, 0}, {}},
        {"Up within the view", key_up, 0, {2, 1, 0}, {1, 0, 0}, {"line 2", "line 1"}},
        {"Up from the top line shown scrolls", key_up, 0, {3, 1, 3}, {2, 0, 2}, {"line 2", "line 3", "line 4"}},
        {"Up on line 0", key_up, 0, {0, 2, 0}, {0, 2, 0}, {}},
        {"Down within the view", key_down, 0, {0, 5, 0}, {1, 0, 0}, {"line 0", "line 1"}},
        {"Down from the last line shown scrolls", key_down, 0, {2, 0, 0}, {3, 0, 1}, {"line 1", "line 2", "line 3"}},
        {"Down on the last line", key_down, 0, {4, 0, 2}, {4, 0, 2}, {}},
        {"Ctrl+Left over spaces to the word before", key_left, ss_ctrl, {0, 9, 0}, {0, 4, 0}, {"caret left 5"}},
        {"Ctrl+Left inside a word", key_left, ss_ctrl, {0, 6, 0}, {0, 4, 0}, {"caret left 2"}},
        {"Ctrl+Left at 0", key_left, ss_ctrl, {0, 0, 0}, {0, 0, 0}, {}},
        {"Ctrl+Right past the spaces", key_right, ss_ctrl, {0, 4, 0}, {0, 9, 0}, {"caret right 5"}},
        {"Ctrl+Right in the last word", key_right, ss_ctrl, {0, 10, 0}, {0, 14, 0}, {"caret right 4"}},
        {"Home", key_home, 0, {0, 5, 0}, {0, 0, 0}, {"line 0"}},
        {"End", key_end, 0, {0, 5, 0}, {0, 14, 0}, {"line 0"}},
        {"Home at 0", key_home, 0, {1, 0, 0}, {1, 0, 0}, {}},
        {"Ctrl+Home in view", key_home, ss_ctrl, {1, 1, 0}, {0, 0, 0}, {"line 1", "line 0"}},
        {"Ctrl+Home scrolled", key_home, ss_ctrl, {4, 1, 2}, {0, 0, 0}, {"line 0", "line 1", "line 2"}},
        {"Ctrl+End scrolls to the end", key_end, ss_ctrl, {0, 0, 0}, {4, 2, 2}, {"line 2", "line 3", "line 4"}},
        {"Ctrl+End in view", key_end, ss_ctrl, {3, 0, 2}, {4, 2, 2}, {"line 3", "line 4"}},
        {"Ctrl+End on the last line", key_end, ss_ctrl, {4, 0, 2}, {4, 2, 2}, {"line 4"}},
        {"Ctrl+End at the end", key_end, ss_ctrl, {4, 2, 2}, {4, 2, 2}, {}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        setup(text, c.before, wide);
        EXPECT_TRUE(key(c.key, c.shift));
        EXPECT_EQ(c.after, caret());
        EXPECT_EQ(c.drawn, page.log);
        EXPECT_EQ(utf16_to_utf8(text), this->text());
    }
}

TEST_F(MemoController, KeysAreTakenOnlyWithTheModifiersThatGoWithThem) {
    struct tcase {
        const char* name;
        uint16_t key;
        tshift_state shift;
        bool caps;
        bool used;
        std::string text;
        tlog heard;
    };
    const tcase cases[] = {
        {"letter", key_a, 0, false, true, "a", {}},
        {"Shift+letter", key_a, ss_shift, false, true, "A", {}},
        {"Shift+letter with Caps Lock", key_a, ss_shift, true, true, "a", {}},
        {"Shift+1", key_1, ss_shift, false, true, "!", {}},
        {"space", key_space, 0, false, true, " ", {}},
        {"Shift+Space", key_space, ss_shift, false, false, "", {}},
        {"Alt+letter", key_a, ss_alt, false, false, "", {}},
        {"Ctrl+letter", key_a, ss_ctrl, false, false, "", {}},
        {"Ctrl+Shift+Home", key_home, ss_ctrl | ss_shift, false, false, "", {}},
        {"Ctrl+Up", key_up, ss_ctrl, false, false, "", {}},
        {"key 192", key_backtick, 0, false, true, "`", {}},
        {"Shift+key 222", 222, ss_shift, false, true, "\"", {}},
        {"Tab", key_tab, 0, false, true, "", {"focus next"}},
        {"Shift+Tab", key_tab, ss_shift, false, true, "", {"focus prior"}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        setup(u"", {0, 0, 0});
        platform.platform.caps = c.caps;
        EXPECT_EQ(c.used, key(c.key, c.shift));
        EXPECT_EQ(c.text, text());
        tlog heard;
        for (const std::string& line : page.log)
            if (line.rfind("line", 0) != 0) heard.push_back(line);
        EXPECT_EQ(c.heard, heard);
    }
}

TEST_F(MemoController, OnAReadOnlyPageTheTextStaysButTheCaretMoves) {
    for (uint16_t k : {key_x, key_back, key_delete}) {
        setup(u"abc", {0, 1, 0});
        EXPECT_TRUE(key(k, 0, true));
        EXPECT_EQ("abc", text());
        EXPECT_EQ(tlog{}, page.log);
    }
    EXPECT_TRUE(key(key_enter, ss_ctrl, true));
    EXPECT_EQ("abc", text());
    EXPECT_TRUE(key(key_right, 0, true));
    EXPECT_EQ((tcaret{0, 2, 0}), caret());
}

TEST_F(MemoController, CharactersDeliveredAsTextTypeAtTheCaretUnlessRefused) {
    tvalue_unicodestring value;
    tvalidator_unicodestring texts(value);
    tvalue_longint number;
    tvalidator_longint digits(number);
    struct tcase {
        const char* name;
        char16_t ch;
        bool readonly;
        tvalidator_generic* validator;
        bool used;
        std::string text;
    };
    const tcase cases[] = {
        {"accented letter", u'ø', false, nullptr, true, "aøbc"},
        {"Cyrillic letter into a text field", u'Ж', false, &texts, true, "aЖbc"},
        {"refused by the field's validator", u'é', false, &digits, false, "abc"},
        {"read-only page: used, nothing typed", u'é', true, &texts, true, "abc"},
        {"a control character", u'\x1b', false, nullptr, false, "abc"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        setup(u"abc", {0, 1, 0});
        EXPECT_EQ(c.used, tvelmor_controller_memo::handle_character(font_tag, canvas, memo, &theme, rect, c.readonly,
                                                                   c.ch, c.validator));
        EXPECT_EQ(c.text, text());
    }
    EXPECT_EQ((tcaret{0, 1, 0}), caret());
}

TEST_F(MemoController, TextAssignedWithoutAWrapIsWrappedBeforeTheKeyAndASelectionIsReplaced) {
    setup(u"", {0, 0, 0});
    memo.text = u"abcdef";  // as a field link fills it
    memo.set_selectedall(true);
    key(key_x);
    EXPECT_EQ("x", text());
    EXPECT_EQ("x", lines());
    EXPECT_EQ((tcaret{0, 1, 0}), caret());
    EXPECT_FALSE(memo.selectedall);
    EXPECT_EQ(tlog{"memo"}, page.log);  // two lines became one
}

}  // namespace
