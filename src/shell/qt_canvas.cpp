#include "shell/qt_canvas.h"

#include "shell/canvas_font.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

QColor qcolor(tcolor acolor) {
    tcolor c = resolve_color(acolor);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QImage qimage(const tbitmap& abitmap) {
    QImage image(abitmap.width, abitmap.height, QImage::Format_RGB32);
    for (int32_t y = 0; y < abitmap.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int32_t x = 0; x < abitmap.width; ++x) {
            tcolor c = abitmap.pixel(x, y);
            line[x] = qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
        }
    }
    return image;
}

trect bounds_of(const std::vector<tpoint>& apoints, int32_t amargin) {
    trect r{apoints[0].x, apoints[0].y, apoints[0].x, apoints[0].y};
    for (const tpoint& p : apoints) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x);
        r.bottom = std::max(r.bottom, p.y);
    }
    return {r.left - amargin, r.top - amargin, r.right + amargin + 1, r.bottom + amargin + 1};
}

// Classic cosmetic pen patterns, in pixels along the line: on, off.
bool pattern_on(tpen_style astyle, int32_t aindex) {
    switch (astyle) {
        case tpen_style::ps_dash: return aindex % 24 < 18;
        case tpen_style::ps_dot: return aindex % 6 < 3;
        default: return true;
    }
}

}  // namespace

tqt_canvas::tqt_canvas(QImage* aimage) : fimage(aimage), ffont(&tcanvas_font::initial()) {}

tqt_canvas::~tqt_canvas() { end_painting(); }

void tqt_canvas::set_image(QImage* aimage) {
    end_painting();
    fimage = aimage;
}

void tqt_canvas::set_keep_painter(bool akeep) {
    if (!akeep) end_painting();
    fkeep_painter = akeep;
}

void tqt_canvas::end_painting() { fpainter.reset(); }

QFont tqt_canvas::make_font(const std::string& aface, int32_t asize_points, bool abold) {
    return tcanvas_font::make_font(aface, asize_points, abold);
}

QPainter& tqt_canvas::kept_painter() {
    if (!fpainter) {
        fpainter = std::make_unique<QPainter>(fimage);
        fpainter->setRenderHint(QPainter::Antialiasing, false);
    }
    return *fpainter;
}

// Each primitive starts from the painter's state as opened (its clip, pen, font and mode undone
// afterwards), whether the painter is its own or kept.
void tqt_canvas::paint(const trect& atouched, const std::function<void(QPainter&)>& adraw) {
    if (!fimage || fimage->isNull()) return;
    if (fkeep_painter) {
        QPainter& painter = kept_painter();
        painter.save();
        if (fclip) painter.setClipRect(QRect(fclip->left, fclip->top, fclip->width(), fclip->height()));
        adraw(painter);
        painter.restore();
    } else {
        QPainter painter(fimage);
        painter.setRenderHint(QPainter::Antialiasing, false);
        if (fclip) painter.setClipRect(QRect(fclip->left, fclip->top, fclip->width(), fclip->height()));
        adraw(painter);
    }
    if (fon_damage && !atouched.empty()) fon_damage(atouched);
}

void tqt_canvas::fill(QPainter& apainter, const trect& arect, tcolor acolor) {
    if (arect.empty()) return;
    apainter.fillRect(QRect(arect.left, arect.top, arect.width(), arect.height()), qcolor(acolor));
}

void tqt_canvas::fill_rect(const trect& arect) {
    paint(arect, [&](QPainter& p) { fill(p, arect, fbrush_color); });
}

void tqt_canvas::frame_rect(const trect& arect) {
    if (arect.empty()) return;
    paint(arect, [&](QPainter& p) {
        const trect& r = arect;
        fill(p, {r.left, r.top, r.right, r.top + 1}, fbrush_color);
        fill(p, {r.left, r.bottom - 1, r.right, r.bottom}, fbrush_color);
        fill(p, {r.left, r.top, r.left + 1, r.bottom}, fbrush_color);
        fill(p, {r.right - 1, r.top, r.right, r.bottom}, fbrush_color);
    });
}

// The outline lies on the rectangle's inner edge, as wide as the pen; the brush fills the rest.
void tqt_canvas::rectangle(const trect& arect) {
    if (arect.empty()) return;
    paint(arect, [&](QPainter& p) {
        const trect& r = arect;
        int32_t w = fpen_style == tpen_style::ps_clear ? 0 : fpen_width;
        if (fbrush_style == tbrush_style::bs_solid) {
            fill(p, {r.left + w, r.top + w, r.right - w, r.bottom - w}, fbrush_color);
        }
        if (w == 0) return;
        if (w == 1 && fpen_mode == tpen_mode::pm_copy && fpen_style == tpen_style::ps_solid) {
            fill(p, {r.left, r.top, r.right, r.top + 1}, fpen_color);
            fill(p, {r.left, r.bottom - 1, r.right, r.bottom}, fpen_color);
            fill(p, {r.left, r.top + 1, r.left + 1, r.bottom - 1}, fpen_color);
            fill(p, {r.right - 1, r.top + 1, r.right, r.bottom - 1}, fpen_color);
            return;
        }
        if (w == 1) {
            std::vector<tpoint> pts{{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1},
                                    {r.left, r.bottom - 1}, {r.left, r.top}};
            for (size_t i = 1; i < pts.size(); ++i) plot_line(p, pts[i - 1], pts[i]);
            return;
        }
        fill(p, {r.left, r.top, r.right, r.top + w}, fpen_color);
        fill(p, {r.left, r.bottom - w, r.right, r.bottom}, fpen_color);
        fill(p, {r.left, r.top + w, r.left + w, r.bottom - w}, fpen_color);
        fill(p, {r.right - w, r.top + w, r.right, r.bottom - w}, fpen_color);
    });
}

// A one-pixel line by Bresenham's rule, without its end pixel; a wider pen draws a solid stroke
// with round ends. Xor and not modes combine with the image.
void tqt_canvas::plot_line(QPainter& apainter, tpoint afrom, tpoint ato) {
    if (fpen_style == tpen_style::ps_clear) return;
    switch (fpen_mode) {
        case tpen_mode::pm_copy: apainter.setCompositionMode(QPainter::CompositionMode_SourceOver); break;
        case tpen_mode::pm_xor: apainter.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
        case tpen_mode::pm_not: apainter.setCompositionMode(QPainter::RasterOp_NotDestination); break;
    }
    QColor color = qcolor(fpen_color);
    if (fpen_width > 1) {
        QPen pen(color, fpen_width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        apainter.setPen(pen);
        apainter.drawLine(afrom.x, afrom.y, ato.x, ato.y);
        return;
    }
    int32_t dx = std::abs(ato.x - afrom.x), dy = std::abs(ato.y - afrom.y);
    int32_t sx = afrom.x < ato.x ? 1 : -1, sy = afrom.y < ato.y ? 1 : -1;
    bool solid = fpen_style == tpen_style::ps_solid;
    if (solid && (dx == 0 || dy == 0)) {
        // Straight runs in one fill: the common case, and much faster.
        if (dx == 0 && dy == 0) return;
        int32_t x0 = afrom.x, y0 = afrom.y, x1 = ato.x - sx * (dy == 0), y1 = ato.y - sy * (dx == 0);
        apainter.fillRect(QRect(std::min(x0, x1), std::min(y0, y1), std::abs(x1 - x0) + 1, std::abs(y1 - y0) + 1),
                          color);
        return;
    }
    int32_t err = dx - dy, x = afrom.x, y = afrom.y;
    for (int32_t i = 0; x != ato.x || y != ato.y; ++i) {
        if (pattern_on(fpen_style, i)) apainter.fillRect(QRect(x, y, 1, 1), color);
        int32_t e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
}

void tqt_canvas::line_to(int32_t ax, int32_t ay) {
    tpoint from = fpos;
    fpos = {ax, ay};
    paint(bounds_of({from, fpos}, fpen_width), [&](QPainter& p) { plot_line(p, from, {ax, ay}); });
}

void tqt_canvas::polyline(const std::vector<tpoint>& apoints) {
    if (apoints.size() < 2) return;
    paint(bounds_of(apoints, fpen_width), [&](QPainter& p) {
        for (size_t i = 1; i < apoints.size(); ++i) plot_line(p, apoints[i - 1], apoints[i]);
    });
    fpos = apoints.back();
}

void tqt_canvas::polygon(const std::vector<tpoint>& apoints) {
    if (apoints.size() < 2) return;
    paint(bounds_of(apoints, fpen_width), [&](QPainter& p) {
        if (fbrush_style == tbrush_style::bs_solid) {
            QPolygon poly;
            for (const tpoint& pt : apoints) poly << QPoint(pt.x, pt.y);
            p.setPen(Qt::NoPen);
            p.setBrush(qcolor(fbrush_color));
            p.drawPolygon(poly, Qt::OddEvenFill);
        }
        // The closed outline: every vertex is drawn as the start of an edge.
        for (size_t i = 0; i < apoints.size(); ++i) plot_line(p, apoints[i], apoints[(i + 1) % apoints.size()]);
    });
}

void tqt_canvas::set_text_align(ttext_halign ahorizontal, ttext_valign avertical) {
    fhalign = ahorizontal;
    fvalign = avertical;
}

void tqt_canvas::set_font(const std::string& aface, int32_t asize_points, bool abold) {
    ffont = &tcanvas_font::get(aface, asize_points, abold);
}

tsize tqt_canvas::text_extent(const std::u16string& atext) {
    return {ffont->shape(atext).fwidth, ffont->ascent() + ffont->descent()};
}

void tqt_canvas::draw_text(const trect* aclip, int32_t ax, int32_t ay, const std::u16string& atext) {
    tshaped_text& shaped = ffont->shape(atext);
    const int32_t ascent = ffont->ascent();
    const int32_t height = ascent + ffont->descent();
    int32_t width = shaped.fwidth;
    int32_t left = ax;
    if (fhalign == ttext_halign::right) left = ax - width;
    if (fhalign == ttext_halign::centre) left = ax - width / 2;
    int32_t top = ay;  // top of the text cell
    if (fvalign == ttext_valign::bottom) top = ay - height;
    if (fvalign == ttext_valign::baseline) top = ay - ascent;
    trect cell{left, top, left + width, top + height};
    trect touched = aclip ? *aclip : cell;
    if (aclip && draw_text_tile(*aclip, shaped, left - aclip->left, top + ascent - aclip->top)) return;
    paint(touched, [&](QPainter& p) {
        if (aclip) p.setClipRect(QRect(aclip->left, aclip->top, aclip->width(), aclip->height()), Qt::IntersectClip);
        if (fbrush_style == tbrush_style::bs_solid) fill(p, aclip ? *aclip : cell, fbrush_color);
        if (aclip && aclip->empty()) return;
        p.setPen(qcolor(ftext_color));
        if (shaped.fhas_glyphs) {
            for (const QGlyphRun& run : shaped.fglyphs) p.drawGlyphRun(QPointF(left, top + ascent), run);
            return;
        }
        p.setFont(ffont->ffont);
        p.drawText(QPoint(left, top + ascent), shaped.ftext);
    });
}

// A clipped text over a solid brush is a cell whose pixels depend only on the text, the colours,
// the cell's size and where the text sits in it: drawn a second time, it is drawn into a tile
// (exactly as it would be drawn here) that is copied from then on. False when the text is to be
// drawn directly.
bool tqt_canvas::draw_text_tile(const trect& aclip, tshaped_text& ashaped, int32_t adx, int32_t abaseline) {
    constexpr int32_t max_tile_pixels = 640 * 64;
    if (fbrush_style != tbrush_style::bs_solid || aclip.empty() || !ashaped.fhas_glyphs ||
        aclip.width() * aclip.height() > max_tile_pixels || fimage->devicePixelRatio() != 1.0)
        return false;
    ttext_tile place;
    place.ftext_rgb = qcolor(ftext_color).rgb();
    place.fbrush_rgb = qcolor(fbrush_color).rgb();
    place.fwidth = aclip.width();
    place.fheight = aclip.height();
    place.fdx = adx;
    place.fdy = abaseline;
    const QImage* tile = ffont->tile(ashaped, place, [&](QImage& aimage) {
        aimage.fill(place.fbrush_rgb);
        QPainter p(&aimage);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(qcolor(ftext_color));
        for (const QGlyphRun& run : ashaped.fglyphs) p.drawGlyphRun(QPointF(adx, abaseline), run);
    });
    if (!tile) return false;
    paint(aclip, [&](QPainter& p) { p.drawImage(QPoint(aclip.left, aclip.top), *tile); });
    return true;
}

void tqt_canvas::text_rect(const trect& aclip, int32_t ax, int32_t ay, const std::u16string& atext) {
    draw_text(&aclip, ax, ay, atext);
}

void tqt_canvas::text_out(int32_t ax, int32_t ay, const std::u16string& atext) {
    draw_text(nullptr, ax, ay, atext);
}

void tqt_canvas::draw_bitmap(int32_t ax, int32_t ay, const tbitmap& abitmap) {
    paint({ax, ay, ax + abitmap.width, ay + abitmap.height},
          [&](QPainter& p) { p.drawImage(QPoint(ax, ay), qimage(abitmap)); });
}

void tqt_canvas::stretch_bitmap(const trect& arect, const tbitmap& abitmap) {
    paint(arect, [&](QPainter& p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(QRect(arect.left, arect.top, arect.width(), arect.height()), qimage(abitmap));
    });
}

void tqt_canvas::draw_icon(int32_t aicon_set, int32_t ax, int32_t ay, int32_t aicon, bool aenabled) {
    if (aicon_set < 0 || aicon_set > 8 || !ficon_source) return;
    const QImage* icon = ficon_source->get_icon(aicon_set, aicon);
    if (!icon) return;
    QImage picture = *icon;
    if (!aenabled && aicon_set == 2) {
        // Greyed: every opaque pixel becomes a light grey of its own brightness.
        picture = picture.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                int g = 128 + qGray(line[x]) / 2;
                line[x] = qRgba(g, g, g, qAlpha(line[x]));
            }
        }
    }
    paint({ax, ay, ax + picture.width(), ay + picture.height()},
          [&](QPainter& p) { p.drawImage(QPoint(ax, ay), picture); });
}

// The classic raised push button: highlight and shadow two pixels deep; pushed, a flat dark
// frame. The face inside is filled with the button face colour.
trect tqt_canvas::draw_button_frame(const trect& arect, bool apushed) {
    trect inside{arect.left + 2, arect.top + 2, arect.right - 2, arect.bottom - 2};
    if (arect.empty()) return inside;
    paint(arect, [&](QPainter& p) {
        const trect& r = arect;
        auto frame = [&](const trect& f, tcolor top_left, tcolor bottom_right) {
            fill(p, {f.left, f.top, f.right, f.top + 1}, top_left);
            fill(p, {f.left, f.top, f.left + 1, f.bottom}, top_left);
            fill(p, {f.left, f.bottom - 1, f.right, f.bottom}, bottom_right);
            fill(p, {f.right - 1, f.top, f.right, f.bottom}, bottom_right);
        };
        fill(p, r, system_color(15));
        if (apushed) {
            frame(r, system_color(21), system_color(21));
            frame({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, system_color(16), system_color(16));
        } else {
            frame(r, system_color(15), system_color(21));
            frame({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, system_color(20), system_color(16));
        }
    });
    return inside;
}
