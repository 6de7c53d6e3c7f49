// One of the main window's four drawing surfaces: a bevelled panel that keeps a backing image of
// its client size. All drawing goes into the image through the canvas; the paint event first lets
// the occupying handler repaint an invalidated area and then only copies the image to the screen.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>

#include "shell/qt_canvas.h"

class torv_panel;

// The window that owns the surfaces and routes their events.
class tsurface_owner {
public:
    virtual ~tsurface_owner() = default;
    virtual void surface_paint(torv_panel& apanel) = 0;
    virtual void surface_resize(torv_panel& apanel) = 0;
    virtual void surface_mouse(torv_panel& apanel, QMouseEvent& aevent, bool as_move, bool as_mouseup) = 0;
    virtual void surface_shown_or_hidden(torv_panel& apanel) = 0;
};

class torv_panel : public QWidget {
public:
    // abevelled: a lowered outer and a raised inner bevel; amouse: mouse events are routed.
    torv_panel(QWidget* aparent, tsurface_owner* aowner, const QString& aname, int32_t atag, bool abevelled,
               bool amouse);

    int32_t tag() const { return ftag; }
    tqt_canvas& canvas() { return fcanvas; }
    // The backing image with every drawing made so far (the canvas's kept painter ended).
    const QImage& backing() {
        fcanvas.end_painting();
        return fimage;
    }

    // Erase and have the handler repaint the whole surface, or one rectangle, at the next paint.
    void invalidate_all();
    void invalidate_area(const QRect& arect);
    // Runs the resize handling later, as a posted size message.
    void post_resize();

    static constexpr QRgb surface_color = 0xFFD4D0C8;  // red 212, green 208, blue 200

protected:
    bool event(QEvent* aevent) override;
    void paintEvent(QPaintEvent* aevent) override;
    void resizeEvent(QResizeEvent* aevent) override;
    void mousePressEvent(QMouseEvent* aevent) override;
    void mouseReleaseEvent(QMouseEvent* aevent) override;
    void mouseMoveEvent(QMouseEvent* aevent) override;

private:
    void make_backing();
    void erase(const QRect& arect);

    tsurface_owner* fowner;
    int32_t ftag;
    bool fbevelled;
    bool fmouse;
    QImage fimage;
    tqt_canvas fcanvas;
    QRegion fdirty;
    bool fpainting = false;
};
