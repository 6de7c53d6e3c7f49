#include "controls/checkbox_renderer.h"

#include "controls/control_kinds.h"
#include "controls/procs_graphics.h"
#include "controls/theme.h"

void tvelmor_render_checkbox_standard::draw_checkbox(tcanvas& acanvas, const trect& arect,
                                                      tvelmor_checkbox& acontrol,
                                                      tvelmor_theme_checkbox* atheme) const {
    const trect& r = arect;
    tprocs_graphics::set_pen(acanvas, color_black);
    acanvas.set_brush_style(tbrush_style::bs_solid);
    // Without a theme the box keeps the page background rather than failing a paint.
    if (atheme)
        acanvas.set_brush_color(acontrol.is_focused ? atheme->color_focused : atheme->color);
    else
        acanvas.set_brush_color(color_page_background);
    acanvas.rectangle(r);
    if (!acontrol.checked) return;
    const int32_t middle = (r.top + r.bottom) / 2;
    const int32_t x2 = r.left + 10 + 2 * ((r.bottom - 6) - middle) / 3;
    tprocs_graphics::set_pen(acanvas, color_black, 4);
    acanvas.move_to(r.left + 10, middle);
    acanvas.line_to(x2, r.bottom - 6);
    acanvas.line_to(x2 + 6, r.top + 4);
    acanvas.set_pen_width(1);
}
