// The recording canvas lists what it was asked to draw, one line per call, so that drawing code
// can be compared with expected text.
#include "controls/recording_canvas.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordingCanvas, ListsEachCallWithItsExactGeometryAndColours) {
    trecording_canvas canvas;
    canvas.set_brush_color(color_page_background);
    canvas.set_brush_style(tbrush_style::bs_clear);
    canvas.set_pen_color(system_color(16));
    canvas.fill_rect({1, 2, 30, 40});
    canvas.move_to(5, 6);
    canvas.line_to(7, 8);
    canvas.polyline({{0, 0}, {3, 0}, {3, 3}});
    canvas.set_text_align(ttext_halign::right, ttext_valign::bottom);
    canvas.set_font("tahoma", 10, true);
    canvas.text_rect({0, 0, 50, 20}, 46, 18, u"Käse \"x\"");
    canvas.draw_icon(2, 4, 5, 1, false);
    EXPECT_EQ(
        "brush_color 13160660\n"
        "brush_style clear\n"
        "pen_color sys16\n"
        "fill_rect 1 2 30 40\n"
        "move_to 5 6\n"
        "line_to 7 8\n"
        "polyline (0,0) (3,0) (3,3)\n"
        "text_align bottom-right\n"
        "font tahoma 10 bold\n"
        "text_rect 0 0 50 20 at 46 18 \"Käse \"x\"\"\n"
        "icon set 2 #1 at 4 5 disabled\n",
        canvas.text());
}

TEST(RecordingCanvas, AnswersStateAndAFixedTextMetricWithoutRecordingQueries) {
    trecording_canvas canvas;
    canvas.set_font("arial", 12, false);  // 16 pixels
    canvas.clear();
    EXPECT_EQ((tsize{24, 20}), canvas.text_extent(u"abc"));
    EXPECT_EQ((tsize{0, 20}), canvas.text_extent(u""));
    canvas.set_brush_color(color_white);
    EXPECT_EQ(color_white, canvas.get_brush_color());
    EXPECT_EQ((trect{12, 12, 38, 18}), canvas.draw_button_frame({10, 10, 40, 20}, true));
    EXPECT_EQ(2u, canvas.lines().size());
    EXPECT_EQ("button_frame 10 10 40 20 pushed", canvas.lines()[1]);
}

}  // namespace
