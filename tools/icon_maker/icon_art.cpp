#include "icon_art.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QtMath>
#include <algorithm>

namespace icon_art {

const ttone tone_ink{QColor(0x56, 0x64, 0x72), QColor(0x23, 0x2d, 0x36), QColor(0x16, 0x1d, 0x24)};
const ttone tone_green{QColor(0x70, 0xc8, 0x72), QColor(0x2b, 0x8c, 0x38), QColor(0x1a, 0x5e, 0x25)};
const ttone tone_red{QColor(0xf0, 0x74, 0x66), QColor(0xc4, 0x31, 0x28), QColor(0x86, 0x1b, 0x14)};
const ttone tone_blue{QColor(0x62, 0xa2, 0xe6), QColor(0x22, 0x5f, 0xb0), QColor(0x15, 0x3c, 0x78)};
const ttone tone_amber{QColor(0xff, 0xd8, 0x66), QColor(0xee, 0xa0, 0x16), QColor(0x96, 0x5e, 0x02)};
const ttone tone_steel{QColor(0xe6, 0xea, 0xef), QColor(0x9a, 0xa5, 0xb1), QColor(0x4e, 0x59, 0x66)};
const ttone tone_paper{QColor(0xff, 0xff, 0xff), QColor(0xe3, 0xe8, 0xee), QColor(0x55, 0x61, 0x6e)};

namespace {

const ttone tone_wood{QColor(0xf8, 0xe2, 0xb8), QColor(0xdc, 0xb0, 0x70), QColor(0x16, 0x1d, 0x24)};
const ttone tone_eraser{QColor(0xf6, 0xa4, 0xa4), QColor(0xd8, 0x5e, 0x62), QColor(0x16, 0x1d, 0x24)};

// Every glyph is designed on a 24 x 24 grid; this maps the grid onto the box for the scope and
// converts pixel widths into grid units, so that outlines stay about one pixel at any size.
class tgrid {
public:
    tgrid(QPainter& apainter, const QRectF& abox) : fpainter(apainter), fscale(abox.width() / 24.0) {
        fpainter.save();
        fpainter.setRenderHint(QPainter::Antialiasing, true);
        fpainter.translate(abox.topLeft());
        fpainter.scale(fscale, abox.height() / 24.0);
        foutline = outline_width(abox) / fscale;
    }
    ~tgrid() { fpainter.restore(); }
    tgrid(const tgrid&) = delete;
    tgrid& operator=(const tgrid&) = delete;

    qreal outline() const { return foutline; }

private:
    QPainter& fpainter;
    qreal fscale;
    qreal foutline;
};


QPainterPath rounded(const QRectF& arect, qreal aradius) {
    QPainterPath path;
    path.addRoundedRect(arect, aradius, aradius);
    return path;
}

QPainterPath disc(QPointF acentre, qreal aradius) {
    QPainterPath path;
    path.addEllipse(acentre, aradius, aradius);
    return path;
}

// A white mark (stroke) drawn on a badge.
void mark(QPainter& apainter, const QPainterPath& apath, qreal awidth, const QColor& acolor = Qt::white) {
    apainter.setPen(QPen(acolor, awidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    apainter.setBrush(Qt::NoBrush);
    apainter.drawPath(apath);
}

void dot(QPainter& apainter, QPointF acentre, qreal aradius, const QColor& acolor = Qt::white) {
    apainter.setPen(Qt::NoPen);
    apainter.setBrush(acolor);
    apainter.drawEllipse(acentre, aradius, aradius);
}

// The soft light on the upper half of a disc badge.
void gloss(QPainter& apainter) {
    QLinearGradient light(0, 2, 0, 11);
    light.setColorAt(0, QColor(255, 255, 255, 120));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    apainter.setPen(Qt::NoPen);
    apainter.setBrush(light);
    apainter.drawEllipse(QRectF(5.5, 2.6, 13, 8.4));
}

void disc_badge(QPainter& apainter, const tgrid& agrid, const ttone& atone) {
    paint_shape(apainter, disc({12, 12}, 10.5), atone, agrid.outline());
    gloss(apainter);
}

}  // namespace

QPainterPath stroked(const QPainterPath& apath, qreal awidth, Qt::PenCapStyle acap) {
    QPainterPathStroker stroker;
    stroker.setWidth(awidth);
    stroker.setCapStyle(acap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(apath).simplified();
}

QPainterPath polyline_path(std::initializer_list<QPointF> apoints) {
    QPainterPath path;
    path.addPolygon(QPolygonF(apoints));
    return path;
}

qreal outline_width(const QRectF& abox) { return std::max(1.0, abox.width() / 24.0 * 0.8); }

void paint_shape(QPainter& apainter, const QPainterPath& apath, const ttone& atone, qreal aoutline) {
    QRectF bounds = apath.boundingRect();
    QLinearGradient fill(0, bounds.top(), 0, bounds.bottom());
    fill.setColorAt(0, atone.top);
    fill.setColorAt(1, atone.bottom);
    apainter.setBrush(fill);
    apainter.setPen(QPen(atone.outline, aoutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    apainter.drawPath(apath);
}

void glyph_menu(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    for (int i = 0; i < 3; ++i) paint_shape(apainter, rounded({3.5, 4.5 + i * 6.0, 17, 3}, 1.2), tone_ink, grid.outline());
}

void glyph_plus(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    QPainterPath plus = rounded({9.5, 3.5, 5, 17}, 1.2).united(rounded({3.5, 9.5, 17, 5}, 1.2));
    paint_shape(apainter, plus.simplified(), tone_green, grid.outline());
}

void glyph_minus(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    paint_shape(apainter, rounded({3.5, 9.5, 17, 5}, 1.2), tone_red, grid.outline());
}

// A pencil writing towards the lower left: graphite point, sharpened wood, a faceted yellow body,
// a metal band and a pink eraser, laid out along its own axis and turned by 45 degrees.
void glyph_pencil(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    const qreal line = grid.outline();
    apainter.translate(4.2, 19.8);
    apainter.rotate(-45);
    paint_shape(apainter, rounded({20.2, -3, 3.4, 6}, 1.4), tone_eraser, line);
    paint_shape(apainter, rounded({18, -3, 2.6, 6}, 0.3), tone_steel, line);
    paint_shape(apainter, rounded({6, -3, 12, 6}, 0.3), tone_amber, line);
    apainter.setPen(QPen(QColor(0xc9, 0x82, 0x08), line * 0.8));
    apainter.drawLine(QPointF(6.6, -1), QPointF(17.4, -1));
    apainter.drawLine(QPointF(6.6, 1), QPointF(17.4, 1));
    paint_shape(apainter, polyline_path({{0.3, 0}, {6, -3}, {6, 3}, {0.3, 0}}), tone_wood, line);
    QPainterPath point = polyline_path({{0.3, 0}, {2.4, -1.1}, {2.4, 1.1}, {0.3, 0}});
    paint_shape(apainter, point, tone_ink, line * 0.6);
}

void glyph_tick(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    QPainterPath tick = stroked(polyline_path({{4.5, 12.5}, {9.5, 17.5}, {19.5, 6.5}}), 4.6);
    paint_shape(apainter, tick, tone_green, grid.outline());
}

void glyph_cross(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    QPainterPath cross = polyline_path({{6, 6}, {18, 18}});
    cross.addPath(polyline_path({{18, 6}, {6, 18}}));
    paint_shape(apainter, stroked(cross, 4.6), tone_red, grid.outline());
}

void badge_ok(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    disc_badge(apainter, grid, tone_green);
    mark(apainter, polyline_path({{7.2, 12.4}, {10.6, 15.8}, {16.8, 8.6}}), 2.8);
}

void badge_info(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    disc_badge(apainter, grid, tone_blue);
    dot(apainter, {12, 7.4}, 1.75);
    mark(apainter, polyline_path({{12, 11.2}, {12, 17.2}}), 3.2);
}

void badge_warning(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    QPainterPath triangle = polyline_path({{12, 3.6}, {21.4, 20}, {2.6, 20}, {12, 3.6}});
    paint_shape(apainter, triangle.united(stroked(triangle, 2.4)).simplified(), tone_amber, grid.outline());
    mark(apainter, polyline_path({{12, 9.2}, {12, 13.6}}), 2.8, tone_ink.bottom);
    dot(apainter, {12, 17}, 1.6, tone_ink.bottom);
}

void badge_error(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    disc_badge(apainter, grid, tone_red);
    QPainterPath cross = polyline_path({{8.4, 8.4}, {15.6, 15.6}});
    cross.addPath(polyline_path({{15.6, 8.4}, {8.4, 15.6}}));
    mark(apainter, cross, 2.8);
}

// The question mark as a hook (an arc that turns down into a short stem) and a dot.
void badge_question(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    disc_badge(apainter, grid, tone_blue);
    const QRectF bowl(8.6, 5.6, 6.8, 6.6);
    QPainterPath hook;
    hook.arcMoveTo(bowl, 160);
    hook.arcTo(bowl, 160, -225);
    hook.quadTo(QPointF(12, 12.6), QPointF(12, 14.2));
    mark(apainter, hook, 2.7);
    dot(apainter, {12, 17.6}, 1.6);
}

void glyph_drop_arrow(QPainter& apainter, const QRectF& abox) {
    apainter.save();
    apainter.setRenderHint(QPainter::Antialiasing, false);
    const int left = static_cast<int>(abox.left()), top = static_cast<int>(abox.top());
    for (int row = 0; row < 4; ++row) apainter.fillRect(left + 5 + row, top + 4 + row, 7 - 2 * row, 1, Qt::black);
    apainter.restore();
}

void glyph_person(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    QPainterPath body;
    body.moveTo(4, 21.5);
    body.lineTo(4, 18.8);
    body.cubicTo(4, 15.4, 7.6, 13.6, 12, 13.6);
    body.cubicTo(16.4, 13.6, 20, 15.4, 20, 18.8);
    body.lineTo(20, 21.5);
    body.closeSubpath();
    paint_shape(apainter, body, tone_blue, grid.outline());
    paint_shape(apainter, disc({12, 7.8}, 4.6), tone_blue, grid.outline());
}

void glyph_building(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    paint_shape(apainter, rounded({4.5, 3.5, 15, 18}, 0.8), tone_steel, grid.outline());
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 2; ++col)
            paint_shape(apainter, rounded({7.5 + col * 6.0, 6.5 + row * 4.0, 3, 2}, 0.3), tone_blue, grid.outline() * 0.6);
    paint_shape(apainter, rounded({10.5, 17.5, 3, 4}, 0.3), tone_ink, grid.outline() * 0.6);
}

void glyph_magnifier(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    mark(apainter, polyline_path({{14.8, 14.8}, {20, 20}}), 4, tone_ink.bottom);
    QPainterPath ring = disc({10, 10}, 7).subtracted(disc({10, 10}, 4.8));
    paint_shape(apainter, ring, tone_steel, grid.outline());
    apainter.setPen(Qt::NoPen);
    apainter.setBrush(QColor(0x9c, 0xc8, 0xf0, 150));
    apainter.drawEllipse(QPointF(10, 10), 4.8, 4.8);
}

void glyph_tag(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    QPainterPath tag = polyline_path({{3, 12}, {9.5, 5.5}, {20.5, 5.5}, {20.5, 18.5}, {9.5, 18.5}, {3, 12}});
    tag = tag.united(stroked(tag, 1.6)).subtracted(disc({9, 12}, 1.7)).simplified();
    paint_shape(apainter, tag, tone_amber, grid.outline());
}

void glyph_document(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    QPainterPath page = polyline_path({{5.5, 2.5}, {14.5, 2.5}, {18.5, 6.5}, {18.5, 21.5}, {5.5, 21.5}, {5.5, 2.5}});
    paint_shape(apainter, page, tone_paper, grid.outline());
    paint_shape(apainter, polyline_path({{14.5, 2.5}, {14.5, 6.5}, {18.5, 6.5}, {14.5, 2.5}}), tone_steel, grid.outline());
    apainter.setPen(QPen(tone_blue.bottom, grid.outline()));
    for (qreal y : {10.5, 13.5, 16.5}) apainter.drawLine(QPointF(8, y), QPointF(16, y));
}

void glyph_gear(QPainter& apainter, const QRectF& abox) {
    tgrid grid(apainter, abox);
    QPainterPath gear = disc({12, 12}, 7);
    for (int i = 0; i < 8; ++i) {
        QTransform turn;
        turn.translate(12, 12);
        turn.rotate(i * 45);
        gear = gear.united(turn.map(rounded({-1.9, -10, 3.8, 5}, 0.8)));
    }
    gear = gear.subtracted(disc({12, 12}, 3)).simplified();
    paint_shape(apainter, gear, tone_steel, grid.outline());
}

}  // namespace icon_art
