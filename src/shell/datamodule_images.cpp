#include "shell/datamodule_images.h"

#include <QPainter>
#include <QPainterPath>

QSize Tdatamodule_images::icon_size(int32_t aicon_set) {
    static const QSize sizes[] = {{32, 32}, {24, 24}, {16, 16}, {48, 48}, {52, 52},
                                  {52, 44}, {24, 24}, {16, 16}, {52, 44}};
    if (aicon_set < 0 || aicon_set > 8) return {0, 0};
    return sizes[aicon_set];
}

const QImage* Tdatamodule_images::get_icon(int32_t aicon_set, int32_t aicon) const {
    if (aicon_set < 0 || aicon_set > 8 || aicon < 0) return nullptr;
    auto key = std::make_pair(aicon_set, aicon);
    auto it = fcache.find(key);
    if (it == fcache.end()) it = fcache.emplace(key, make_icon(aicon_set, aicon)).first;
    return &it->second;
}

// Line art on a transparent ground. The button set's first two icons are the tick (yes, OK, go)
// and the cross (no, cancel, close); the combo-box set's first is the drop arrow. Other icons
// are a framed square with the icon's number, so that each stays recognisable.
QImage Tdatamodule_images::make_icon(int32_t aicon_set, int32_t aicon) const {
    QSize size = icon_size(aicon_set);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal w = size.width(), h = size.height();
    if (aicon_set == 2 && aicon == 0) {
        p.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{w * 0.2, h * 0.55}, {w * 0.42, h * 0.78}, {w * 0.82, h * 0.25}}));
    } else if (aicon_set == 2 && aicon == 1) {
        p.setPen(QPen(QColor(192, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(w * 0.25, h * 0.25), QPointF(w * 0.75, h * 0.75));
        p.drawLine(QPointF(w * 0.75, h * 0.25), QPointF(w * 0.25, h * 0.75));
    } else if (aicon_set == 7 && aicon == 0) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygon({{4, 6}, {11, 6}, {7, 10}}));
    } else {
        p.setPen(QPen(QColor(64, 64, 64), 1));
        p.setBrush(QColor(240, 240, 240));
        p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), 2, 2);
        QFont font = tqt_canvas::make_font("tahoma", std::max(6, static_cast<int>(h / 3)), true);
        p.setFont(font);
        p.setPen(QColor(0, 0, 128));
        p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, QString::number(aicon));
    }
    return image;
}
