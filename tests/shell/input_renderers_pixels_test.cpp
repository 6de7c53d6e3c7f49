// Pixel checks of the scroll button and the check box tick on the Qt canvas: the recorded calls
// are checked in the controls tests, these check that they come out as the shapes meant.
#include <gtest/gtest.h>

#include "controls/checkbox_renderer.h"
#include "controls/control_kinds.h"
#include "controls/procs_graphics.h"
#include "controls/theme.h"
#include "qt_app.h"
#include "shell/qt_canvas.h"

namespace {

constexpr QRgb red = 0xFFFF0000;
constexpr QRgb black = 0xFF000000;

struct tpixels {
    QImage image;
    tqt_canvas canvas{&image};
    tpixels(int w, int h) : image(w, h, QImage::Format_RGB32) {
        qt_app();
        image.fill(red);
        canvas.set_image(&image);
    }
    QRgb at(int x, int y) const { return image.pixel(x, y); }
};

TEST(InputRendererPixels, AnUpScrollButtonHasLightDarkEdgesAndASolidArrowPointingUp) {
    tpixels p(18, 16);
    tprocs_graphics::draw_scroll_button(p.canvas, {0, 0, 17, 15}, sb_arrow_up);
    EXPECT_EQ(0xFFFFFFFFu, p.at(1, 5));   // highlight, left inner edge
    EXPECT_EQ(0xFFFFFFFFu, p.at(5, 1));   // highlight, top inner edge
    EXPECT_EQ(0xFF808080u, p.at(16, 5));  // shadow, right inner edge
    EXPECT_EQ(0xFF808080u, p.at(5, 14));  // shadow, bottom inner edge
    EXPECT_EQ(0xFF404040u, p.at(17, 5));  // dark shadow, right outer edge
    EXPECT_EQ(0xFF404040u, p.at(5, 15));  // dark shadow, bottom outer edge
    // The arrow's apex is at (8, 5) and its base runs along row 9 from x 4 to 12.
    EXPECT_EQ(black, p.at(8, 5));
    EXPECT_EQ(black, p.at(8, 8));
    EXPECT_EQ(black, p.at(5, 9));
    EXPECT_EQ(red, p.at(8, 4));
    EXPECT_EQ(red, p.at(4, 6));
    EXPECT_EQ(red, p.at(8, 11));
    // The face is not filled.
    EXPECT_EQ(red, p.at(3, 12));
}

TEST(InputRendererPixels, ACheckedBoxShowsAThickTickOnTheThemeColourInsideABlackBorder) {
    tpixels p(30, 24);
    tvelmor_theme_checkbox theme;
    theme.color = 0x00FF00;  // green
    tvelmor_checkbox checkbox(nullptr);
    checkbox.checked = true;
    const tvelmor_render_checkbox_standard renderer;
    renderer.draw_checkbox(p.canvas, {0, 0, 30, 24}, checkbox, &theme);
    EXPECT_EQ(black, p.at(0, 0));
    EXPECT_EQ(black, p.at(29, 23));
    EXPECT_EQ(0xFF00FF00u, p.at(25, 20));
    // The tick runs (10, 12) to (14, 18) to (20, 4), four pixels wide.
    EXPECT_EQ(black, p.at(12, 15));
    EXPECT_EQ(black, p.at(13, 15));
    EXPECT_EQ(black, p.at(17, 11));
    EXPECT_EQ(0xFF00FF00u, p.at(5, 20));
}

}  // namespace
