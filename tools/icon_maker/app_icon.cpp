#include "app_icon.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstdio>

#include "icon_art.h"

#ifdef VELMOR_ICON_SVG
#include <QSvgGenerator>
#endif

void paint_app_icon(QPaintDevice& adevice, int asize) {
    QPainter painter(&adevice);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const qreal unit = asize / 48.0;
    // The tile: a rounded square lit from above, a margin left for the desktop's own shadow.
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2 * unit, 2 * unit, 44 * unit, 44 * unit), 9 * unit, 9 * unit);
    QLinearGradient fill(0, 2 * unit, 0, 46 * unit);
    fill.setColorAt(0, icon_art::tone_blue.top);
    fill.setColorAt(1, icon_art::tone_blue.bottom);
    painter.setBrush(fill);
    painter.setPen(QPen(icon_art::tone_blue.outline, std::max(1.0, unit)));
    painter.drawPath(tile);
    icon_art::glyph_document(painter, QRectF(6 * unit, 5 * unit, 34 * unit, 34 * unit));
    // A white disc behind the customer keeps it apart from the page at small sizes.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(33 * unit, 33 * unit), 11 * unit, 11 * unit);
    icon_art::glyph_person(painter, QRectF(23 * unit, 22.5 * unit, 20 * unit, 20 * unit));
}

bool write_app_icons(const QString& afolder, const QString& aname) {
    for (int size : {48, 128, 256}) {
        const QString folder = QString("%1/%2x%2").arg(afolder).arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        paint_app_icon(image, size);
        if (!QDir().mkpath(folder) || !image.save(folder + "/" + aname + ".png", "PNG")) {
            std::fprintf(stderr, "icon-maker: cannot write %s/%s.png\n", qPrintable(folder), qPrintable(aname));
            return false;
        }
    }
#ifdef VELMOR_ICON_SVG
    QSvgGenerator svg;
    svg.setFileName(afolder + "/" + aname + ".svg");
    svg.setSize(QSize(48, 48));
    svg.setViewBox(QRect(0, 0, 48, 48));
    svg.setTitle("Velmor Accounts");
    paint_app_icon(svg, 48);
    if (!QFileInfo::exists(afolder + "/" + aname + ".svg")) {
        std::fprintf(stderr, "icon-maker: cannot write %s/%s.svg\n", qPrintable(afolder), qPrintable(aname));
        return false;
    }
#endif
    return true;
}
