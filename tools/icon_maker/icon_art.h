// The icon maker's drawing kit: one palette, filled-and-outlined shapes lit from above, and the
// glyphs every icon set is made of, each drawn into a square box at any size.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace icon_art {

// A hue as a light top, a darker bottom and an outline.
struct ttone {
    QColor top, bottom, outline;
};

extern const ttone tone_ink, tone_green, tone_red, tone_blue, tone_amber, tone_steel, tone_paper;

// Outline width for a glyph box: about one pixel at 24 pixels, a little more when larger.
qreal outline_width(const QRectF& abox);

// A stroke of even width along a centre line, as a path of its own (round ends unless told).
QPainterPath stroked(const QPainterPath& apath, qreal awidth, Qt::PenCapStyle acap = Qt::RoundCap);
// The open chain of straight lines through the points.
QPainterPath polyline_path(std::initializer_list<QPointF> apoints);

// Fills a path with the tone's vertical gradient and strokes it with the tone's outline.
void paint_shape(QPainter& apainter, const QPainterPath& apath, const ttone& atone, qreal aoutline);

// Toolbar glyphs.
void glyph_menu(QPainter& apainter, const QRectF& abox);
void glyph_plus(QPainter& apainter, const QRectF& abox);
void glyph_minus(QPainter& apainter, const QRectF& abox);
void glyph_pencil(QPainter& apainter, const QRectF& abox);

// Marks on their own (the button icons) and the status badges (a disc or triangle with a mark).
void glyph_tick(QPainter& apainter, const QRectF& abox);
void glyph_cross(QPainter& apainter, const QRectF& abox);
void badge_ok(QPainter& apainter, const QRectF& abox);
void badge_info(QPainter& apainter, const QRectF& abox);
void badge_warning(QPainter& apainter, const QRectF& abox);
void badge_error(QPainter& apainter, const QRectF& abox);
void badge_question(QPainter& apainter, const QRectF& abox);

// The combo box's drop arrow: pixel-exact, no antialiasing.
void glyph_drop_arrow(QPainter& apainter, const QRectF& abox);

// Small object pictures.
void glyph_person(QPainter& apainter, const QRectF& abox);
void glyph_building(QPainter& apainter, const QRectF& abox);
void glyph_magnifier(QPainter& apainter, const QRectF& abox);
void glyph_tag(QPainter& apainter, const QRectF& abox);
void glyph_document(QPainter& apainter, const QRectF& abox);
void glyph_gear(QPainter& apainter, const QRectF& abox);

}  // namespace icon_art
