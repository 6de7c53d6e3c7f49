// The edit renderer checked call by call on the recording canvas, where an arial 11 character is
// 7 pixels wide.
#include <gtest/gtest.h>

#include <string>

#include "controls/edit_renderer.h"
#include "controls/font_code.h"
#include "controls/procs_drawing.h"
#include "controls/recording_canvas.h"
#include "controls/text_controls.h"
#include "controls/theme.h"
#include "controls_test_support.h"
#include "kerning_canvas.h"
#include "procs/message_format.h"

namespace {

const int32_t arial11 = font_code_from_text("arial;11");
const trect edit_rect{10, 20, 110, 44};  // inside: 11 21 109 43
constexpr tcolor focused_color = 14733472;
constexpr tcolor selected_color = 255;

std::string caret_at(int32_t ax, tcolor acolor = color_black) {
    return "pen_style solid\npen_mode copy\npen_width 2\npen_color " + std::to_string(acolor) + "\nmove_to " +
           std::to_string(ax) + " 24\nline_to " + std::to_string(ax) + " 39\npen_width 1\n";
}

struct tedit_fixture {
    tedit_fixture() {
        theme.font = arial11;
        theme.color = color_white;
        theme.color_focused = focused_color;
        theme.color_selected = selected_color;
        theme.classrender = &renderer;
    }
    // The canvas with the theme's font already applied, recording from here on.
    trecording_canvas& measuring_canvas() {
        int32_t font_tag = 0;
        tprocs_font::set_font(canvas, font_tag, arial11);
        canvas.clear();
        return canvas;
    }

    tvelmor_render_edit_standard renderer;
    tvelmor_theme_edit theme;
    tvelmor_edit edit{nullptr};
    trecording_canvas canvas;
};

TEST(EditRenderer, DrawEditWritesTheDisplayTextAndFramesTheEditForEachState) {
    struct tcase {
        const char* name;
        bool enabled, focused;
        std::string expected;
    };
    const tcase cases[] = {
        {"focused: caret after the visible text", true, true,
         "brush_style solid\nbrush_color 14733472\ntext_color 0\ntext_align bottom-left\n"
         "text_rect 11 21 109 43 at 14 40 \"cdef\"\n" +
             caret_at(11 + 4 * 7 + 5) + "brush_color 0\nframe_rect 10 20 110 44\n"},
        {"not focused: no caret, plain colour", true, false,
         "brush_style solid\nbrush_color 16777215\ntext_color 0\ntext_align bottom-left\n"
         "text_rect 11 21 109 43 at 14 40 \"cdef\"\nbrush_color 0\nframe_rect 10 20 110 44\n"},
        {"not enabled: grey text on grey, dark frame", false, false,
         "brush_style solid\nbrush_color 14737632\ntext_color 6316128\ntext_align bottom-left\n"
         "text_rect 11 21 109 43 at 14 40 \"cdef\"\nbrush_color 4210752\nframe_rect 10 20 110 44\n"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tedit_fixture f;
        f.edit.set_text(u"abcdef");
        f.edit.pos_left = 2;
        f.edit.enabled = c.enabled;
        f.edit.is_focused = c.focused;
        int32_t font_tag = 0;
        f.renderer.draw_edit(f.canvas, font_tag, f.edit, edit_rect, &f.theme);
        EXPECT_EQ("font arial 11\n" + c.expected, f.canvas.text());
        EXPECT_EQ(arial11, font_tag);
    }
}

TEST(EditRenderer, AllSelectedTextOfAFocusedEditIsBoxedAndTheBoxStopsShortOfTheRightEdge) {
    struct tcase {
        const char* name;
        std::u16string text;
        int32_t box_right;
    };
    const tcase cases[] = {
        {"short text: box ends five pixels after it", u"abc", 11 + 3 * 7 + 5},
        {"long text: box clamped four pixels inside", u"abcdefghijklmnopqrst", 109 - 4},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tedit_fixture f;
        f.edit.set_text(c.text);
        f.edit.selectedall = true;
        f.edit.is_focused = true;
        trecording_canvas& canvas = f.measuring_canvas();
        f.renderer.draw_line(canvas, f.edit, edit_rect, &f.theme);
        EXPECT_EQ("brush_style solid\nbrush_color 14733472\nfill_rect 11 21 109 43\n"
                  "brush_style solid\nbrush_color 255\ntext_color 16777215\ntext_align bottom-left\n"
                  "text_rect 11 21 " + std::to_string(c.box_right) + " 43 at 13 41 \"" +
                      utf16_to_utf8(c.text) + "\"\n",
                  canvas.text());
    }
}

TEST(EditRenderer, WithoutAThemeTheSelectionIsNavyOnWhite) {
    tedit_fixture f;
    f.edit.set_text(u"ab");
    f.edit.selectedall = true;
    f.edit.is_focused = true;
    f.renderer.draw_line(f.canvas, f.edit, edit_rect, nullptr);
    EXPECT_EQ("brush_style solid\nbrush_color 16777215\nfill_rect 11 21 109 43\n"
              "brush_style solid\nbrush_color 8388608\ntext_color 16777215\ntext_align bottom-left\n"
              "text_rect 11 21 28 43 at 13 41 \"ab\"\n",
              f.canvas.text());
}

TEST(EditRenderer, ASelectionIsOnlyShownWhileTheEditHasFocus) {
    tedit_fixture f;
    f.edit.set_text(u"ab");
    f.edit.selectedall = true;
    trecording_canvas& canvas = f.measuring_canvas();
    f.renderer.draw_line(canvas, f.edit, edit_rect, &f.theme);
    EXPECT_EQ("brush_style solid\nbrush_color 16777215\ntext_color 0\ntext_align bottom-left\n"
              "text_rect 11 21 109 43 at 14 40 \"ab\"\n",
              canvas.text());
}

// The typing path draws one character and the caret from the extents; a later full redraw must
// put the caret in the same place, or the old caret stays on screen.
TEST(EditRenderer, ATypedCharacterIsDrawnInItsCellWithTheCaretWhereAFullRedrawPutsIt) {
    tedit_fixture f;
    f.edit.set_text(u"abc");
    f.edit.is_focused = true;
    trecording_canvas& canvas = f.measuring_canvas();
    const trect cell{edit_rect.left + 2 * 7, edit_rect.top, edit_rect.left + 3 * 7, edit_rect.bottom};
    f.renderer.draw_single_char(canvas, cell, f.edit, u'c', &f.theme);
    EXPECT_EQ("brush_style solid\nbrush_color 14733472\ntext_color 0\ntext_align bottom-left\n"
              "text_rect 28 21 35 43 at 28 40 \"c\"\n" + caret_at(37),
              canvas.text());
    canvas.clear();
    f.renderer.draw_line(canvas, f.edit, edit_rect, &f.theme);
    EXPECT_NE(std::string::npos, canvas.text().find("move_to 37 24\n")) << canvas.text();
}

TEST(EditRenderer, ClearedCharactersAreFilledAndTheCaretMovesBackToTheNewEnd) {
    tedit_fixture f;
    f.edit.set_text(u"ab");
    f.edit.is_focused = true;
    trecording_canvas& canvas = f.measuring_canvas();
    // "cd" deleted from "abcd": the cell runs from the new end (2 characters) to the old (4).
    const trect cell{edit_rect.left + 2 * 7, edit_rect.top, edit_rect.left + 4 * 7, edit_rect.bottom};
    f.renderer.clear_characters(canvas, cell, f.edit, &f.theme);
    EXPECT_EQ("brush_style solid\nbrush_color 14733472\nfill_rect 28 21 42 43\n" + caret_at(44, focused_color) +
                  caret_at(30),
              canvas.text());
    canvas.clear();
    f.renderer.draw_line(canvas, f.edit, edit_rect, &f.theme);
    EXPECT_NE(std::string::npos, canvas.text().find("move_to 30 24\n")) << canvas.text();
}

TEST(EditModel, SetTextLeavesExtentsUnmeasuredUntilDrawnThenMeasuresThemInPairs) {
    tvelmor_edit edit(nullptr);
    edit.set_text(u"abcd");
    EXPECT_FALSE(edit.extents_measured);
    tkerning_canvas canvas;
    tvelmor_render_edit_standard().draw_line(canvas, edit, edit_rect, nullptr);
    EXPECT_TRUE(edit.extents_measured);
    // extents[i] = width of characters i-1 and i + extents[i-2].
    EXPECT_EQ((std::vector<int16_t>{7, 13, 20, 26}), edit.extents);
    EXPECT_EQ(26, edit.get_display_width());
    edit.pos_left = 1;
    EXPECT_EQ(19, edit.get_display_width());
    EXPECT_EQ(u"bcd", edit.get_display_text());
}

TEST(EditModel, ExtentsGivenByTheTypingPathAreNotMeasuredAgain) {
    tvelmor_edit edit(nullptr);
    edit.set_text(u"ab");
    edit.extents = {5, 9};
    edit.extents_measured = true;
    trecording_canvas canvas;
    edit.ensure_extents(canvas);
    EXPECT_EQ((std::vector<int16_t>{5, 9}), edit.extents);
}

}  // namespace
