#include "controls/scrollbar_renderer.h"

#include <algorithm>

#include "controls/procs_graphics.h"

namespace {

constexpr tcolor color_track = 12632256;  // red, green and blue 192

void fill(tcanvas& acanvas, const trect& arect, tcolor acolor) {
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(acolor);
    acanvas.fill_rect(arect);
}

// Fills a stretch of the track when it is more than a pixel high.
void fill_track(tcanvas& acanvas, const trect& arect) {
    if (arect.top + 1 < arect.bottom) fill(acanvas, arect, color_track);
}

}  // namespace

tscrollbar_geometry tscrollbar_geometry::of(const trect& arect, int32_t arange, int32_t aposition) {
    tscrollbar_geometry g;
    const trect& r = arect;
    const int32_t c = (r.right - r.left) * 5 / 6;
    g.button_height = c;
    g.up = {r.left + 1, r.top, r.right, r.top + c};
    g.down = {r.left + 1, r.bottom - c, r.right, r.bottom};
    if (arange == 0) {
        g.thumb_offset = 1;
    } else {
        // A position outside the range (rows deleted under a grid) would put the thumb over the
        // down button or outside the control; it is held at the nearer end instead.
        const int32_t lo = std::min(0, arange), hi = std::max(0, arange);
        const int32_t p = std::clamp(aposition, lo, hi);
        g.thumb_offset = p * (g.down.top - g.up.bottom - c - 1) / arange + 1;
    }
    g.thumb = {r.left + 1, g.up.bottom + g.thumb_offset, r.right, g.up.bottom + g.thumb_offset + c};
    return g;
}

void tvelmor_render_scrollbar_standard::draw_scrollbar2(tcanvas& acanvas, const trect& arect, int32_t arange,
                                                        int32_t aposition) const {
    const trect& r = arect;
    const tscrollbar_geometry g = tscrollbar_geometry::of(r, arange, aposition);
    tprocs_graphics::draw_scroll_button(acanvas, g.up, sb_arrow_up);
    tprocs_graphics::draw_scroll_button(acanvas, g.down, sb_arrow_down);
    tprocs_graphics::draw_scroll_button(acanvas, g.thumb, sb_arrow_none);
    fill_track(acanvas, {r.left + 1, g.up.bottom + 1, r.right, g.thumb.top - 1});
    fill_track(acanvas, {r.left + 1, g.thumb.bottom + 1, r.right, g.down.top - 1});
    tprocs_graphics::set_pen(acanvas, system_color(21));
    acanvas.move_to(r.left, r.top);
    acanvas.line_to(r.left, r.bottom);
    acanvas.move_to(r.right, r.top);
    acanvas.line_to(r.right, r.bottom);
}

// The old thumb is erased one pixel beyond its edges and the new face filled one pixel above its
// top, except where the thumb touches the up button: that pixel row is the button's dark edge.
void tvelmor_render_scrollbar_standard::redraw_scrollbar_position(tcanvas& acanvas, const trect& arect,
                                                                  int32_t arange, int32_t aposition1,
                                                                  int32_t aposition2) const {
    const tscrollbar_geometry old_g = tscrollbar_geometry::of(arect, arange, aposition1);
    const int32_t old_top = old_g.up.bottom + old_g.thumb_offset - 1;
    fill(acanvas,
         {arect.left + 1, old_g.thumb_offset == 1 ? old_top + 1 : old_top, arect.right,
          old_top + old_g.button_height + 2},
         color_track);
    const tscrollbar_geometry new_g = tscrollbar_geometry::of(arect, arange, aposition2);
    trect face = new_g.thumb;
    if (new_g.thumb_offset != 1) --face.top;
    fill(acanvas, face, system_color(15));
    tprocs_graphics::draw_scroll_button(acanvas, new_g.thumb, sb_arrow_none);
}
