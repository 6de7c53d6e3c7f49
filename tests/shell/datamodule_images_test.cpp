// The icon store drawn through the Qt canvas: sizes per set, greying only for the button set,
// nothing for a set outside 0-8.
#include "shell/datamodule_images.h"

#include <gtest/gtest.h>

#include "qt_app.h"

namespace {

struct tdrawn {
    QImage image{80, 80, QImage::Format_RGB32};
    tqt_canvas canvas{&image};
    Tdatamodule_images images;
    tdrawn() {
        qt_app();
        image.fill(Qt::white);
        canvas.set_icon_source(&images);
    }
    // The box of pixels that are not white, as (left, top, right, bottom); all -1 when none.
    QRect inked() const {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
        return box;
    }
    bool any_coloured() const {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                QRgb c = image.pixel(x, y);
                if (qRed(c) != qGreen(c) || qGreen(c) != qBlue(c)) return true;
            }
        return false;
    }
};

TEST(IconStore, IconsLieWithinTheirSetsSizeAtTheirTopLeftCorner) {
    struct tcase {
        int32_t set;
        int32_t width, height;
    };
    for (tcase c : {tcase{0, 32, 32}, {2, 16, 16}, {5, 52, 44}, {8, 52, 44}}) {
        SCOPED_TRACE(c.set);
        tdrawn d;
        d.images.draw_icon(d.canvas, c.set, 10, 12, 0, true);
        QRect box = d.inked();
        EXPECT_FALSE(box.isEmpty());
        EXPECT_TRUE(QRect(10, 12, c.width, c.height).contains(box));
    }
}

TEST(IconStore, OnlyTheButtonSetIsGreyedWhenNotEnabled) {
    tdrawn enabled;
    enabled.images.draw_icon(enabled.canvas, 2, 0, 0, 0, true);
    EXPECT_TRUE(enabled.any_coloured());
    tdrawn greyed;
    greyed.images.draw_icon(greyed.canvas, 2, 0, 0, 0, false);
    EXPECT_FALSE(greyed.any_coloured());
    EXPECT_FALSE(greyed.inked().isEmpty());
    tdrawn other;
    other.images.draw_icon(other.canvas, 3, 0, 0, 5, false);
    EXPECT_TRUE(other.any_coloured());
}

TEST(IconStore, ASetOutsideZeroToEightDrawsNothing) {
    for (int32_t set : {-1, 9}) {
        SCOPED_TRACE(set);
        tdrawn d;
        d.images.draw_icon(d.canvas, set, 0, 0, 0, true);
        EXPECT_TRUE(d.inked().isEmpty());
    }
}

}  // namespace
