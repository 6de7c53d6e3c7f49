#include "icon_catalogue.h"

#include <QLinearGradient>

#include "icon_art.h"

namespace {

using tglyph = void (*)(QPainter&, const QRectF&);

QImage blank(int awidth, int aheight) {
    QImage image(awidth, aheight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A glyph centred in an icon of its own (the status, dialog, button and object sets).
QImage plain(int awidth, int aheight, tglyph aglyph, int aglyph_size) {
    QImage image = blank(awidth, aheight);
    QPainter painter(&image);
    aglyph(painter, QRectF((awidth - aglyph_size) / 2, (aheight - aglyph_size) / 2, aglyph_size, aglyph_size));
    return image;
}

enum class tface { released, pushed, disabled };

// The toolbar button face: a rounded, softly lit plate; pushed it is darker at the top (sunken)
// with a shadow line inside its upper and left edges.
void paint_face(QPainter& apainter, int awidth, int aheight, tface aface) {
    apainter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF plate(0.5, 0.5, awidth - 1, aheight - 1);
    QLinearGradient fill(0, 0, 0, aheight);
    QColor border;
    switch (aface) {
    case tface::released:
        fill.setColorAt(0, QColor(0xfd, 0xfc, 0xfa));
        fill.setColorAt(1, QColor(0xd6, 0xd2, 0xc9));
        border = QColor(0x86, 0x82, 0x7a);
        break;
    case tface::pushed:
        fill.setColorAt(0, QColor(0xc2, 0xbe, 0xb5));
        fill.setColorAt(1, QColor(0xdf, 0xdb, 0xd3));
        border = QColor(0x66, 0x62, 0x5b);
        break;
    case tface::disabled:
        fill.setColorAt(0, QColor(0xf0, 0xee, 0xea));
        fill.setColorAt(1, QColor(0xdf, 0xdc, 0xd5));
        border = QColor(0xb0, 0xac, 0xa4);
        break;
    }
    apainter.setPen(QPen(border, 1));
    apainter.setBrush(fill);
    apainter.drawRoundedRect(plate, 4, 4);
    apainter.setBrush(Qt::NoBrush);
    if (aface == tface::pushed) {
        apainter.setPen(QPen(QColor(0x9c, 0x98, 0x90), 1));
        apainter.drawLine(QPointF(3, 1.5), QPointF(awidth - 3, 1.5));
        apainter.drawLine(QPointF(1.5, 3), QPointF(1.5, aheight - 3));
    } else {
        apainter.setPen(QPen(QColor(255, 255, 255, 200), 1));
        apainter.drawRoundedRect(plate.adjusted(1, 1, -1, -1), 3, 3);
    }
}

// The glyph in one flat colour, keeping its shape (the white shadow under a disabled glyph).
QImage flat(const QImage& aglyph, const QColor& acolor) {
    QImage image = aglyph;
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), acolor);
    return image;
}

// The glyph in greys, faded towards the face, so that a disabled glyph keeps its drawing.
QImage faded(const QImage& aglyph) {
    QImage image = aglyph.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 122 + qGray(line[x]) * 45 / 100;
            line[x] = qRgba(grey, grey, grey - 4, qAlpha(line[x]));
        }
    }
    return image;
}

// A toolbar button: face plus glyph; pushed shifts the glyph one pixel right and down; disabled
// draws it in faded greys over a white shadow.
QImage toolbar_button(int awidth, int aheight, tglyph aglyph, int aglyph_size, tface aface) {
    QImage glyph = blank(awidth, aheight);
    {
        QPainter painter(&glyph);
        aglyph(painter, QRectF((awidth - aglyph_size) / 2, (aheight - aglyph_size) / 2, aglyph_size, aglyph_size));
    }
    QImage image = blank(awidth, aheight);
    QPainter painter(&image);
    paint_face(painter, awidth, aheight, aface);
    switch (aface) {
    case tface::released:
        painter.drawImage(0, 0, glyph);
        break;
    case tface::pushed:
        painter.drawImage(1, 1, glyph);
        break;
    case tface::disabled:
        painter.drawImage(1, 1, flat(glyph, Qt::white));
        painter.drawImage(0, 0, faded(glyph));
        break;
    }
    return image;
}

// The four toolbar buttons in the same numbering in every toolbar set: menu 0, plus 3, minus 6,
// edit 9, each followed by its pushed and its disabled picture.
void add_toolbar_set(std::vector<ticon_entry>& aicons, int32_t aset, int awidth, int aheight, int aglyph_size) {
    const tglyph glyphs[] = {icon_art::glyph_menu, icon_art::glyph_plus, icon_art::glyph_minus, icon_art::glyph_pencil};
    int32_t icon = 0;
    for (tglyph glyph : glyphs)
        for (tface face : {tface::released, tface::pushed, tface::disabled})
            aicons.push_back({aset, icon++, toolbar_button(awidth, aheight, glyph, aglyph_size, face)});
}

void add_set(std::vector<ticon_entry>& aicons, int32_t aset, int asize, int aglyph_size,
             std::initializer_list<tglyph> aglyphs) {
    int32_t icon = 0;
    for (tglyph glyph : aglyphs) aicons.push_back({aset, icon++, plain(asize, asize, glyph, aglyph_size)});
}

}  // namespace

std::vector<ticon_entry> icon_catalogue() {
    using namespace icon_art;
    std::vector<ticon_entry> icons;
    add_set(icons, 0, 32, 32, {badge_ok, badge_info, badge_warning, badge_error, badge_question});
    add_set(icons, 1, 24, 24, {badge_ok, badge_info, badge_warning, badge_error, badge_question});
    add_set(icons, 2, 16, 16, {glyph_tick, glyph_cross});
    add_set(icons, 3, 48, 48, {badge_question, badge_info, badge_warning, badge_error, badge_ok});
    add_toolbar_set(icons, 4, 52, 52, 28);
    add_toolbar_set(icons, 5, 52, 44, 24);
    add_set(icons, 6, 24, 24, {glyph_person, glyph_building, glyph_magnifier, glyph_tag, glyph_document, glyph_gear});
    add_set(icons, 7, 16, 16, {glyph_drop_arrow});
    add_toolbar_set(icons, 8, 52, 44, 24);
    return icons;
}
