// The pixel contract of the Qt canvas, on tiny images.
#include "shell/qt_canvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <string>
#include <vector>

#include "qt_app.h"

namespace {

constexpr QRgb white = 0xFFFFFFFF;

struct tpixels {
    QImage image;
    tqt_canvas canvas{&image};
    explicit tpixels(int w = 20, int h = 20) : image(w, h, QImage::Format_RGB32) {
        qt_app();
        image.fill(white);
        canvas.set_image(&image);
    }
    bool inked(int x, int y) const { return image.pixel(x, y) != white; }
    int count() const {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += inked(x, y);
        return n;
    }
    // The inked pixels as "x,y" in reading order.
    std::string list() const {
        std::string s;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (inked(x, y)) s += (s.empty() ? "" : " ") + std::to_string(x) + "," + std::to_string(y);
        return s;
    }
    // Lowest and highest rows with ink, -1 when none.
    int lowest_row() const {
        for (int y = image.height() - 1; y >= 0; --y)
            for (int x = 0; x < image.width(); ++x)
                if (inked(x, y)) return y;
        return -1;
    }
};

TEST(QtCanvas, FillCoversLeftToRightMinusOneAndNothingElse) {
    tpixels p;
    p.canvas.set_brush_color(color_black);
    p.canvas.fill_rect({3, 4, 13, 14});
    EXPECT_EQ(100, p.count());
    EXPECT_TRUE(p.inked(3, 4));
    EXPECT_TRUE(p.inked(12, 13));
    EXPECT_FALSE(p.inked(13, 13));
    EXPECT_FALSE(p.inked(12, 14));
}

TEST(QtCanvas, EmptyOrInvertedRectanglesDrawNothing) {
    tpixels p;
    p.canvas.set_brush_color(color_black);
    p.canvas.fill_rect({5, 5, 5, 10});
    p.canvas.fill_rect({8, 8, 4, 4});
    p.canvas.frame_rect({8, 8, 4, 4});
    EXPECT_EQ(0, p.count());
}

TEST(QtCanvas, FrameIsOnePixelInsideTheRectangle) {
    tpixels p;
    p.canvas.set_brush_color(color_black);
    p.canvas.frame_rect({2, 2, 6, 5});
    EXPECT_EQ("2,2 3,2 4,2 5,2 2,3 5,3 2,4 3,4 4,4 5,4", p.list());
}

TEST(QtCanvas, LinesLeaveTheirEndPixel) {
    struct tcase {
        const char* name;
        tpoint from, to;
        const char* pixels;
    };
    const tcase cases[] = {
        {"rightwards", {1, 1}, {5, 1}, "1,1 2,1 3,1 4,1"},
        {"leftwards", {5, 1}, {1, 1}, "2,1 3,1 4,1 5,1"},
        {"downwards", {2, 0}, {2, 3}, "2,0 2,1 2,2"},
        {"diagonal", {0, 0}, {3, 3}, "0,0 1,1 2,2"},
        {"a point", {4, 4}, {4, 4}, ""},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tpixels p(8, 8);
        p.canvas.set_pen_color(color_black);
        p.canvas.move_to(c.from.x, c.from.y);
        p.canvas.line_to(c.to.x, c.to.y);
        EXPECT_EQ(c.pixels, p.list());
    }
}

TEST(QtCanvas, PolylineChainsLinesWithoutTheLastPoint) {
    tpixels p(8, 8);
    p.canvas.set_pen_color(color_black);
    p.canvas.polyline({{1, 3}, {1, 1}, {4, 1}});
    EXPECT_EQ("1,1 2,1 3,1 1,2 1,3", p.list());
}

TEST(QtCanvas, PolygonIsFilledAndClosed) {
    tpixels p(12, 12);
    p.canvas.set_pen_color(color_black);
    p.canvas.set_brush_color(color_black);
    p.canvas.polygon({{1, 5}, {5, 1}, {9, 5}});
    EXPECT_TRUE(p.inked(9, 5));   // the last vertex, reached by the closing edge's start
    EXPECT_TRUE(p.inked(5, 4));   // inside
    EXPECT_FALSE(p.inked(5, 6));  // below the base
    EXPECT_EQ(25, p.count());     // the solid triangle 9 + 7 + 5 + 3 + 1
}

TEST(QtCanvas, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    tpixels p(8, 8);
    p.canvas.set_pen_color(color_black);
    p.canvas.set_brush_color(rgb_color(255, 0, 0));
    p.canvas.rectangle({1, 1, 5, 5});
    EXPECT_EQ(qRgb(0, 0, 0), p.image.pixel(4, 4));
    EXPECT_EQ(qRgb(255, 0, 0), p.image.pixel(2, 2));
    EXPECT_EQ(16, p.count());
}

TEST(QtCanvas, SystemColoursUseTheClassicPalette) {
    struct tcase {
        uint8_t number;
        QRgb rgb;
    };
    for (tcase c : {tcase{6, qRgb(0, 0, 0)}, {15, qRgb(212, 208, 200)}, {16, qRgb(128, 128, 128)},
                    {20, qRgb(255, 255, 255)}, {21, qRgb(64, 64, 64)}}) {
        SCOPED_TRACE(c.number);
        tpixels p(2, 2);
        p.canvas.set_brush_color(system_color(c.number));
        p.canvas.fill_rect({0, 0, 1, 1});
        EXPECT_EQ(c.rgb, p.image.pixel(0, 0));
    }
    tpixels p(2, 2);
    p.canvas.set_brush_color(rgb_color(1, 2, 3));
    p.canvas.fill_rect({0, 0, 1, 1});
    EXPECT_EQ(qRgb(1, 2, 3), p.image.pixel(0, 0));
}

TEST(QtCanvas, BottomLeftTextSitsWithItsDescentOnTheReferenceLine) {
    tpixels p(60, 40);
    p.canvas.set_font("tahoma", 10, false);
    p.canvas.set_brush_style(tbrush_style::bs_clear);
    p.canvas.set_text_align(ttext_halign::left, ttext_valign::bottom);
    QFontMetrics metrics(tqt_canvas::make_font("tahoma", 10, false));
    p.canvas.text_out(5, 30, u"H");
    // The flat bottom of H is the baseline: the row above bottom minus descent.
    EXPECT_EQ(30 - metrics.descent() - 1, p.lowest_row());
    p.canvas.text_out(20, 30, u"g");
    EXPECT_LT(p.lowest_row(), 30);
    EXPECT_GT(p.lowest_row(), 30 - metrics.descent() - 1);
}

TEST(QtCanvas, RightAndCentreReferencePointsMeasureTheText) {
    tpixels p(80, 30);
    p.canvas.set_font("arial", 10, false);
    p.canvas.set_brush_color(color_black);
    const std::u16string text = u"MMM";
    tsize extent = p.canvas.text_extent(text);
    p.canvas.set_text_align(ttext_halign::right, ttext_valign::bottom);
    p.canvas.text_out(70, 25, text);  // solid brush: the text cell is filled
    EXPECT_TRUE(p.inked(70 - extent.cx, 25 - extent.cy));
    EXPECT_FALSE(p.inked(70 - extent.cx - 1, 24));
    EXPECT_FALSE(p.inked(70, 24));
    EXPECT_FALSE(p.inked(69, 25));

    tpixels q(80, 30);
    q.canvas.set_font("arial", 10, false);
    q.canvas.set_brush_color(color_black);
    q.canvas.set_text_align(ttext_halign::centre, ttext_valign::bottom);
    q.canvas.text_out(40, 25, text);
    EXPECT_TRUE(q.inked(40 - extent.cx / 2, 24));
    EXPECT_FALSE(q.inked(40 - extent.cx / 2 - 1, 24));
}

TEST(QtCanvas, ClippedTextFillsItsRectangleOnlyWithASolidBrush) {
    tpixels p(40, 20);
    p.canvas.set_font("tahoma", 10, false);
    p.canvas.set_text_color(color_black);
    p.canvas.set_brush_color(rgb_color(0, 0, 255));
    p.canvas.set_text_align(ttext_halign::left, ttext_valign::bottom);
    p.canvas.text_rect({2, 2, 12, 18}, 4, 16, u"WWWWWW");
    EXPECT_EQ(qRgb(0, 0, 255), p.image.pixel(2, 2));
    EXPECT_EQ(qRgb(0, 0, 255), p.image.pixel(11, 17));
    EXPECT_EQ(10 * 16, p.count());  // the text stays inside the clip

    tpixels q(40, 20);
    q.canvas.set_font("tahoma", 10, false);
    q.canvas.set_brush_style(tbrush_style::bs_clear);
    q.canvas.set_text_align(ttext_halign::left, ttext_valign::bottom);
    q.canvas.text_rect({2, 2, 30, 18}, 4, 16, u"W");
    EXPECT_FALSE(q.inked(2, 2));
    EXPECT_GT(q.count(), 0);
}

TEST(QtCanvas, FacesMapToTheInstalledFonts) {
    qt_app();
    struct tcase {
        const char* face;
        const char* family;
    };
    for (tcase c : {tcase{"tahoma", "Tahoma"}, {"arial", "Liberation Sans"}, {"courier new", "Liberation Mono"},
                    {"verdana", "DejaVu Sans"}, {"segoe ui semibold", "Open Sans"}}) {
        SCOPED_TRACE(c.face);
        QFont font = tqt_canvas::make_font(c.face, 12, false);
        EXPECT_EQ(16, font.pixelSize());
        EXPECT_EQ(QString(c.family), QFontInfo(font).family());
    }
}

TEST(QtCanvas, EveryPrimitiveReportsTheAreaItTouched) {
    tpixels p;
    std::vector<trect> damage;
    p.canvas.set_damage_handler([&](const trect& r) { damage.push_back(r); });
    p.canvas.fill_rect({1, 2, 5, 6});
    p.canvas.move_to(0, 0);
    p.canvas.line_to(4, 0);
    ASSERT_EQ(2u, damage.size());
    EXPECT_EQ((trect{1, 2, 5, 6}), damage[0]);
    EXPECT_LE(damage[1].left, 0);
    EXPECT_GE(damage[1].right, 4);
}

TEST(QtCanvas, ClipLimitsAllDrawing) {
    tpixels p;
    p.canvas.set_clip(trect{0, 0, 5, 5});
    p.canvas.set_brush_color(color_black);
    p.canvas.fill_rect({0, 0, 10, 10});
    EXPECT_EQ(25, p.count());
}

// Texts are measured and shaped once and then drawn from their glyphs: the pixels must be the
// ones the painter draws for the same text, in every face, for accents, punctuation, fallback
// glyphs and other scripts, the first time and from the cache.
TEST(QtCanvas, TextDrawnFromItsShapedGlyphsMatchesThePaintersOwnText) {
    qt_app();
    const std::u16string texts[] = {u"Margaret", u"O'Brien-Smith", u"Zoë Chloé Åsa", u"Łukasz Ştefan Tāne",
                                    u"Dvořáková & Núñez", u"Ελληνικά Кириллица", u"tab\there", u"  spaced  ",
                                    u"Østergaard 123.45", u""};
    struct tface {
        const char* face;
        int32_t points;
        bool bold;
    };
    for (tface f : {tface{"tahoma", 10, false}, {"tahoma", 8, true}, {"arial", 10, false}, {"courier new", 9, false},
                    {"segoe ui semibold", 11, false}}) {
        for (const std::u16string& text : texts) {
            SCOPED_TRACE(std::string(f.face) + " " + QString::fromStdU16String(text).toStdString());
            QImage expected(240, 24, QImage::Format_RGB32);
            expected.fill(white);
            {
                QPainter painter(&expected);
                QFont font = tqt_canvas::make_font(f.face, f.points, f.bold);
                painter.setFont(font);
                painter.setPen(QColor(0, 0, 128));
                painter.drawText(QPoint(3, 2 + QFontMetrics(font).ascent()), QString::fromStdU16String(text));
            }
            for (int pass = 0; pass < 2; ++pass) {
                tpixels p(240, 24);
                p.canvas.set_font(f.face, f.points, f.bold);
                p.canvas.set_brush_style(tbrush_style::bs_clear);
                p.canvas.set_text_color(rgb_color(0, 0, 128));
                p.canvas.text_out(3, 2, text);
                EXPECT_TRUE(p.image == expected) << "pass " << pass;
            }
        }
    }
}

// A clipped text over a solid brush (a grid cell) drawn again is copied from a tile: every time, and
// for texts cut by the cell's edges, the pixels must be the painter's own fill and text.
TEST(QtCanvas, CellsOfTextDrawnAgainCopyThePaintersOwnPixels) {
    qt_app();
    struct tcell {
        const char16_t* text;
        trect clip;
        int32_t x, y;
        tcolor brush;
        tcolor pen;
    };
    const tcell cells[] = {{u"Margaret Østergaard", {4, 3, 140, 27}, 8, 6, color_white, color_black},
                           {u"Margaret Østergaard", {4, 3, 140, 27}, 8, 6, rgb_color(64, 64, 200), color_white},
                           {u"cut by the right edge of the cell", {10, 2, 60, 20}, 12, 4, rgb_color(255, 255, 225), color_black},
                           {u"above", {0, 8, 90, 18}, 2, 2, color_white, rgb_color(128, 0, 0)},
                           {u"Кириллица", {4, 3, 140, 27}, 8, 6, color_white, color_black}};
    for (const tcell& c : cells) {
        SCOPED_TRACE(QString::fromStdU16String(c.text).toStdString());
        QImage expected(160, 32, QImage::Format_RGB32);
        expected.fill(white);
        {
            QPainter painter(&expected);
            QFont font = tqt_canvas::make_font("tahoma", 10, false);
            const QRect clip(c.clip.left, c.clip.top, c.clip.width(), c.clip.height());
            painter.fillRect(clip, QColor(c.brush & 0xFF, (c.brush >> 8) & 0xFF, (c.brush >> 16) & 0xFF));
            painter.setClipRect(clip);
            painter.setFont(font);
            painter.setPen(QColor(c.pen & 0xFF, (c.pen >> 8) & 0xFF, (c.pen >> 16) & 0xFF));
            painter.drawText(QPoint(c.x, c.y + QFontMetrics(font).ascent()), QString::fromStdU16String(c.text));
        }
        for (int pass = 0; pass < 3; ++pass) {
            tpixels p(160, 32);
            p.canvas.set_font("tahoma", 10, false);
            p.canvas.set_brush_color(c.brush);
            p.canvas.set_text_color(c.pen);
            p.canvas.text_rect(c.clip, c.x, c.y, c.text);
            EXPECT_TRUE(p.image == expected) << "pass " << pass;
        }
    }
}

// Drawings into a backing image share one kept painter; each primitive must still start from a
// fresh painter's state (clip, composition mode, pen, font), so the image is the same as with a
// painter per primitive.
TEST(QtCanvas, AKeptPainterDrawsWhatAPainterPerPrimitiveDraws) {
    auto draw = [](tqt_canvas& c) {
        c.set_brush_color(rgb_color(200, 220, 240));
        c.fill_rect({0, 0, 90, 40});
        c.set_pen_mode(tpen_mode::pm_xor);
        c.set_pen_color(color_black);
        c.move_to(0, 0);
        c.line_to(80, 35);
        c.set_pen_mode(tpen_mode::pm_copy);
        c.set_brush_style(tbrush_style::bs_solid);
        c.set_brush_color(color_white);
        c.set_font("tahoma", 10, false);
        c.text_rect({10, 10, 40, 25}, 12, 10, u"Clipped text");
        c.set_brush_style(tbrush_style::bs_clear);
        c.text_out(45, 5, u"Après");
        c.set_clip(trect{50, 20, 90, 40});
        c.set_brush_style(tbrush_style::bs_solid);
        c.set_brush_color(rgb_color(10, 120, 10));
        c.polygon({{40, 39}, {85, 15}, {89, 39}});
        c.set_clip(std::nullopt);
        c.set_pen_width(3);
        c.move_to(5, 35);
        c.line_to(30, 30);
        c.set_pen_width(1);
        c.frame_rect({2, 2, 88, 38});
    };
    tpixels own(90, 40);
    draw(own.canvas);
    tpixels kept(90, 40);
    kept.canvas.set_keep_painter(true);
    draw(kept.canvas);
    kept.canvas.end_painting();
    EXPECT_TRUE(own.image == kept.image);
}

}  // namespace
