#include "controls/procs_graphics.h"

void tprocs_graphics::set_pen(tcanvas& acanvas, tcolor acolor, int32_t awidth) {
    acanvas.set_pen_style(tpen_style::ps_solid);
    acanvas.set_pen_mode(tpen_mode::pm_copy);
    acanvas.set_pen_width(awidth);
    acanvas.set_pen_color(acolor);
}

void tprocs_graphics::draw_scroll_button(tcanvas& acanvas, const trect& arect, tscroll_button_type atype) {
    const trect& r = arect;
    const trect i{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    set_pen(acanvas, system_color(20));
    acanvas.polyline({{i.left, i.bottom}, {i.left, i.top}, {i.right, i.top}});
    acanvas.set_pen_color(system_color(16));
    acanvas.polyline({{i.right, i.top}, {i.right, i.bottom}, {i.left - 1, i.bottom}});
    if (atype != sb_arrow_none) {
        // C++ division truncates toward zero, which is what centres the arrow in a narrow button.
        const int32_t a = (r.right - r.left + 1 - 13) / 2 + 1;
        const int32_t b = (r.bottom - r.top + 1 - 9) / 2 + 1;
        const int32_t x = i.left + a, y = i.top + b;
        acanvas.set_pen_color(color_black);
        acanvas.set_brush_style(tbrush_style::bs_solid);
        acanvas.set_brush_color(color_black);
        if (atype == sb_arrow_up)
            acanvas.polygon({{x, y + 4}, {x + 4, y}, {x + 8, y + 4}});
        else
            acanvas.polygon({{x, y + 1}, {x + 4, y + 5}, {x + 8, y + 1}});
    }
    acanvas.set_pen_color(system_color(21));
    acanvas.polyline({{r.right, r.top}, {r.right, r.bottom}, {r.left - 1, r.bottom}});
}
