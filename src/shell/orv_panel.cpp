#include "shell/orv_panel.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

const QEvent::Type posted_resize_event = static_cast<QEvent::Type>(QEvent::User + 2);

}  // namespace

torv_panel::torv_panel(QWidget* aparent, tsurface_owner* aowner, const QString& aname, int32_t atag,
                       bool abevelled, bool amouse)
    : QWidget(aparent), fowner(aowner), ftag(atag), fbevelled(abevelled), fmouse(amouse), fcanvas(&fimage) {
    setObjectName(aname);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(amouse);
    // Drawings between two paints share one painter, ended before the image is erased or shown.
    fcanvas.set_keep_painter(true);
    fcanvas.set_damage_handler([this](const trect& r) {
        // Inside a paint the whole image is copied anyway.
        if (!fpainting) update(QRect(r.left, r.top, r.width(), r.height()));
    });
    make_backing();
}

void torv_panel::make_backing() {
    // A painter kept open on the old image must end before that image is replaced.
    fcanvas.end_painting();
    qreal ratio = devicePixelRatioF();
    QSize size(std::max(1, width()), std::max(1, height()));
    fimage = QImage(size * ratio, QImage::Format_RGB32);
    fimage.setDevicePixelRatio(ratio);
    fcanvas.set_image(&fimage);
    erase(rect());
    fdirty = QRegion(rect());
}

// The panel's own painting: the surface colour and, for bevelled panels, a lowered outer and a
// raised inner bevel.
void torv_panel::erase(const QRect& arect) {
    fcanvas.end_painting();
    QPainter p(&fimage);
    p.setClipRect(arect);
    QRect r = rect();
    p.fillRect(r, QColor::fromRgb(surface_color));
    if (!fbevelled || r.width() < 4 || r.height() < 4) return;
    auto bevel = [&](const QRect& b, QColor top_left, QColor bottom_right) {
        p.fillRect(QRect(b.left(), b.top(), b.width(), 1), top_left);
        p.fillRect(QRect(b.left(), b.top(), 1, b.height()), top_left);
        p.fillRect(QRect(b.left(), b.bottom(), b.width(), 1), bottom_right);
        p.fillRect(QRect(b.right(), b.top(), 1, b.height()), bottom_right);
    };
    const QColor shadow(128, 128, 128), highlight(255, 255, 255);
    bevel(r, shadow, highlight);
    bevel(r.adjusted(1, 1, -1, -1), highlight, shadow);
}

void torv_panel::invalidate_all() {
    fdirty = QRegion(rect());
    update();
}

void torv_panel::invalidate_area(const QRect& arect) {
    QRect r = arect.intersected(rect());
    if (r.isEmpty()) return;
    fdirty += r;
    update(r);
}

void torv_panel::post_resize() { QCoreApplication::postEvent(this, new QEvent(posted_resize_event)); }

bool torv_panel::event(QEvent* aevent) {
    if (aevent->type() == posted_resize_event) {
        fowner->surface_resize(*this);
        return true;
    }
    bool handled = QWidget::event(aevent);
    if (aevent->type() == QEvent::ShowToParent || aevent->type() == QEvent::HideToParent) {
        fowner->surface_shown_or_hidden(*this);
    }
    return handled;
}

void torv_panel::paintEvent(QPaintEvent* aevent) {
    if (!fdirty.isEmpty()) {
        QRect area = fdirty.boundingRect();
        fdirty = QRegion();
        erase(area);
        fcanvas.set_clip(trect{area.left(), area.top(), area.right() + 1, area.bottom() + 1});
        fpainting = true;
        fowner->surface_paint(*this);
        fpainting = false;
        fcanvas.set_clip(std::nullopt);
    }
    fcanvas.end_painting();
    QPainter p(this);
    p.setClipRegion(aevent->region());
    p.drawImage(QPoint(0, 0), fimage);
}

void torv_panel::resizeEvent(QResizeEvent*) {
    make_backing();
    fowner->surface_resize(*this);
}

void torv_panel::mousePressEvent(QMouseEvent* aevent) {
    if (fmouse) fowner->surface_mouse(*this, *aevent, false, false);
}

void torv_panel::mouseReleaseEvent(QMouseEvent* aevent) {
    if (fmouse) fowner->surface_mouse(*this, *aevent, false, true);
}

void torv_panel::mouseMoveEvent(QMouseEvent* aevent) {
    if (fmouse) fowner->surface_mouse(*this, *aevent, true, false);
}
