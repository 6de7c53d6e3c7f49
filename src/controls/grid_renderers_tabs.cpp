#include "controls/grid_controls.h"
#include "controls/grid_renderers.h"
#include "controls/grid_renderers_geometry.h"
#include "controls/procs_drawing.h"
#include "controls/theme.h"

namespace {
constexpr tcolor color_tab_selected = 14737632;  // 224, 224, 224
constexpr tcolor color_tab_face = 15790320;      // 240, 240, 240
constexpr tcolor color_sunken_outer = 8421504;   // 128, 128, 128
constexpr tcolor color_sunken_inner = 4210752;   // 64, 64, 64
constexpr tcolor color_tab_marker = 14194688;    // 0, 152, 216
}  // namespace

// ---- Tabs ----

void tvelmor_render_grid_tabs::draw_grid(int32_t&, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                                         tvelmor_theme_grid_brief* atheme, const trect& arect) const {
    if (const auto* colours = dynamic_cast<const tvelmor_theme_grid*>(atheme)) acanvas.set_brush_color(colours->color);
    if (!atheme || !atheme->no_draw_frame) draw_frame(acanvas, arect);
    const trect area = tgrid_geometry::row_area(arect);
    const int32_t bottom = tgrid_geometry::last_row_bottom(acontrol, area);
    if (acontrol.rowcount > 0 && acontrol.colcount > 0 && bottom > area.top + 1) {
        prepare_pen(acanvas);
        int32_t x = area.left;
        for (int32_t col = 0; col < acontrol.colcount; ++col) {
            x += tgrid_geometry::column_width(acontrol, area, col);
            if (x > area.right) break;
            vertical_line(acanvas, system_color(16), x - 1, area.top + 1, bottom);
            vertical_line(acanvas, system_color(20), x, area.top + 1, bottom);
        }
    }
    draw_rows(acontrol, atheme, arect, -1);
}

void tvelmor_render_grid_tabs::draw_rows(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme,
                                         const trect& arect, int32_t) const {
    tvelmor_render_grid_standard::draw_rows(acontrol, atheme, arect, -1);
}

void tvelmor_render_grid_tabs::control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                                             tvelmor_theme_grid_brief*, const trect& arect,
                                             const std::u16string& atext, int32_t arow, int32_t acol,
                                             int32_t afont_tag_new, TAlignment aalignment, int32_t) const {
    tprocs_font::set_font(acanvas, afont_tag, afont_tag_new);
    const bool selected = acontrol.is_cell_selected(arow, acol);
    acanvas.set_text_color(color_black);
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(selected ? color_tab_selected : color_page_background);
    if (!selected) {
        write_text(acanvas, arect, atext, text_spot(arect, aalignment, 12, 4));
        return;
    }
    ttext_spot spot = text_spot(arect, aalignment, 14, 3);
    if (aalignment == taCenter) spot.x += 2;
    write_text(acanvas, arect, atext, spot);
    draw_sunken_border(acanvas, arect);
}

void tvelmor_render_grid_tabs::draw_sunken_border(tcanvas& acanvas, const trect& acell) {
    const int32_t l = acell.left, t = acell.top, r = acell.right, b = acell.bottom;
    prepare_pen(acanvas);
    acanvas.set_pen_color(color_sunken_outer);
    acanvas.polyline({{l, b - 1}, {l, t}, {r - 1, t}});
    acanvas.set_pen_color(system_color(20));
    acanvas.polyline({{r - 1, t}, {r - 1, b - 1}, {l, b - 1}});
    acanvas.set_pen_color(color_sunken_inner);
    acanvas.polyline({{l + 1, b - 2}, {l + 1, t + 1}, {r - 2, t + 1}});
    acanvas.set_pen_color(color_page_background);
    acanvas.polyline({{r - 2, t + 1}, {r - 2, b - 2}, {l + 1, b - 2}});
}

// ---- Flat tabs ----

void tvelmor_render_grid_tabs2::control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                                              tvelmor_theme_grid_brief*, const trect& arect,
                                              const std::u16string& atext, int32_t arow, int32_t acol,
                                              int32_t afont_tag_new, TAlignment aalignment,
                                              int32_t aalignment_margin) const {
    tprocs_font::set_font(acanvas, afont_tag, afont_tag_new);
    const trect text_area{arect.left + 1, arect.top, arect.right - 3, arect.bottom};
    const bool selected = acontrol.is_cell_selected(arow, acol);
    acanvas.set_brush_style(tbrush_style::bs_solid);
    if (acontrol.enabled) {
        acanvas.set_text_color(color_black);
        acanvas.set_brush_color(selected ? color_page_background : color_tab_face);
        write_text(acanvas, text_area, atext, text_spot(text_area, aalignment, aalignment_margin + 4, 4));
    } else {
        acanvas.set_brush_color(color_tab_selected);
        acanvas.fill_rect(text_area);
        write_disabled_text(acanvas, text_area, atext, aalignment, aalignment_margin);
    }
    prepare_pen(acanvas);
    vertical_line(acanvas, system_color(16), text_area.right + 2, text_area.top, text_area.bottom);
    vertical_line(acanvas, system_color(20), text_area.right + 3, text_area.top, text_area.bottom);
    if (acol == 0) {
        vertical_line(acanvas, system_color(16), arect.left - 2, text_area.top, text_area.bottom);
        vertical_line(acanvas, system_color(20), arect.left - 1, text_area.top, text_area.bottom);
    }
    if (acontrol.enabled && selected) {
        acanvas.set_pen_width(4);
        acanvas.set_pen_color(color_tab_marker);
        acanvas.move_to(arect.left + 4, arect.top + 2);
        acanvas.line_to(arect.right - 6, arect.top + 2);
        acanvas.set_pen_width(1);
    }
}

void tvelmor_render_grid_tabs2::write_disabled_text(tcanvas& acanvas, const trect& aarea, const std::u16string& atext,
                                                    TAlignment aalignment, int32_t amargin) {
    ttext_spot spot = text_spot(aarea, aalignment, amargin + 4, 4);
    if (aalignment == taCenter) spot.y = (acanvas.text_extent(atext).cy + aarea.top + aarea.bottom) / 2;
    acanvas.set_brush_style(tbrush_style::bs_clear);
    acanvas.set_text_color(system_color(20));
    write_text(acanvas, aarea, atext, {spot.halign, spot.x + 1, spot.y + 1});
    acanvas.set_text_color(system_color(16));
    write_text(acanvas, aarea, atext, spot);
}
