// The memo renderer checked call by call on the recording canvas, where an arial 11 character is
// 7 pixels wide. The memo is 200 x 61 with rows of 20 pixels: three visible lines.
#include <gtest/gtest.h>

#include <string>

#include "controls/font_code.h"
#include "controls/memo_renderer.h"
#include "controls/procs_drawing.h"
#include "controls/recording_canvas.h"
#include "controls/text_controls.h"
#include "controls/theme.h"
#include "controls_test_support.h"
#include "procs/message_format.h"

namespace {

const int32_t arial11 = font_code_from_text("arial;11");
const trect memo_rect{0, 0, 200, 61};
constexpr tcolor memo_color = 15790320;
constexpr tcolor focused_color = 14733472;

std::string caret_at(int32_t ax, int32_t atop, int32_t abottom) {
    return "pen_style solid\npen_mode copy\npen_width 2\npen_color 0\nmove_to " + std::to_string(ax) + " " +
           std::to_string(atop) + "\nline_to " + std::to_string(ax) + " " + std::to_string(abottom) +
           "\npen_width 1\n";
}

// Plain text of line k of the memo's bands: inside (2, 2 + 20k, 198, 19 + 20k), written at
// (5, 16 + 20k).
std::string plain_line(int32_t ak, const std::string& atext, tcolor abackground) {
    const std::string top = std::to_string(2 + 20 * ak), bottom = std::to_string(19 + 20 * ak);
    return "brush_style solid\nbrush_color " + std::to_string(abackground) +
           "\ntext_color 0\ntext_align bottom-left\ntext_rect 2 " + top + " 198 " + bottom + " at 5 " +
           std::to_string(16 + 20 * ak) + " \"" + atext + "\"\n";
}

struct tmemo_fixture {
    explicit tmemo_fixture(const std::u16string& atext) {
        theme.font = arial11;
        theme.color = memo_color;
        theme.color_focused = focused_color;
        theme.color_selected = 255;
        theme.classrender = &renderer;
        memo.row_height = 20;
        memo.set_text(atext);
        renderer.handle_resize(font_tag, canvas, memo, &theme, memo_rect);
        canvas.clear();
    }

    tvelmor_render_memo_standard renderer;
    tvelmor_theme_memo theme;
    tvelmor_memo memo{nullptr};
    trecording_canvas canvas;
    int32_t font_tag = 0;
};

TEST(MemoRenderer, HandleResizeStoresTheVisibleLineCountAndWrapsToTheWidthLessTwelve) {
    tmemo_fixture f(u"abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(3, f.memo.line_count_visible);
    // 188 pixels hold 26 characters of 7; a 100-pixel memo wraps at 88: 12 characters a line.
    EXPECT_EQ(1, f.memo.line_count());
    f.renderer.handle_resize(f.font_tag, f.canvas, f.memo, &f.theme, {0, 0, 100, 41});
    EXPECT_EQ(2, f.memo.line_count_visible);
    EXPECT_EQ(88, f.memo.displayln_width);
    ASSERT_EQ(3, f.memo.line_count());
    EXPECT_EQ(u"abcdefghijkl", f.memo.get_displayln_text(0));
    EXPECT_EQ(u"yz", f.memo.get_displayln_text(2));
    f.memo.row_height = 0;  // an undeclared row height shows nothing rather than failing
    EXPECT_EQ(0, f.renderer.get_maximum_visible_linecount(f.memo, memo_rect));
}

TEST(MemoRenderer, DrawMemoFillsDrawsTheVisibleLinesFromTheTopLineAndFrames) {
    tmemo_fixture f(u"one\r\ntwo\rthree\nfour\rfive");
    f.memo.line_top = 1;
    f.font_tag = 0;
    f.renderer.draw_memo(f.font_tag, f.canvas, f.memo, &f.theme, memo_rect);
    EXPECT_EQ("font arial 11\nbrush_style solid\nbrush_color 15790320\nfill_rect 0 0 200 61\n" +
                  plain_line(0, "two", memo_color) + plain_line(1, "three", memo_color) +
                  plain_line(2, "four", memo_color) + "brush_color 0\nframe_rect 0 0 200 61\n",
              f.canvas.text());
}

TEST(MemoRenderer, AMemoWhoseTextWasSetOrAssignedIsWrappedBeforeItIsDrawn) {
    tmemo_fixture f(u"");
    f.memo.set_text(u"a\r\nb");
    EXPECT_EQ(0, f.memo.line_count());
    f.renderer.draw_memo(f.font_tag, f.canvas, f.memo, &f.theme, memo_rect);
    EXPECT_EQ(2, f.memo.line_count());
    EXPECT_NE(std::string::npos, f.canvas.text().find(plain_line(1, "b", memo_color))) << f.canvas.text();
    f.memo.text = u"c";  // assigned directly, as a field link does
    f.canvas.clear();
    f.renderer.draw_memo(f.font_tag, f.canvas, f.memo, &f.theme, memo_rect);
    EXPECT_EQ(1, f.memo.line_count());
    EXPECT_NE(std::string::npos, f.canvas.text().find(plain_line(0, "c", memo_color))) << f.canvas.text();
}

TEST(MemoRenderer, TheCaretLineOfAFocusedMemoOpensAWhiteStripWithTheCaretAndPushesTheRestRight) {
    tmemo_fixture f(u"hello");
    f.memo.is_focused = true;
    f.memo.cursor_pos = 2;
    f.renderer.draw_line(f.canvas, f.memo, &f.theme, {1, 1, 199, 20}, 0);
    // "he" is 14 pixels: clipped at 2 + 14 + 3, the strip 19..22, the caret two pixels into it.
    EXPECT_EQ("brush_style solid\nbrush_color 14733472\ntext_color 0\ntext_align bottom-left\n"
              "text_rect 2 2 19 19 at 5 16 \"he\"\n"
              "brush_color 16777215\nfill_rect 19 2 23 19\n" +
                  caret_at(21, 5, 15) + "brush_color 14733472\ntext_rect 23 2 198 19 at 23 16 \"llo\"\n",
              f.canvas.text());
}

TEST(MemoRenderer, AllSelectedLinesOfAFocusedMemoAreBoxedAndTheBoxStopsShortOfTheRightEdge) {
    struct tcase {
        const char* name;
        int32_t band_right;
        int32_t box_right;
    };
    const tcase cases[] = {
        {"box ends five pixels after the text", 199, 2 + 21 + 5},
        {"box clamped four pixels inside a narrow band", 25, 24 - 4},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tmemo_fixture f(u"abc");
        f.memo.is_focused = true;
        f.memo.selectedall = true;
        f.renderer.draw_line(f.canvas, f.memo, &f.theme, {1, 1, c.band_right, 20}, 0);
        EXPECT_EQ("brush_style solid\nbrush_color 14733472\nfill_rect 2 2 " + std::to_string(c.band_right - 1) +
                      " 19\nbrush_style solid\nbrush_color 255\ntext_color 16777215\ntext_align bottom-left\n"
                      "text_rect 2 2 " + std::to_string(c.box_right) + " 19 at 4 17 \"abc\"\n",
                  f.canvas.text());
    }
}

// A redrawn line must land exactly where the full paint put it, or its text shifts a pixel.
TEST(MemoRenderer, RedrawLineUsesTheFullPaintsBandAndSkipsLinesOutOfView) {
    tmemo_fixture f(u"l0\rl1\rl2\rl3\rl4");
    f.memo.line_top = 1;
    f.renderer.redraw_line(f.canvas, f.memo, &f.theme, memo_rect, 2);
    EXPECT_EQ(plain_line(1, "l2", memo_color), f.canvas.text());
    f.canvas.clear();
    for (int32_t lineno : {-1, 0, 4, 5}) f.renderer.redraw_line(f.canvas, f.memo, &f.theme, memo_rect, lineno);
    EXPECT_EQ("", f.canvas.text());
}

TEST(MemoRenderer, RedrawCursorPosRewritesThePassedCharactersWhereAFullLineDrawPutsThem) {
    struct tcase {
        const char* name;
        bool move_left;
        int16_t old_pos;
    };
    const tcase cases[] = {
        {"left from 3 to 2: 'l' now after the strip", true, 3},
        {"right from 1 to 2: 'e' now before the strip", false, 1},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tmemo_fixture f(u"x\rhello");
        f.memo.is_focused = true;
        f.memo.cursor_lineno = 1;
        f.memo.cursor_pos = 2;
        f.renderer.redraw_cursor_pos(f.canvas, f.memo, &f.theme, memo_rect, c.move_left,
                                     c.move_left ? c.old_pos - 2 : 2 - c.old_pos);
        const std::string text = f.canvas.text();
        // Band of line 1: (2, 22, 198, 39); clip from x1 to x2 of the passed characters.
        const std::string clip_left = c.move_left ? "23" : "12", clip_right = c.move_left ? "30" : "19";
        EXPECT_NE(std::string::npos, text.find("brush_color 14733472\ntext_color 0\ntext_align bottom-left\n"
                                                "text_rect " + clip_left + " 22 " + clip_right + " 39 at " +
                                                clip_left + " 36 \"" + (c.move_left ? "l" : "e") + "\"\n"))
            << text;
        EXPECT_NE(std::string::npos, text.find("brush_color 16777215\nfill_rect 19 22 23 39\n" + caret_at(21, 25, 35)))
            << text;
        // The full draw of the caret line puts the strip and the caret in the same place.
        f.canvas.clear();
        f.renderer.redraw_line(f.canvas, f.memo, &f.theme, memo_rect, 1);
        EXPECT_NE(std::string::npos, f.canvas.text().find("fill_rect 19 22 23 39\n" + caret_at(21, 25, 35)));
    }
}

TEST(MemoRenderer, TypedAndClearedCharactersUseTheMemosThemeColours) {
    tmemo_fixture f(u"ab");
    f.memo.is_focused = true;
    f.renderer.draw_single_char(f.canvas, {7, 0, 14, 20}, f.memo, u'b', &f.theme);
    EXPECT_EQ("brush_style solid\nbrush_color 14733472\ntext_color 0\ntext_align bottom-left\n"
              "text_rect 11 1 18 19 at 11 16 \"b\"\n" + caret_at(20, 4, 15),
              f.canvas.text());
    f.canvas.clear();
    f.memo.is_focused = false;
    f.renderer.clear_characters(f.canvas, {7, 0, 14, 20}, f.memo, &f.theme);
    EXPECT_EQ(0u, f.canvas.text().find("brush_style solid\nbrush_color 15790320\nfill_rect 11 1 18 19\n"))
        << f.canvas.text();
}

TEST(MemoRenderer, RecalculateFromALineKeepsTheLinesBeforeItAndAppliesTheFont) {
    tmemo_fixture f(u"first\rsecond");
    f.memo.text = u"first\rsec\rond";  // an edit on line 1 split it
    f.font_tag = 0;
    f.renderer.recalculate_displaylns(f.font_tag, f.canvas, f.memo, &f.theme, memo_rect, 1);
    EXPECT_EQ("font arial 11\n", f.canvas.text());
    ASSERT_EQ(3, f.memo.line_count());
    EXPECT_EQ(u"first", f.memo.get_displayln_text(0));
    EXPECT_EQ(u"sec", f.memo.get_displayln_text(1));
    EXPECT_EQ(11, f.memo.displaylns[2].pos);
}

}  // namespace
