// The button renderers checked call by call on the recording canvas: the standard kind button in
// its states, the image button's picture per state and the speed button's icon placement.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/button_renderers.h"
#include "controls/control_kinds.h"
#include "controls/font_code.h"
#include "controls/recording_canvas.h"
#include "controls/theme.h"

namespace {

const int32_t tahoma10 = font_code_from_text("tahoma;10");
const trect button_rect{10, 20, 110, 50};

bool has_line(const trecording_canvas& acanvas, const std::string& aline) {
    const auto& lines = acanvas.lines();
    return std::find(lines.begin(), lines.end(), aline) != lines.end();
}

// Lines of the recording from the first one that starts with aprefix.
std::string text_from(const trecording_canvas& acanvas, const std::string& aprefix) {
    std::string s;
    bool on = false;
    for (const std::string& line : acanvas.lines()) {
        on = on || line.rfind(aprefix, 0) == 0;
        if (on) s += line + "\n";
    }
    return s;
}

TEST(StandardButton, AFocusedRaisedButtonDrawsItsEdgesFocusFrameIconAndBlackCaption) {
    const tvelmor_render_button_standard renderer;
    trecording_canvas canvas;
    int32_t font_tag = 0;
    renderer.draw_button(canvas, font_tag, button_rect, u"OK", tahoma10, false, true, true, 2, 0);
    EXPECT_EQ(
        "pen_style solid\npen_mode copy\npen_width 1\npen_color sys6\n"
        "polyline (11,21) (110,21) (110,50) (11,50) (11,21)\n"
        "pen_color sys21\npolyline (12,49) (109,49) (109,21)\n"
        "pen_color sys16\npolyline (13,48) (108,48) (108,22)\n"
        "pen_color sys20\npolyline (12,48) (12,22) (108,22)\n"
        "brush_style solid\nbrush_color 0\nframe_rect 11 21 108 49\n"
        "icon set 2 #0 at 21 26\n"
        "font tahoma 10\n"
        "brush_style solid\nbrush_color 13160660\ntext_align bottom-left\n"
        "text_color 0\ntext_rect 43 23 107 48 at 47 48 \"OK\"\n",
        canvas.text());
    EXPECT_EQ(tahoma10, font_tag);
}

TEST(StandardButton, PushedDisabledAndUnfocusedButtonsShowNoFocusFrame) {
    struct tcase {
        const char* name;
        bool pushed, enabled, focused;
        const char* outline;
        std::string face;  // from the icon on
    };
    const std::string caption_brush = "brush_style solid\nbrush_color 13160660\ntext_align bottom-left\n";
    const tcase cases[] = {
        // Pushed: flat outline, and the face content moved right 2 and down 1.
        {"pushed", true, true, true, "pen_color 13160660",
         "icon set 2 #0 at 23 27\n" + caption_brush + "text_color 0\ntext_rect 45 24 109 49 at 49 49 \"OK\"\n"},
        // Not enabled: greyed icon and a caption embossed grey then white.
        {"not enabled", false, false, true, "pen_color sys6",
         "icon set 2 #0 at 21 26 disabled\n" + caption_brush +
             "text_color 8421504\ntext_rect 43 21 107 48 at 43 47 \"OK\"\n"
             "brush_style clear\ntext_color 16777215\ntext_rect 43 21 107 48 at 44 48 \"OK\"\n"},
        {"not focused", false, true, false, "pen_color sys6",
         "icon set 2 #0 at 21 26\n" + caption_brush + "text_color 0\ntext_rect 43 23 107 48 at 47 48 \"OK\"\n"},
    };
    const tvelmor_render_button_standard renderer;
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        trecording_canvas canvas;
        int32_t font_tag = tahoma10;
        renderer.draw_button(canvas, font_tag, button_rect, u"OK", tahoma10, c.pushed, c.enabled, c.focused, 2, 0);
        EXPECT_EQ(c.outline, canvas.lines().at(3));
        EXPECT_EQ(c.face, text_from(canvas, "icon"));
        EXPECT_FALSE(has_line(canvas, "frame_rect 11 21 108 49"));
    }
}

TEST(StandardButton, EachKindShowsItsCaptionAndIconOfTheButtonSetInTheThemeFont) {
    struct tcase {
        tbutton_kind kind;
        const char* caption;
        int32_t icon;
    };
    const tcase cases[] = {{bk_yes, "Yes", 0},       {bk_no, "No", 1},       {bk_ok, "OK", 0},
                           {bk_cancel, "Cancel", 1}, {bk_close, "Close", 1}, {bk_go, "Go", 0}};
    const tvelmor_render_button_standard renderer;
    tvelmor_theme_button theme;
    theme.font = font_code_from_text("verdana;12;B");
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.caption);
        tvelmor_button_bitbtn button(nullptr);
        button.kind = c.kind;
        button.is_focused = true;
        trecording_canvas canvas;
        int32_t font_tag = 0;
        renderer.draw_button(canvas, font_tag, &theme, button, button_rect);
        EXPECT_TRUE(has_line(canvas, "icon set 2 #" + std::to_string(c.icon) + " at 21 26"));
        EXPECT_TRUE(has_line(canvas, "font verdana 12 bold"));
        EXPECT_TRUE(has_line(canvas, std::string("text_rect 43 23 107 48 at 47 48 \"") + c.caption + "\""));
        EXPECT_TRUE(has_line(canvas, "frame_rect 11 21 108 49"));
    }
}

TEST(StandardButton, TheControlsPushedAndEnabledStatesReachTheDrawing) {
    const tvelmor_render_button_standard renderer;
    tvelmor_theme_button theme;
    theme.font = tahoma10;
    tvelmor_button_bitbtn button(nullptr);
    button.kind = bk_cancel;
    button.pushed = true;
    button.enabled = false;
    trecording_canvas canvas;
    int32_t font_tag = tahoma10;
    renderer.draw_button(canvas, font_tag, &theme, button, button_rect);
    EXPECT_TRUE(has_line(canvas, "pen_color 13160660"));
    EXPECT_TRUE(has_line(canvas, "icon set 2 #1 at 23 27 disabled"));
}

TEST(ImageButton, ShowsOnePictureOfItsSetPerStateAtTheTopLeftCorner) {
    struct tcase {
        const char* name;
        bool pushed, enabled;
        int32_t picture;
    };
    const tcase cases[] = {
        {"released", false, true, 5},
        {"pushed", true, true, 6},
        {"not enabled", false, false, 7},
        {"not enabled wins over pushed", true, false, 7},
    };
    const tvelmor_render_button_bmp renderer;
    tvelmor_theme_button theme;
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tvelmor_button_bmp button(nullptr);
        button.icon_set = 4;
        button.icon = 5;
        button.pushed = c.pushed;
        button.enabled = c.enabled;
        trecording_canvas canvas;
        int32_t font_tag = 0;
        renderer.draw_button(canvas, font_tag, &theme, button, button_rect);
        EXPECT_EQ("brush_style solid\nbrush_color 13160660\nfill_rect 10 20 110 50\nicon set 4 #" +
                      std::to_string(c.picture) + " at 10 20\n",
                  canvas.text());
    }
}

TEST(SpeedButton, DrawsThePlatformFrameThenItsIconInsideItShiftedWhenPushed) {
    struct tcase {
        const char* name;
        bool pushed, enabled;
        int16_t icon;
        std::string expected;
    };
    // The recording canvas reports the frame's inside as the rectangle deflated by two.
    const tcase cases[] = {
        {"released", false, true, 3, "button_frame 10 20 110 50\nicon set 6 #3 at 20 24\n"},
        {"pushed", true, true, 3, "button_frame 10 20 110 50 pushed\nicon set 6 #3 at 22 24\n"},
        {"not enabled", false, false, 3, "button_frame 10 20 110 50\nicon set 6 #4 at 20 24\n"},
        {"no icon", true, true, -1, "button_frame 10 20 110 50 pushed\n"},
    };
    const tvelmor_render_button_speed renderer;
    tvelmor_theme_button theme;
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tvelmor_button_bmp button(nullptr);
        button.icon_set = 6;
        button.icon = c.icon;
        button.pushed = c.pushed;
        button.enabled = c.enabled;
        trecording_canvas canvas;
        int32_t font_tag = 0;
        renderer.draw_button(canvas, font_tag, &theme, button, button_rect);
        EXPECT_EQ(c.expected, canvas.text());
    }
}

TEST(ButtonHitTest, APointOnTheEdgeHitsTheButtonAndOnePixelOutsideDoesNot) {
    const tvelmor_render_button_standard renderer;
    const tvelmor_button_bitbtn button(nullptr);
    EXPECT_TRUE(renderer.get_pt_button(button, button_rect, 10, 20));
    EXPECT_TRUE(renderer.get_pt_button(button, button_rect, 110, 50));
    EXPECT_FALSE(renderer.get_pt_button(button, button_rect, 111, 50));
    EXPECT_FALSE(renderer.get_pt_button(button, button_rect, 60, 19));
}

}  // namespace
