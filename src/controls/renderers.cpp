#include "controls/renderers.h"

#include "controls/control_kinds.h"
#include "controls/grid_controls.h"
#include "controls/text_controls.h"

void tvelmor_render_generic::erase_control(tcanvas& acanvas, const trect& arect) const {
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(color_page_background);
    acanvas.fill_rect(trect{arect.left, arect.top, arect.right + 1, arect.bottom + 1});
}

// Grid family.
int32_t tvelmor_render_grid_generic::get_gap_x() const { raise("%s.get_gap_x(); not implemented."); }
int32_t tvelmor_render_grid_generic::get_maximum_visible_rowcount(const tvelmor_customgrid&, const trect&) const {
    raise("%s.get_maximum_visible_rowcount(); not implemented.");
}
trect tvelmor_render_grid_generic::get_cell_rect(tvelmor_customgrid&, tvelmor_theme_grid_brief*, const trect&,
                                                 int32_t, int32_t) const {
    raise("%s.get_cell_rect(); not implemented.");
}
void tvelmor_render_grid_generic::draw_cell2(tvelmor_customgrid&, tvelmor_theme_grid_brief*, const trect&, int32_t,
                                             int32_t, int32_t, int32_t) const {
    raise("%s.draw_cell2(); not implemented.");
}
void tvelmor_render_grid_generic::draw_row2(tvelmor_customgrid&, tvelmor_theme_grid_brief*, const trect&, int32_t,
                                            int32_t) const {
    raise("%s.draw_row2(); not implemented.");
}
void tvelmor_render_grid_generic::draw_rows(tvelmor_customgrid&, tvelmor_theme_grid_brief*, const trect&,
                                            int32_t) const {
    raise("%s.draw_rows(); not implemented.");
}
bool tvelmor_render_grid_generic::get_pt_cell(int32_t&, int32_t&, const tvelmor_customgrid&, const trect&, int32_t,
                                              int32_t) const {
    raise("%s.get_pt_cell(); not implemented.");
}
void tvelmor_render_grid_generic::draw_grid(int32_t&, tcanvas&, tvelmor_customgrid&, tvelmor_theme_grid_brief*,
                                            const trect&) const {
    raise("%s.draw(); not implemented.");
}
void tvelmor_render_grid_generic::erase_rows(tcanvas&, tvelmor_customgrid&, const trect&) const {
    raise("%s.erase_rows(); not implemented.");
}
void tvelmor_render_grid_generic::control_paint(int32_t&, tcanvas&, tvelmor_customgrid&, tvelmor_theme_grid_brief*,
                                                const trect&, const std::u16string&, int32_t, int32_t, int32_t,
                                                TAlignment, int32_t) const {
    raise("%s.control_paint(); not implemented.");
}
void tvelmor_render_grid_generic::set_visible_rowcount(tvelmor_customgrid& acontrol, const trect& arect) const {
    acontrol.set_rowcount_visible(get_maximum_visible_rowcount(acontrol, arect));
}

// Label family.
void tvelmor_render_label_generic::draw_label(tcanvas&, int32_t&, const trect&, const std::u16string&, int32_t, bool,
                                              tvelmor_alignment, tframeedges, int32_t) const {
    raise("%s.draw_label(); not implemented.");
}
void tvelmor_render_label_generic::draw_label(tcanvas&, int32_t&, const trect&, tvelmor_customlabel&,
                                              tvelmor_theme_label*) const {
    raise("%s.draw_label(); not implemented.");
}

// Edit family.
void tvelmor_render_edit_generic::clear_characters(tcanvas&, const trect&, tvelmor_edit&, tvelmor_theme_edit*) const {
    raise("%s.clear_characters(); not implemented.");
}
void tvelmor_render_edit_generic::draw_single_char(tcanvas&, const trect&, tvelmor_edit&, char16_t,
                                                   tvelmor_theme_edit*) const {
    raise("%s.draw_single_char(); not implemented.");
}
void tvelmor_render_edit_generic::draw_line(tcanvas&, tvelmor_edit&, const trect&, tvelmor_theme_edit*) const {
    raise("%s.draw_line(); not implemented.");
}
void tvelmor_render_edit_generic::draw_edit(tcanvas&, int32_t&, tvelmor_edit&, const trect&,
                                            tvelmor_theme_edit*) const {
    raise("%s.control_paint(); not implemented.");
}

// Memo family.
int32_t tvelmor_render_memo_generic::get_maximum_visible_linecount(const tvelmor_memo&, const trect&) const {
    raise("%s.get_maximum_visible_linecount(); not implemented.");
}
void tvelmor_render_memo_generic::redraw_cursor_pos(tcanvas&, tvelmor_memo&, tvelmor_theme_memo*, const trect&, bool,
                                                    int32_t) const {
    raise("%s.redraw_cursor(); not implemented.");
}
void tvelmor_render_memo_generic::clear_characters(tcanvas&, const trect&, tvelmor_memo&, tvelmor_theme_memo*) const {
    raise("%s.clear_characters(); not implemented.");
}
void tvelmor_render_memo_generic::draw_single_char(tcanvas&, const trect&, tvelmor_memo&, char16_t,
                                                   tvelmor_theme_memo*) const {
    raise("%s.draw_single_char(); not implemented.");
}
void tvelmor_render_memo_generic::redraw_line(tcanvas&, tvelmor_memo&, tvelmor_theme_memo*, const trect&,
                                              int32_t) const {
    raise("%s.redraw_line(); not implemented.");
}
void tvelmor_render_memo_generic::draw_line(tcanvas&, tvelmor_memo&, tvelmor_theme_memo*, const trect&,
                                            int32_t) const {
    raise("%s.draw_line(); not implemented.");
}
void tvelmor_render_memo_generic::recalculate_displaylns(int32_t&, tcanvas&, tvelmor_memo&, tvelmor_theme_memo*,
                                                         const trect&, int32_t) const {
    raise("%s.resize_memo(); not implemented.");
}
void tvelmor_render_memo_generic::draw_memo(int32_t&, tcanvas&, tvelmor_memo&, tvelmor_theme_memo*,
                                            const trect&) const {
    raise("%s.control_paint(); not implemented.");
}
void tvelmor_render_memo_generic::handle_resize(int32_t& afont_tag, tcanvas& acanvas, tvelmor_memo& acontrol,
                                                tvelmor_theme_memo* atheme, const trect& arect) const {
    acontrol.line_count_visible = get_maximum_visible_linecount(acontrol, arect);
    recalculate_displaylns(afont_tag, acanvas, acontrol, atheme, arect, 0);
}

// Button family.
bool tvelmor_render_button_generic::get_pt_button(const tvelmor_button&, const trect& arect, int32_t ax,
                                                  int32_t ay) const {
    return ax >= arect.left && ax <= arect.right && ay >= arect.top && ay <= arect.bottom;
}
void tvelmor_render_button_generic::draw_button(tcanvas&, int32_t&, const trect&, const std::u16string&, int32_t, bool,
                                                bool, bool, int32_t, int32_t) const {
    raise("%s.draw(); not implemented.");
}
void tvelmor_render_button_generic::draw_button(tcanvas&, int32_t&, tvelmor_theme_button*, tvelmor_button&,
                                                const trect&) const {
    raise("%s.draw(); not implemented.");
}

// Combo box family.
void tvelmor_render_combobox_generic::draw_button(tcanvas&, const trect&, bool) const {
    raise("%s.draw_button_pressed(); not implemented.");
}
void tvelmor_render_combobox_generic::draw_combobox(tcanvas&, int32_t&, tvelmor_combobox&, const trect&,
                                                    tvelmor_theme_combobox*) const {
    raise("%s.control_paint(); not implemented.");
}

// Scroll bar family.
void tvelmor_render_scrollbar_generic::redraw_scrollbar_position(tcanvas&, const trect&, int32_t, int32_t,
                                                                 int32_t) const {
    raise("%s.redraw_scrollbar_position(); not implemented");
}
void tvelmor_render_scrollbar_generic::draw_scrollbar2(tcanvas&, const trect&, int32_t, int32_t) const {
    raise("%s.draw_scrollbar(); not implemented");
}
void tvelmor_render_scrollbar_generic::draw_scrollbar(tcanvas& acanvas, const trect& arect,
                                                      const tvelmor_scrollbar& acontrol,
                                                      tvelmor_theme_scrollbar*) const {
    draw_scrollbar2(acanvas, arect, acontrol.range, acontrol.position);
}

void tvelmor_render_checkbox_generic::draw_checkbox(tcanvas&, const trect&, tvelmor_checkbox&,
                                                    tvelmor_theme_checkbox*) const {
    raise("%s.draw_checkbox(); not implemented");
}

void tvelmor_render_bevel_generic::draw_bevel(tcanvas&, tvelmor_bevel&, tvelmor_theme_bevel*, const trect&,
                                              bool) const {
    raise("%s.draw_frame(); not implemented.");
}
