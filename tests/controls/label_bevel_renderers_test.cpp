// Label and bevel renderers, the frame-edge polylines and the small drawing helpers, checked
// call by call on the recording canvas.
#include <gtest/gtest.h>

#include "controls/bevel_renderers.h"
#include "controls/control_kinds.h"
#include "controls/font_code.h"
#include "controls/label_renderers.h"
#include "controls/procs_drawing.h"
#include "controls/procs_velmor.h"
#include "controls/recording_canvas.h"
#include "controls/theme.h"
#include "controls_test_support.h"

namespace {

const int32_t tahoma10 = font_code_from_text("tahoma;10");
const trect label_rect{10, 20, 110, 44};

TEST(LabelRenderer, AnEnabledLabelWritesBlackClippedTextAtTheAlignmentsReferencePoint) {
    struct tcase {
        const char* name;
        tvelmor_alignment alignment;
        std::string expected;
    };
    // The recording canvas measures a tahoma 10 line as 13 + 3 = 16 pixels high.
    const tcase cases[] = {
        {"left bottom", al_left_bottom, "text_align bottom-left\ntext_rect 10 20 110 44 at 17 40 \"Net\"\n"},
        {"right bottom", al_right_bottom, "text_align bottom-right\ntext_rect 10 20 110 44 at 103 40 \"Net\"\n"},
        {"centre", al_center_center, "text_align bottom-centre\ntext_rect 10 20 110 44 at 60 40 \"Net\"\n"},
    };
    const tvelmor_render_label_standard renderer;
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        trecording_canvas canvas;
        int32_t font_tag = 0;
        renderer.draw_label(canvas, font_tag, label_rect, u"Net", tahoma10, true, c.alignment, frameedges_none, 3);
        EXPECT_EQ("font tahoma 10\nbrush_style solid\ntext_color 0\n" + c.expected, canvas.text());
        EXPECT_EQ(tahoma10, font_tag);
    }
}

TEST(LabelRenderer, AnEnabledLeftTopLabelDrawsOnlyItsFrameEdgesWithNoTextOrBackground) {
    const tvelmor_render_label_standard renderer;
    trecording_canvas canvas;
    int32_t font_tag = tahoma10;
    renderer.draw_label(canvas, font_tag, label_rect, u"Net", tahoma10, true, al_left_top, frameedges_bottomleft, 0);
    EXPECT_EQ(
        "pen_width 1\npen_style solid\npen_mode copy\n"
        "pen_color 0\nmove_to 10 20\nline_to 10 44\n"
        "pen_color 0\nmove_to 10 44\nline_to 110 44\n",
        canvas.text());
}

TEST(LabelRenderer, ADisabledLabelIsFilledEmbossedAndEtchedAlongEachEdge) {
    const tvelmor_render_label_standard renderer;
    trecording_canvas canvas;
    int32_t font_tag = tahoma10;
    renderer.draw_label(canvas, font_tag, label_rect, u"Net", tahoma10, false, al_left_bottom, frameedges_all, 0);
    EXPECT_EQ(
        "brush_style solid\nfill_rect 10 20 110 44\n"
        "brush_style clear\ntext_align bottom-left\n"
        "text_color sys20\ntext_rect 10 20 110 44 at 15 41 \"Net\"\n"
        "text_color sys16\ntext_rect 10 20 110 44 at 14 40 \"Net\"\n"
        "pen_width 1\npen_style solid\npen_mode copy\n"
        "pen_color sys20\nmove_to 10 20\nline_to 10 44\n"
        "pen_color sys16\nmove_to 11 20\nline_to 11 44\n"
        "pen_color sys16\nmove_to 10 20\nline_to 110 20\n"
        "pen_color sys16\nmove_to 109 20\nline_to 109 44\n"
        "pen_color sys20\nmove_to 110 20\nline_to 110 44\n"
        "pen_color sys20\nmove_to 10 44\nline_to 110 44\n",
        canvas.text());
}

TEST(LabelRenderer, ADisabledLeftTopLabelShowsItsBackgroundButNoText) {
    const tvelmor_render_label_standard renderer;
    trecording_canvas canvas;
    int32_t font_tag = tahoma10;
    renderer.draw_label(canvas, font_tag, label_rect, u"Net", tahoma10, false, al_left_top, frameedges_none, 0);
    EXPECT_EQ("brush_style solid\nfill_rect 10 20 110 44\n", canvas.text());
}

TEST(LabelRenderer, TheThemeLevelDrawTakesColourFontEdgesAndMarginFromTheThemeAndCaptionFromTheLabel) {
    const tvelmor_render_label_standard renderer;
    tvelmor_theme_label theme;
    theme.color = 15790320;
    theme.font = tahoma10;
    theme.margin = 6;
    theme.frameedges = frameedges_top;
    tvelmor_label label(nullptr);
    label.caption = u"Total";
    label.alignment = al_right_bottom;
    trecording_canvas canvas;
    int32_t font_tag = 0;
    renderer.draw_label(canvas, font_tag, label_rect, label, &theme);
    EXPECT_EQ(
        "brush_color 15790320\nfont tahoma 10\nbrush_style solid\ntext_color 0\n"
        "text_align bottom-right\ntext_rect 10 20 110 44 at 100 40 \"Total\"\n"
        "pen_width 1\npen_style solid\npen_mode copy\npen_color 0\nmove_to 10 20\nline_to 110 20\n",
        canvas.text());
}

TEST(LabelRenderer, TheBeveledLabelSinksItsBorderAndIgnoresStateAndEdges) {
    const tvelmor_render_label_beveled renderer;
    trecording_canvas canvas;
    int32_t font_tag = tahoma10;
    renderer.draw_label(canvas, font_tag, label_rect, u"Net", tahoma10, false, al_left_bottom, frameedges_all, 0);
    EXPECT_EQ(
        "pen_width 1\npen_style solid\npen_mode copy\n"
        "pen_color sys16\npolyline (10,44) (10,20) (110,20)\n"
        "pen_color sys20\npolyline (110,20) (110,44) (10,44)\n"
        "brush_style solid\ntext_color 0\ntext_align bottom-left\n"
        "text_rect 11 21 110 44 at 15 40 \"Net\"\n",
        canvas.text());
}

const std::string pen_setup = "pen_style solid\npen_mode copy\npen_width 1\n";

TEST(BevelRenderer, TheStandardBevelTracesTheChosenEdgesInBlackOrInTheBackgroundWhenErasing) {
    struct tcase {
        const char* name;
        tframeedges edges;
        bool erase;
        std::string expected;
    };
    const tcase cases[] = {
        {"all", frameedges_all, false, "pen_color 0\npolyline (0,0) (50,0) (50,30) (0,30) (0,0)\n"},
        {"erased", frameedges_lefttop, true, "pen_color 13160660\npolyline (0,30) (0,0) (50,0)\n"},
        {"top and bottom: two lines, no diagonal", frameedges_bottomtop, false,
         "pen_color 0\npolyline (0,0) (50,0)\npolyline (0,30) (50,30)\n"},
        {"left and right: two lines", frameedges_rightleft, false,
         "pen_color 0\npolyline (0,0) (0,30)\npolyline (50,0) (50,30)\n"},
    };
    const tvelmor_render_bevel_standard renderer;
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        trecording_canvas canvas;
        renderer.draw_frame(canvas, {0, 0, 50, 30}, c.edges, c.erase);
        EXPECT_EQ(pen_setup + c.expected, canvas.text());
    }
}

TEST(BevelRenderer, DrawBevelUsesTheControlsEdgesAndAnEmptyEdgeSetDrawsNothing) {
    const tvelmor_render_bevel_standard renderer;
    tvelmor_bevel bevel(nullptr);
    bevel.frameedges = frameedges_bottom;
    trecording_canvas canvas;
    renderer.draw_bevel(canvas, bevel, nullptr, {0, 0, 50, 30}, false);
    EXPECT_EQ(pen_setup + "pen_color 0\npolyline (50,30) (0,30)\n", canvas.text());

    canvas.clear();
    bevel.frameedges = frameedges_none;
    renderer.draw_bevel(canvas, bevel, nullptr, {0, 0, 50, 30}, false);
    EXPECT_EQ("", canvas.text());
}

TEST(BevelRenderer, TheClassicBevelDrawsALightFrameInsetTopLeftThenAShadowFrameInsetBottomRight) {
    const tvelmor_render_bevel_classic renderer;
    trecording_canvas canvas;
    renderer.draw_frame(canvas, {0, 0, 50, 30}, frameedges_all, false);
    EXPECT_EQ(pen_setup + "pen_color sys20\npolyline (1,1) (50,1) (50,30) (1,30) (1,1)\n" + pen_setup +
                  "pen_color sys16\npolyline (0,0) (49,0) (49,29) (0,29) (0,0)\n",
              canvas.text());
    canvas.clear();
    renderer.draw_frame(canvas, {0, 0, 50, 30}, frameedges_bottomtop, true);
    EXPECT_EQ(pen_setup + "pen_color 13160660\npolyline (1,1) (50,1)\npolyline (1,30) (50,30)\n" + pen_setup +
                  "pen_color 13160660\npolyline (0,0) (49,0)\npolyline (0,29) (49,29)\n",
              canvas.text());
}

TEST(FramePoints, EachEdgeSetTracesItsSidesInOrderAndAnEmptySetRaises) {
    const trect r{1, 2, 3, 4};
    using P = std::vector<tpoint>;
    struct tcase {
        tframeedges edges;
        P points;
    };
    const tcase cases[] = {
        {frameedges_left, P{{1, 4}, {1, 2}}},
        {frameedges_righttop, P{{1, 2}, {3, 2}, {3, 4}}},
        {frameedges_bottomlefttop, P{{3, 4}, {1, 4}, {1, 2}, {3, 2}}},
        {frameedges_bottomright, P{{1, 4}, {3, 4}, {3, 2}}},
        {frameedges_bottomrighttop, P{{1, 4}, {3, 4}, {3, 2}, {1, 2}}},
        {frameedges_all, P{{1, 2}, {3, 2}, {3, 4}, {1, 4}, {1, 2}}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.edges));
        EXPECT_EQ(c.points, tprocs_velmor::get_framepoints(r, c.edges));
        EXPECT_EQ(static_cast<int32_t>(c.points.size()), tprocs_velmor::get_count_framepoints(c.edges));
    }
    bool left, top, right, bottom;
    tprocs_velmor::get_frameedges(left, top, right, bottom, frameedges_bottomleft);
    EXPECT_EQ((std::vector<bool>{true, false, false, true}), (std::vector<bool>{left, top, right, bottom}));
    expect_raises("Illegal call tprocs_velmor.get_count_framepoints( frameedges_none );",
                  [] { tprocs_velmor::get_count_framepoints(frameedges_none); });
    expect_raises("Illegal call tprocs_velmor.get_count_framepoints( frameedges_none );",
                  [&] { tprocs_velmor::get_framepoints(r, frameedges_none); });
}

TEST(DrawingHelpers, ContainsPtIncludesAllFourEdgesAndNothingBeyond) {
    const trect r{10, 20, 30, 40};
    struct tcase {
        int32_t x, y;
        bool inside;
    };
    const tcase cases[] = {{10, 20, true},  {30, 20, true},  {10, 40, true},  {30, 40, true},
                           {9, 20, false},  {31, 40, false}, {10, 19, false}, {30, 41, false}};
    for (const tcase& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(c.inside, tprocs_rect::contains_pt(r, c.x, c.y));
    }
}

TEST(DrawingHelpers, SetFontAppliesACodeOnlyWhenTheSurfacesCellHoldsAnother) {
    trecording_canvas canvas;
    int32_t font_tag = 0;
    const int32_t arial12bold = font_code_from_text("Arial;12;B");
    tprocs_font::set_font(canvas, font_tag, arial12bold);
    tprocs_font::set_font(canvas, font_tag, arial12bold);
    EXPECT_EQ(arial12bold, font_tag);
    tprocs_font::set_font(canvas, font_tag, tahoma10);
    EXPECT_EQ("font arial 12 bold\nfont tahoma 10\n", canvas.text());
    EXPECT_EQ(tahoma10, font_tag);
}

}  // namespace
