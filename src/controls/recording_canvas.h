// A canvas that draws nothing and lists every call as a line of text, so that tests can assert
// exact geometry and compare a page's drawing with an expected file.
#pragma once

#include <string>
#include <vector>

#include "controls/canvas.h"

class trecording_canvas : public tcanvas {
public:
    void set_brush_color(tcolor acolor) override;
    void set_brush_style(tbrush_style astyle) override;
    tcolor get_brush_color() const override { return fbrush_color; }
    tbrush_style get_brush_style() const override { return fbrush_style; }

    void set_pen_color(tcolor acolor) override;
    void set_pen_width(int32_t awidth) override;
    void set_pen_style(tpen_style astyle) override;
    void set_pen_mode(tpen_mode amode) override;
    tcolor get_pen_color() const override { return fpen_color; }
    int32_t get_pen_width() const override { return fpen_width; }

    void fill_rect(const trect& arect) override;
    void frame_rect(const trect& arect) override;
    void rectangle(const trect& arect) override;
    void move_to(int32_t ax, int32_t ay) override;
    void line_to(int32_t ax, int32_t ay) override;
    void polyline(const std::vector<tpoint>& apoints) override;
    void polygon(const std::vector<tpoint>& apoints) override;

    void set_text_color(tcolor acolor) override;
    void set_text_align(ttext_halign ahorizontal, ttext_valign avertical) override;
    void set_font(const std::string& aface, int32_t asize_points, bool abold) override;
    void text_rect(const trect& aclip, int32_t ax, int32_t ay, const std::u16string& atext) override;
    void text_out(int32_t ax, int32_t ay, const std::u16string& atext) override;
    // A fixed metric so that layouts are reproducible without fonts: each character is half the
    // font's pixel height wide (at least 1), the height is the pixel height plus a quarter.
    tsize text_extent(const std::u16string& atext) override;

    void draw_bitmap(int32_t ax, int32_t ay, const tbitmap& abitmap) override;
    void stretch_bitmap(const trect& arect, const tbitmap& abitmap) override;
    void draw_icon(int32_t aicon_set, int32_t ax, int32_t ay, int32_t aicon, bool aenabled) override;
    trect draw_button_frame(const trect& arect, bool apushed) override;

    const std::vector<std::string>& lines() const { return flines; }
    // All lines, each ended by a line feed.
    std::string text() const;
    void clear() { flines.clear(); }

private:
    void add(std::string aline) { flines.push_back(std::move(aline)); }

    std::vector<std::string> flines;
    tcolor fbrush_color = color_white;
    tbrush_style fbrush_style = tbrush_style::bs_solid;
    tcolor fpen_color = color_black;
    int32_t fpen_width = 1;
    int32_t fpixel_size = 13;
};
