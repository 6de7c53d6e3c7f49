#include "controls/grid_renderers.h"

#include "controls/bevel_renderers.h"
#include "controls/grid_controls.h"
#include "controls/grid_renderers_geometry.h"
#include "controls/procs_drawing.h"
#include "controls/procs_velmor.h"
#include "controls/theme.h"

// ---- Standard ----

int32_t tvelmor_render_grid_standard::get_maximum_visible_rowcount(const tvelmor_customgrid& acontrol,
                                                                   const trect& arect) const {
    if (acontrol.row_height <= 0) return 0;
    const int32_t rows = (arect.bottom - arect.top - 2) / acontrol.row_height;
    return rows > 0 ? rows : 0;
}

trect tvelmor_render_grid_standard::get_cell_rect(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief*,
                                                  const trect& arect, int32_t arow, int32_t acol) const {
    return tgrid_geometry::cell_rect(acontrol, tgrid_geometry::row_area(arect), arow, acol, get_gap_x());
}

void tvelmor_render_grid_standard::draw_cell2(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme,
                                              const trect& arect, int32_t arow1, int32_t acol1, int32_t arow2,
                                              int32_t acol2) const {
    const trect area = tgrid_geometry::row_area(arect);
    if (acontrol.is_row_visible(arow1)) acontrol.draw_row(atheme, area, acol1, arow1);
    if (acontrol.is_row_visible(arow2)) acontrol.draw_row(atheme, area, acol2, arow2);
}

void tvelmor_render_grid_standard::draw_row2(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme,
                                             const trect& arect, int32_t arow1, int32_t arow2) const {
    const trect area = tgrid_geometry::row_area(arect);
    acontrol.draw_row(atheme, area, -1, arow1);
    if (arow2 != -1 && arow2 != arow1) acontrol.draw_row(atheme, area, -1, arow2);
}

void tvelmor_render_grid_standard::draw_rows(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme,
                                             const trect& arect, int32_t arow_from) const {
    acontrol.draw_rows(atheme, tgrid_geometry::row_area(arect), arow_from);
}

bool tvelmor_render_grid_standard::get_pt_cell(int32_t& arow, int32_t& acol, const tvelmor_customgrid& acontrol,
                                               const trect& arect, int32_t ax, int32_t ay) const {
    return tgrid_geometry::hit_cell(arow, acol, acontrol, tgrid_geometry::row_area(arect), ax, ay);
}

void tvelmor_render_grid_standard::draw_grid(int32_t&, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                                             tvelmor_theme_grid_brief* atheme, const trect& arect) const {
    if (!atheme || !atheme->no_draw_frame) draw_frame(acanvas, arect);
    draw_rows(acontrol, atheme, arect, -1);
}

void tvelmor_render_grid_standard::erase_rows(tcanvas& acanvas, tvelmor_customgrid&, const trect& arect) const {
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(color_page_background);
    acanvas.fill_rect(arect);
}

void tvelmor_render_grid_standard::control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                                                 tvelmor_theme_grid_brief* atheme, const trect& arect,
                                                 const std::u16string& atext, int32_t arow, int32_t acol,
                                                 int32_t afont_tag_new, TAlignment aalignment,
                                                 int32_t aalignment_margin) const {
    tprocs_font::set_font(acanvas, afont_tag, afont_tag_new);
    tprocs_velmor::set_grid_cell_colors(acanvas, acontrol, arow, acol, atheme);
    acanvas.set_brush_style(tbrush_style::bs_solid);
    write_text(acanvas, arect, atext, text_spot(arect, aalignment, aalignment_margin + 4, 2));
}

tvelmor_render_grid_standard::ttext_spot tvelmor_render_grid_standard::text_spot(const trect& acell,
                                                                                 TAlignment aalignment,
                                                                                 int32_t ainset, int32_t alift) {
    const int32_t y = acell.bottom - alift;
    switch (aalignment) {
        case taRightJustify: return {ttext_halign::right, acell.right - ainset, y};
        case taCenter: return {ttext_halign::centre, (acell.left + acell.right) / 2, y};
        case taLeftJustify:
        default: return {ttext_halign::left, acell.left + ainset, y};
    }
}

void tvelmor_render_grid_standard::write_text(tcanvas& acanvas, const trect& acell, const std::u16string& atext,
                                              const ttext_spot& aspot) {
    acanvas.set_text_align(aspot.halign, ttext_valign::bottom);
    acanvas.text_rect(acell, aspot.x, aspot.y, atext);
}

void tvelmor_render_grid_standard::prepare_pen(tcanvas& acanvas) {
    acanvas.set_pen_width(1);
    acanvas.set_pen_style(tpen_style::ps_solid);
    acanvas.set_pen_mode(tpen_mode::pm_copy);
}

void tvelmor_render_grid_standard::vertical_line(tcanvas& acanvas, tcolor acolor, int32_t ax, int32_t atop,
                                                 int32_t abottom) {
    acanvas.set_pen_color(acolor);
    acanvas.move_to(ax, atop);
    acanvas.line_to(ax, abottom);
}

void tvelmor_render_grid_standard::draw_frame(tcanvas& acanvas, const trect& arect) {
    static const tvelmor_render_bevel_standard bevel;
    bevel.draw_frame(acanvas, arect, frameedges_all, false);
}

// ---- Header ----

void tvelmor_render_grid_header::draw_rows(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme,
                                           const trect& arect, int32_t) const {
    tvelmor_render_grid_standard::draw_rows(acontrol, atheme, arect, -1);
}

void tvelmor_render_grid_header::control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid&,
                                               tvelmor_theme_grid_brief*, const trect& arect,
                                               const std::u16string& atext, int32_t, int32_t, int32_t afont_tag_new,
                                               TAlignment aalignment, int32_t aalignment_margin) const {
    tprocs_font::set_font(acanvas, afont_tag, afont_tag_new);
    const trect text_area{arect.left, arect.top, arect.right - 2, arect.bottom};
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(color_page_background);
    acanvas.set_text_color(color_black);
    write_text(acanvas, text_area, atext, text_spot(text_area, aalignment, aalignment_margin + 4, 2));
    prepare_pen(acanvas);
    vertical_line(acanvas, system_color(16), text_area.right + 1, arect.top, arect.bottom);
    vertical_line(acanvas, system_color(20), text_area.right + 2, arect.top, arect.bottom);
}

// ---- Menu ----

void tvelmor_render_grid_menu::control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                                             tvelmor_theme_grid_brief* atheme, const trect& arect,
                                             const std::u16string& atext, int32_t arow, int32_t acol,
                                             int32_t afont_tag_new, TAlignment aalignment,
                                             int32_t aalignment_margin) const {
    tprocs_font::set_font(acanvas, afont_tag, afont_tag_new);
    const auto* colours = dynamic_cast<const tvelmor_theme_grid*>(atheme);
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(colours ? colours->color_focused : color_page_background);
    acanvas.fill_rect({arect.left, arect.top - 1, arect.right, arect.top + 7});
    tprocs_velmor::set_grid_cell_colors(acanvas, acontrol, arow, acol, atheme);
    const trect text_area{arect.left, arect.top + 7, arect.right, arect.bottom};
    write_text(acanvas, text_area, atext, text_spot(text_area, aalignment, aalignment_margin + 4, 2));
}
