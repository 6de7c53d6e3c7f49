#include "shell/pdf_canvas.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPolygon>
#include <filesystem>
#include <memory>

#include "procs/safe_file.h"
#include "procs/velmor_exception.h"
#include "shell/qt_canvas.h"

namespace {

QColor qcolor(tcolor acolor) {
    const tcolor c = resolve_color(acolor);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QRect qrect(const trect& arect) { return QRect(arect.left, arect.top, arect.width(), arect.height()); }

// The drawing primitives on a painter over a PDF page. Text is placed like the screen canvas
// places it (reference point by the alignment, bottom of the text cell) and written as text.
class tpdf_canvas : public tcanvas {
public:
    explicit tpdf_canvas(QPainter& apainter) : fpainter(apainter) { set_font("arial", 10, false); }

    void set_brush_color(tcolor acolor) override { fbrush_color = acolor; }
    void set_brush_style(tbrush_style astyle) override { fbrush_style = astyle; }
    tcolor get_brush_color() const override { return fbrush_color; }
    tbrush_style get_brush_style() const override { return fbrush_style; }
    void set_pen_color(tcolor acolor) override { fpen_color = acolor; }
    void set_pen_width(int32_t awidth) override { fpen_width = awidth < 1 ? 1 : awidth; }
    void set_pen_style(tpen_style astyle) override { fpen_style = astyle; }
    void set_pen_mode(tpen_mode) override {}
    tcolor get_pen_color() const override { return fpen_color; }
    int32_t get_pen_width() const override { return fpen_width; }

    void fill_rect(const trect& arect) override {
        if (!arect.empty()) fpainter.fillRect(qrect(arect), qcolor(fbrush_color));
    }
    void frame_rect(const trect& arect) override {
        if (arect.empty()) return;
        fpainter.save();
        fpainter.setPen(QPen(qcolor(fbrush_color), 1));
        fpainter.setBrush(Qt::NoBrush);
        fpainter.drawRect(QRectF(arect.left + 0.5, arect.top + 0.5, arect.width() - 1, arect.height() - 1));
        fpainter.restore();
    }
    void rectangle(const trect& arect) override {
        if (fbrush_style == tbrush_style::bs_solid) fill_rect(arect);
        if (fpen_style == tpen_style::ps_clear) return;
        const tcolor brush = fbrush_color;
        fbrush_color = fpen_color;
        frame_rect(arect);
        fbrush_color = brush;
    }
    void move_to(int32_t ax, int32_t ay) override { fpos = {ax, ay}; }
    void line_to(int32_t ax, int32_t ay) override {
        if (fpen_style != tpen_style::ps_clear) {
            fpainter.save();
            fpainter.setPen(QPen(qcolor(fpen_color), fpen_width));
            fpainter.drawLine(QPointF(fpos.x + 0.5, fpos.y + 0.5), QPointF(ax + 0.5, ay + 0.5));
            fpainter.restore();
        }
        fpos = {ax, ay};
    }
    void polyline(const std::vector<tpoint>& apoints) override {
        if (apoints.empty()) return;
        move_to(apoints[0].x, apoints[0].y);
        for (size_t i = 1; i < apoints.size(); ++i) line_to(apoints[i].x, apoints[i].y);
    }
    void polygon(const std::vector<tpoint>& apoints) override {
        QPolygon poly;
        for (const tpoint& p : apoints) poly << QPoint(p.x, p.y);
        fpainter.save();
        fpainter.setPen(fpen_style == tpen_style::ps_clear ? QPen(Qt::NoPen) : QPen(qcolor(fpen_color), fpen_width));
        fpainter.setBrush(fbrush_style == tbrush_style::bs_solid ? QBrush(qcolor(fbrush_color)) : QBrush(Qt::NoBrush));
        fpainter.drawPolygon(poly);
        fpainter.restore();
    }

    void set_text_color(tcolor acolor) override { ftext_color = acolor; }
    void set_text_align(ttext_halign ahorizontal, ttext_valign avertical) override {
        fhalign = ahorizontal;
        fvalign = avertical;
    }
    void set_font(const std::string& aface, int32_t asize_points, bool abold) override {
        ffont = tqt_canvas::make_font(aface, asize_points, abold);
    }
    void text_rect(const trect& aclip, int32_t ax, int32_t ay, const std::u16string& atext) override {
        if (fbrush_style == tbrush_style::bs_solid) fill_rect(aclip);
        fpainter.save();
        fpainter.setClipRect(qrect(aclip));
        draw_text(ax, ay, atext);
        fpainter.restore();
    }
    void text_out(int32_t ax, int32_t ay, const std::u16string& atext) override { draw_text(ax, ay, atext); }
    tsize text_extent(const std::u16string& atext) override {
        const QFontMetrics metrics(ffont, fpainter.device());
        return {metrics.horizontalAdvance(QString::fromStdU16String(atext)), metrics.ascent() + metrics.descent()};
    }

    void draw_bitmap(int32_t ax, int32_t ay, const tbitmap& abitmap) override {
        stretch_bitmap({ax, ay, ax + abitmap.width, ay + abitmap.height}, abitmap);
    }
    void stretch_bitmap(const trect& arect, const tbitmap& abitmap) override {
        QImage image(abitmap.width, abitmap.height, QImage::Format_RGB32);
        for (int32_t y = 0; y < abitmap.height; ++y)
            for (int32_t x = 0; x < abitmap.width; ++x) image.setPixelColor(x, y, qcolor(abitmap.pixel(x, y)));
        fpainter.drawImage(qrect(arect), image);
    }
    // A document has no icons.
    void draw_icon(int32_t, int32_t, int32_t, int32_t, bool) override {}
    trect draw_button_frame(const trect& arect, bool) override {
        const tcolor brush = fbrush_color;
        fbrush_color = rgb_color(128, 128, 128);
        frame_rect(arect);
        fbrush_color = brush;
        return {arect.left + 2, arect.top + 2, arect.right - 2, arect.bottom - 2};
    }

private:
    void draw_text(int32_t ax, int32_t ay, const std::u16string& atext) {
        const QString text = QString::fromStdU16String(atext);
        const QFontMetrics metrics(ffont, fpainter.device());
        const int32_t width = metrics.horizontalAdvance(text);
        int32_t left = ax;
        if (fhalign == ttext_halign::right) left = ax - width;
        if (fhalign == ttext_halign::centre) left = ax - width / 2;
        int32_t baseline = ay + metrics.ascent();
        if (fvalign == ttext_valign::bottom) baseline = ay - metrics.descent();
        if (fvalign == ttext_valign::baseline) baseline = ay;
        fpainter.setFont(ffont);
        fpainter.setPen(qcolor(ftext_color));
        fpainter.drawText(QPoint(left, baseline), text);
    }

    QPainter& fpainter;
    QFont ffont;
    tcolor fbrush_color = color_white;
    tbrush_style fbrush_style = tbrush_style::bs_solid;
    tcolor fpen_color = color_black;
    int32_t fpen_width = 1;
    tpen_style fpen_style = tpen_style::ps_solid;
    tpoint fpos;
    tcolor ftext_color = color_black;
    ttext_halign fhalign = ttext_halign::left;
    ttext_valign fvalign = ttext_valign::top;
};

}  // namespace

void tpdf_writer::write_a4(const std::string& afilename, int32_t apage_count,
                           const std::function<void(tcanvas&, tsize, int32_t)>& adraw_page) {
    // The document is made in memory and written through the safe file: a full disk or a kill
    // leaves no cut PDF under the chosen name, and a write that fails says why.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (painter.begin(&writer)) {
            tpdf_canvas canvas(painter);
            try {
                for (int32_t page = 0; page < apage_count; ++page) {
                    if (page > 0) writer.newPage();
                    adraw_page(canvas, page_size, page);
                }
            } catch (...) {
                painter.end();
                throw;
            }
            painted = painter.end();
        }
    }
    const QByteArray& bytes = buffer.data();
    if (!painted || bytes.isEmpty()) throw tvelmor_exception("Could not write the PDF file \"%s\".", afilename);
    tsafe_file::write_whole(afilename, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}
