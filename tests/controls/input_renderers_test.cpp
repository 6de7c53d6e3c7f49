// The combo box, check box and scroll bar renderers and the scroll button routine, checked call by
// call on the recording canvas.
#include <gtest/gtest.h>

#include <string>

#include "controls/checkbox_renderer.h"
#include "controls/combobox_renderer.h"
#include "controls/control_kinds.h"
#include "controls/font_code.h"
#include "controls/miscobject_textlines.h"
#include "controls/procs_graphics.h"
#include "controls/recording_canvas.h"
#include "controls/scrollbar_renderer.h"
#include "controls/theme.h"
#include "controls_test_support.h"
#include "page_fixture.h"

namespace {

const int32_t tahoma10 = font_code_from_text("tahoma;10");

// ---- Combo boxes ----

constexpr int32_t choices_tag = 301;

// A page whose misc object 301 holds the choices "Cash" and "Cheque".
class tcombo_page : public ttest_owner {
public:
    tcombo_page() {
        choices.add_textline(u"Cash");
        choices.add_textline(u"Cheque");
    }
    tvelmor_miscobject* get_miscobject(int32_t atag) override { return atag == choices_tag ? &choices : nullptr; }
    tmiscobject_textlines choices{this, choices_tag};
};

class ComboBoxRenderer : public ::testing::Test {
protected:
    ComboBoxRenderer() {
        combo.header = choices_tag;
        theme.font = tahoma10;
        theme.color = 111;
        theme.color_focused = 222;
    }
    std::string draw() {
        trecording_canvas canvas;
        int32_t font_tag = 0;
        renderer.draw_combobox(canvas, font_tag, combo, combo_rect, &theme);
        return canvas.text();
    }

    const trect combo_rect{10, 20, 210, 46};
    tcombo_page page;
    tvelmor_combobox combo{&page};
    tvelmor_theme_combobox theme;
    const tvelmor_render_combobox_standard renderer;
};

const char* const raised_drop_button =
    "brush_style solid\nbrush_color sys15\nfill_rect 190 28 200 40\n"
    "pen_style solid\npen_mode copy\npen_width 1\npen_color 0\nmove_to 180 21\nline_to 180 45\n"
    "pen_color sys20\npolyline (181,43) (181,21) (208,21)\n"
    "pen_color sys16\npolyline (208,22) (208,44) (180,44)\n"
    "icon set 7 #0 at 187 28\n";

TEST_F(ComboBoxRenderer, AFocusedComboShowsTheChosenItemOnTheFocusedColourWithARaisedButtonInABlackFrame) {
    combo.item_index = 1;
    combo.is_focused = true;
    EXPECT_EQ(std::string("font tahoma 10\nbrush_style solid\nbrush_color 222\ntext_color 0\ntext_align bottom-left\n"
                          "text_rect 11 21 180 45 at 14 42 \"Cheque\"\n") +
                  raised_drop_button + "brush_style solid\nbrush_color 0\nframe_rect 10 20 210 46\n",
              draw());
}

TEST_F(ComboBoxRenderer, AnUnfocusedComboUsesTheThemeColour) {
    combo.item_index = 0;
    EXPECT_NE(std::string::npos, draw().find("brush_color 111\ntext_color 0\ntext_align bottom-left\n"
                                             "text_rect 11 21 180 45 at 14 42 \"Cash\"\n"));
}

TEST_F(ComboBoxRenderer, ShowsEmptyTextWhenNothingIsChosenOrThereAreNoChoices) {
    struct tcase {
        const char* name;
        int32_t header, item_index;
    };
    const tcase cases[] = {
        {"no choices object", 0, 1},
        {"nothing chosen", choices_tag, -1},
        {"choices object missing from the page", 999, 1},
        {"index beyond the choices", choices_tag, 2},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        combo.header = c.header;
        combo.item_index = c.item_index;
        EXPECT_NE(std::string::npos, draw().find("text_rect 11 21 180 45 at 14 42 \"\"\n"));
    }
}

TEST_F(ComboBoxRenderer, ThePressedDropButtonIsSunkenWithItsImageOnePixelFurtherRightAndDown) {
    trecording_canvas canvas;
    renderer.draw_button(canvas, combo_rect, true);
    EXPECT_EQ(
        "pen_style solid\npen_mode copy\npen_width 1\npen_color sys16\npolyline (181,43) (181,21) (209,21)\n"
        "brush_style solid\nbrush_color sys15\nfill_rect 190 28 200 40\n"
        "icon set 7 #0 at 188 29\n",
        canvas.text());
    canvas.clear();
    renderer.draw_button(canvas, combo_rect, false);
    EXPECT_EQ(raised_drop_button, canvas.text());
}

// ---- Check boxes ----

TEST(CheckBoxRenderer, DrawsABoxInTheStateColourAndATickWhenChecked) {
    struct tcase {
        const char* name;
        trect rect;
        bool focused, checked;
        std::string expected;
    };
    const std::string box = "pen_style solid\npen_mode copy\npen_width 1\npen_color 0\nbrush_style solid\n";
    const std::string thick = "pen_style solid\npen_mode copy\npen_width 4\npen_color 0\n";
    const tcase cases[] = {
        {"unchecked", {10, 20, 40, 44}, false, false, box + "brush_color 111\nrectangle 10 20 40 44\n"},
        {"checked and focused",
         {10, 20, 40, 44},
         true,
         true,
         box + "brush_color 222\nrectangle 10 20 40 44\n" + thick +
             "move_to 20 32\nline_to 24 38\nline_to 30 24\npen_width 1\n"},
        // The tick's x2 is 10 + (2 x 2) div 3: doubling comes before the division.
        {"short box",
         {0, 0, 30, 16},
         false,
         true,
         box + "brush_color 111\nrectangle 0 0 30 16\n" + thick +
             "move_to 10 8\nline_to 11 10\nline_to 17 4\npen_width 1\n"},
    };
    const tvelmor_render_checkbox_standard renderer;
    tvelmor_theme_checkbox theme;
    theme.color = 111;
    theme.color_focused = 222;
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tvelmor_checkbox checkbox(nullptr);
        checkbox.is_focused = c.focused;
        checkbox.checked = c.checked;
        trecording_canvas canvas;
        renderer.draw_checkbox(canvas, c.rect, checkbox, &theme);
        EXPECT_EQ(c.expected, canvas.text());
    }
}

// ---- Scroll buttons and scroll bars ----

std::string scroll_button_edges(int32_t l, int32_t t, int32_t r, int32_t b) {
    auto pt = [](int32_t x, int32_t y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; };
    return "pen_style solid\npen_mode copy\npen_width 1\npen_color sys20\npolyline " + pt(l + 1, b - 1) + " " +
           pt(l + 1, t + 1) + " " + pt(r - 1, t + 1) + "\npen_color sys16\npolyline " + pt(r - 1, t + 1) + " " +
           pt(r - 1, b - 1) + " " + pt(l, b - 1) + "\n";
}

std::string scroll_button_shadow(int32_t l, int32_t t, int32_t r, int32_t b) {
    return "pen_color sys21\npolyline (" + std::to_string(r) + "," + std::to_string(t) + ") (" + std::to_string(r) +
           "," + std::to_string(b) + ") (" + std::to_string(l - 1) + "," + std::to_string(b) + ")\n";
}

TEST(ScrollButton, DrawsRaisedEdgesAndACentredArrowOfTheGivenDirection) {
    struct tcase {
        const char* name;
        trect rect;
        tscroll_button_type type;
        std::string arrow;
    };
    const std::string black = "pen_color 0\nbrush_style solid\nbrush_color 0\n";
    const tcase cases[] = {
        {"up", {101, 0, 118, 15}, sb_arrow_up, black + "polygon (105,9) (109,5) (113,9)\n"},
        {"down", {101, 185, 118, 200}, sb_arrow_down, black + "polygon (105,191) (109,195) (113,191)\n"},
        {"no arrow", {101, 93, 118, 108}, sb_arrow_none, ""},
        // Ten pixels wide: (10 - 13) div 2 rounds toward zero, so the arrow starts at the inner edge.
        {"narrow", {0, 0, 9, 9}, sb_arrow_up, black + "polygon (1,6) (5,2) (9,6)\n"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        trecording_canvas canvas;
        tprocs_graphics::draw_scroll_button(canvas, c.rect, c.type);
        const trect& r = c.rect;
        EXPECT_EQ(scroll_button_edges(r.left, r.top, r.right, r.bottom) + c.arrow +
                      scroll_button_shadow(r.left, r.top, r.right, r.bottom),
                  canvas.text());
    }
}

// A bar 18 pixels wide and 200 high: buttons 15 high, the thumb travels 154 pixels below the up button.
const trect bar_rect{100, 0, 118, 200};

TEST(ScrollBarGeometry, TheThumbFollowsThePositionWithinTheTrack) {
    struct tcase {
        const char* name;
        int16_t range, position;
        int32_t thumb_top;
    };
    const tcase cases[] = {
        {"first position", 10, 0, 16},
        {"middle", 10, 5, 93},
        {"last position touches the down button", 10, 10, 170},
        {"range 0 at position 0", 0, 0, 16},
        {"range 0 at any position stays one pixel below the up button", 0, 7, 16},
        {"position past the range is held at the end", 10, 12, 170},
        {"negative position is held at the start", 10, -1, 16},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        const tscrollbar_geometry g = tscrollbar_geometry::of(bar_rect, c.range, c.position);
        EXPECT_EQ((trect{101, 0, 118, 15}), g.up);
        EXPECT_EQ((trect{101, 185, 118, 200}), g.down);
        EXPECT_EQ((trect{101, c.thumb_top, 118, c.thumb_top + 15}), g.thumb);
    }
}

TEST(ScrollBarRenderer, DrawsBothButtonsTheThumbTheTrackAroundItAndTheDarkSides) {
    const tvelmor_render_scrollbar_standard renderer;
    trecording_canvas canvas;
    renderer.draw_scrollbar2(canvas, bar_rect, 10, 5);
    const std::string black = "pen_color 0\nbrush_style solid\nbrush_color 0\n";
    EXPECT_EQ(scroll_button_edges(101, 0, 118, 15) + black + "polygon (105,9) (109,5) (113,9)\n" +
                  scroll_button_shadow(101, 0, 118, 15) + scroll_button_edges(101, 185, 118, 200) + black +
                  "polygon (105,191) (109,195) (113,191)\n" + scroll_button_shadow(101, 185, 118, 200) +
                  scroll_button_edges(101, 93, 118, 108) + scroll_button_shadow(101, 93, 118, 108) +
                  "brush_style solid\nbrush_color 12632256\nfill_rect 101 16 118 92\n"
                  "brush_style solid\nbrush_color 12632256\nfill_rect 101 109 118 184\n"
                  "pen_style solid\npen_mode copy\npen_width 1\npen_color sys21\n"
                  "move_to 100 0\nline_to 100 200\nmove_to 118 0\nline_to 118 200\n",
              canvas.text());
}

TEST(ScrollBarRenderer, LeavesTheTrackAboveUnfilledWhenTheThumbTouchesTheUpButton) {
    const tvelmor_render_scrollbar_standard renderer;
    trecording_canvas canvas;
    renderer.draw_scrollbar2(canvas, bar_rect, 0, 3);
    const std::string text = canvas.text();
    EXPECT_EQ(std::string::npos, text.find("fill_rect 101 16 118 15"));
    EXPECT_NE(std::string::npos, text.find("fill_rect 101 32 118 184\n"));
}

TEST(ScrollBarRenderer, MovingTheThumbErasesTheOldOneAndDrawsTheNewFaceWithoutTouchingTheUpButton) {
    struct tcase {
        const char* name;
        int16_t range, old_position, new_position;
        std::string erased, face;
        int32_t thumb_top;
    };
    const tcase cases[] = {
        {"down from the top", 10, 0, 5, "101 16 118 32", "101 92 118 108", 93},
        {"back to the top", 10, 5, 0, "101 92 118 109", "101 16 118 31", 16},
        // With range 0 every position puts the thumb under the up button, whose dark edge stays.
        {"range 0", 0, 3, 4, "101 16 118 32", "101 16 118 31", 16},
    };
    const tvelmor_render_scrollbar_standard renderer;
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        trecording_canvas canvas;
        renderer.redraw_scrollbar_position(canvas, bar_rect, c.range, c.old_position, c.new_position);
        EXPECT_EQ("brush_style solid\nbrush_color 12632256\nfill_rect " + c.erased +
                      "\nbrush_style solid\nbrush_color sys15\nfill_rect " + c.face + "\n" +
                      scroll_button_edges(101, c.thumb_top, 118, c.thumb_top + 15) +
                      scroll_button_shadow(101, c.thumb_top, 118, c.thumb_top + 15),
                  canvas.text());
    }
}

TEST(ScrollBarRenderer, DrawsTheControlsRangeAndPosition) {
    const tvelmor_render_scrollbar_standard renderer;
    tvelmor_scrollbar bar(nullptr);
    bar.range = 10;
    bar.position = 10;
    trecording_canvas canvas;
    renderer.draw_scrollbar(canvas, bar_rect, bar, nullptr);
    EXPECT_NE(std::string::npos, canvas.text().find(scroll_button_edges(101, 170, 118, 185)));
}

}  // namespace
