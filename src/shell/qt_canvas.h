// The canvas over a QImage: reproduces the classic desktop drawing semantics pixel for pixel
// (fills without their right and bottom edge, frames inside, lines without their end pixel, text
// placed by the bottom of its cell). Every primitive reports the rectangle it touched, so that
// the surface owning the image can have exactly that part repainted on screen.
#pragma once

#include <QFont>
#include <QImage>
#include <functional>
#include <memory>
#include <optional>

#include "controls/canvas.h"

class QPainter;
struct tcanvas_font;
struct tshaped_text;

// Where the canvas gets its icon pictures from (the icon store of the shell).
class ticon_source {
public:
    virtual ~ticon_source() = default;
    // Icon aicon of set aicon_set, or nullptr when there is none.
    virtual const QImage* get_icon(int32_t aicon_set, int32_t aicon) const = 0;
};

class tqt_canvas : public tcanvas {
public:
    // The image must outlive the canvas; it may be replaced with set_image (a resized surface).
    explicit tqt_canvas(QImage* aimage);
    ~tqt_canvas() override;
    tqt_canvas(const tqt_canvas&) = delete;
    tqt_canvas& operator=(const tqt_canvas&) = delete;

    void set_image(QImage* aimage);
    // With a kept painter the canvas opens one painter on its image at the first primitive and
    // keeps it until end_painting (a paint pass, or any number of drawings into the backing image
    // until the owner next copies, erases or replaces it). Without it (the default) every
    // primitive paints with a painter of its own, so the image may be copied between any two.
    void set_keep_painter(bool akeep);
    void end_painting();
    // Called with each rectangle a primitive touched.
    void set_damage_handler(std::function<void(const trect&)> ahandler) { fon_damage = std::move(ahandler); }
    void set_icon_source(const ticon_source* asource) { ficon_source = asource; }
    // Limits all drawing to a rectangle (a paint of an invalidated area); nullopt lifts it.
    void set_clip(std::optional<trect> aclip) { fclip = aclip; }

    void set_brush_color(tcolor acolor) override { fbrush_color = acolor; }
    void set_brush_style(tbrush_style astyle) override { fbrush_style = astyle; }
    tcolor get_brush_color() const override { return fbrush_color; }
    tbrush_style get_brush_style() const override { return fbrush_style; }

    void set_pen_color(tcolor acolor) override { fpen_color = acolor; }
    void set_pen_width(int32_t awidth) override { fpen_width = awidth < 1 ? 1 : awidth; }
    void set_pen_style(tpen_style astyle) override { fpen_style = astyle; }
    void set_pen_mode(tpen_mode amode) override { fpen_mode = amode; }
    tcolor get_pen_color() const override { return fpen_color; }
    int32_t get_pen_width() const override { return fpen_width; }

    void fill_rect(const trect& arect) override;
    void frame_rect(const trect& arect) override;
    void rectangle(const trect& arect) override;
    void move_to(int32_t ax, int32_t ay) override { fpos = {ax, ay}; }
    void line_to(int32_t ax, int32_t ay) override;
    void polyline(const std::vector<tpoint>& apoints) override;
    void polygon(const std::vector<tpoint>& apoints) override;

    void set_text_color(tcolor acolor) override { ftext_color = acolor; }
    void set_text_align(ttext_halign ahorizontal, ttext_valign avertical) override;
    void set_font(const std::string& aface, int32_t asize_points, bool abold) override;
    void text_rect(const trect& aclip, int32_t ax, int32_t ay, const std::u16string& atext) override;
    void text_out(int32_t ax, int32_t ay, const std::u16string& atext) override;
    tsize text_extent(const std::u16string& atext) override;

    void draw_bitmap(int32_t ax, int32_t ay, const tbitmap& abitmap) override;
    void stretch_bitmap(const trect& arect, const tbitmap& abitmap) override;
    void draw_icon(int32_t aicon_set, int32_t ax, int32_t ay, int32_t aicon, bool aenabled) override;
    trect draw_button_frame(const trect& arect, bool apushed) override;

    // The Qt font for a face name and size in points (pixel size round(points x 96 / 72)).
    static QFont make_font(const std::string& aface, int32_t asize_points, bool abold);

private:
    void paint(const trect& atouched, const std::function<void(QPainter&)>& adraw);
    QPainter& kept_painter();
    void fill(QPainter& apainter, const trect& arect, tcolor acolor);
    void plot_line(QPainter& apainter, tpoint afrom, tpoint ato);
    void draw_text(const trect* aclip, int32_t ax, int32_t ay, const std::u16string& atext);
    bool draw_text_tile(const trect& aclip, tshaped_text& ashaped, int32_t adx, int32_t abaseline);

    QImage* fimage;
    std::function<void(const trect&)> fon_damage;
    const ticon_source* ficon_source = nullptr;
    std::optional<trect> fclip;

    tcolor fbrush_color = color_white;
    tbrush_style fbrush_style = tbrush_style::bs_solid;
    tcolor fpen_color = color_black;
    int32_t fpen_width = 1;
    tpen_style fpen_style = tpen_style::ps_solid;
    tpen_mode fpen_mode = tpen_mode::pm_copy;
    tpoint fpos;

    tcolor ftext_color = color_black;
    ttext_halign fhalign = ttext_halign::left;
    ttext_valign fvalign = ttext_valign::top;
    // The font in use with its metrics and the shaping of the texts drawn in it (shared by all
    // canvases of the process, so that repeated strings are measured and shaped once).
    tcanvas_font* ffont;
    bool fkeep_painter = false;
    std::unique_ptr<QPainter> fpainter;
};
