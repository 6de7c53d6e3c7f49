// The icon store drawn through the Qt canvas: the embedded pictures and their sizes, greying only
// for the button set, nothing for a set or icon that does not exist.
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
    // The box of pixels that are not white; empty when none.
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

TEST(IconStore, EveryEmbeddedIconDecodesAtItsSetsSize) {
    Tdatamodule_images images;
    ASSERT_FALSE(embedded_icons().empty());
    for (const tembedded_icon& icon : embedded_icons()) {
        SCOPED_TRACE(testing::Message() << "set " << icon.icon_set << " icon " << icon.icon);
        const QImage* image = images.get_icon(icon.icon_set, icon.icon);
        ASSERT_NE(nullptr, image);
        EXPECT_EQ(Tdatamodule_images::icon_size(icon.icon_set), image->size());
    }
}

TEST(IconStore, TheIconsThePagesAndRenderersNameAreThere) {
    struct tcase {
        const char* name;
        int32_t set, first, count;
    };
    const tcase cases[] = {
        {"yes and no button marks", 2, 0, 2},
        {"dialog question mark", 3, 0, 1},
        {"header menu button: released, pushed, disabled", 5, 0, 3},
        {"header plus, minus and edit buttons", 8, 3, 9},
        {"combo box drop arrow", 7, 0, 1},
    };
    Tdatamodule_images images;
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        for (int32_t icon = c.first; icon < c.first + c.count; ++icon) EXPECT_NE(nullptr, images.get_icon(c.set, icon)) << icon;
    }
    EXPECT_EQ(QSize(52, 44), Tdatamodule_images::icon_size(8));
}

TEST(IconStore, IconsLieWithinTheirSetsSizeAtTheirTopLeftCorner) {
    struct tcase {
        int32_t set;
        int32_t width, height;
    };
    for (tcase c : {tcase{0, 32, 32}, {2, 16, 16}, {4, 52, 52}, {5, 52, 44}, {8, 52, 44}}) {
        SCOPED_TRACE(c.set);
        tdrawn d;
        d.images.draw_icon(d.canvas, c.set, 10, 12, 0, true);
        QRect box = d.inked();
        EXPECT_FALSE(box.isEmpty());
        EXPECT_TRUE(QRect(10, 12, c.width, c.height).contains(box)) << box.x() << "," << box.y() << " " << box.width() << "x" << box.height();
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

    tdrawn other_enabled, other_disabled;
    other_enabled.images.draw_icon(other_enabled.canvas, 3, 0, 0, 0, true);
    other_disabled.images.draw_icon(other_disabled.canvas, 3, 0, 0, 0, false);
    EXPECT_TRUE(other_disabled.any_coloured());
    EXPECT_TRUE(other_enabled.image == other_disabled.image);
}

TEST(IconStore, ASetOrIconThatDoesNotExistDrawsNothing) {
    struct tcase {
        const char* name;
        int32_t set, icon;
    };
    for (tcase c : {tcase{"set below 0", -1, 0}, {"set above 8", 9, 0}, {"negative icon", 2, -1},
                    {"icon past the button set", 2, 2}, {"icon past a toolbar set", 8, 12}}) {
        SCOPED_TRACE(c.name);
        tdrawn d;
        d.images.draw_icon(d.canvas, c.set, 0, 0, c.icon, true);
        EXPECT_TRUE(d.inked().isEmpty());
        EXPECT_EQ(nullptr, d.images.get_icon(c.set, c.icon));
    }
}

}  // namespace
