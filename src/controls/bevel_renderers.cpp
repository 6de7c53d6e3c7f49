#include "controls/bevel_renderers.h"

#include "controls/control_kinds.h"
#include "controls/procs_velmor.h"
#include "controls/theme.h"

void tvelmor_render_bevel_standard::draw_bevel(tcanvas& acanvas, tvelmor_bevel& acontrol, tvelmor_theme_bevel*,
                                               const trect& arect, bool as_erase) const {
    draw_frame(acanvas, arect, acontrol.frameedges, as_erase);
}

void tvelmor_render_bevel_standard::draw_frame(tcanvas& acanvas, const trect& arect, tframeedges aframeedges,
                                               bool as_erase) const {
    draw_frame_in(acanvas, arect, aframeedges, as_erase ? color_page_background : color_black);
}

void tvelmor_render_bevel_standard::draw_frame_in(tcanvas& acanvas, const trect& arect, tframeedges aframeedges,
                                                  tcolor acolor) {
    // A bevel declared without edges is legal and shows nothing, rather than failing the page.
    if (aframeedges == frameedges_none) return;
    acanvas.set_pen_style(tpen_style::ps_solid);
    acanvas.set_pen_mode(tpen_mode::pm_copy);
    acanvas.set_pen_width(1);
    acanvas.set_pen_color(acolor);
    const std::vector<tpoint> points = tprocs_velmor::get_framepoints(arect, aframeedges);
    if (aframeedges == frameedges_rightleft || aframeedges == frameedges_bottomtop) {
        acanvas.polyline({points[0], points[1]});
        acanvas.polyline({points[2], points[3]});
    } else {
        acanvas.polyline(points);
    }
}

void tvelmor_render_bevel_classic::draw_frame(tcanvas& acanvas, const trect& arect, tframeedges aframeedges,
                                              bool as_erase) const {
    draw_frame_in(acanvas, {arect.left + 1, arect.top + 1, arect.right, arect.bottom}, aframeedges,
                  as_erase ? color_page_background : system_color(20));
    draw_frame_in(acanvas, {arect.left, arect.top, arect.right - 1, arect.bottom - 1}, aframeedges,
                  as_erase ? color_page_background : system_color(16));
}
