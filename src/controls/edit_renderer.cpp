#include "controls/edit_renderer.h"

#include <algorithm>

#include "controls/procs_drawing.h"
#include "controls/text_controls.h"
#include "controls/theme.h"

namespace {

constexpr tcolor disabled_background = 14737632;
constexpr tcolor disabled_text = 6316128;
constexpr tcolor disabled_frame = 4210752;

}  // namespace

void tvelmor_text_render_procs::draw_caret(tcanvas& acanvas, int32_t ax, int32_t atop, int32_t abottom,
                                           tcolor acolor) {
    acanvas.set_pen_style(tpen_style::ps_solid);
    acanvas.set_pen_mode(tpen_mode::pm_copy);
    acanvas.set_pen_width(2);
    acanvas.set_pen_color(acolor);
    acanvas.move_to(ax, atop);
    acanvas.line_to(ax, abottom);
    acanvas.set_pen_width(1);
}

void tvelmor_text_render_procs::prepare_text(tcanvas& acanvas, tcolor abackground, tcolor atext_color) {
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(abackground);
    acanvas.set_text_color(atext_color);
    acanvas.set_text_align(ttext_halign::left, ttext_valign::bottom);
}

void tvelmor_text_render_procs::draw_single_char(tcanvas& acanvas, const trect& acell, char16_t achar,
                                                 tcolor abackground) {
    const trect& c = acell;
    prepare_text(acanvas, abackground, color_black);
    acanvas.text_rect({c.left + 4, c.top + 1, c.right + 4, c.bottom - 1}, c.left + 4, c.bottom - 4,
                      std::u16string(1, achar));
    draw_caret(acanvas, c.right + 6, c.top + 4, c.bottom - 5, color_black);
}

void tvelmor_text_render_procs::clear_characters(tcanvas& acanvas, const trect& acell, tcolor abackground) {
    const trect& c = acell;
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(abackground);
    acanvas.fill_rect({c.left + 4, c.top + 1, c.right + 4, c.bottom - 1});
    draw_caret(acanvas, c.right + 6, c.top + 4, c.bottom - 5, abackground);
    draw_caret(acanvas, c.left + 6, c.top + 4, c.bottom - 5, color_black);
}

void tvelmor_render_edit_standard::clear_characters(tcanvas& acanvas, const trect& arect, tvelmor_edit& acontrol,
                                                    tvelmor_theme_edit* atheme) const {
    tvelmor_text_render_procs::clear_characters(acanvas, arect,
                                                ttext_colors::of(atheme, acontrol.is_focused).background);
}

void tvelmor_render_edit_standard::draw_single_char(tcanvas& acanvas, const trect& arect, tvelmor_edit& acontrol,
                                                    char16_t achar, tvelmor_theme_edit* atheme) const {
    const char16_t shown = acontrol.edit_options.contains(eo_password) ? tvelmor_edit::password_dot : achar;
    tvelmor_text_render_procs::draw_single_char(acanvas, arect, shown,
                                                ttext_colors::of(atheme, acontrol.is_focused).background);
}

void tvelmor_render_edit_standard::draw_line(tcanvas& acanvas, tvelmor_edit& acontrol, const trect& arect,
                                             tvelmor_theme_edit* atheme) const {
    using procs = tvelmor_text_render_procs;
    acontrol.ensure_extents(acanvas);
    const trect t = procs::deflate(arect, 1);
    const std::u16string shown = acontrol.get_display_text();
    if (!acontrol.enabled) {
        procs::prepare_text(acanvas, disabled_background, disabled_text);
        acanvas.text_rect(t, t.left + 3, t.bottom - 3, shown);
        return;
    }
    const ttext_colors colors = ttext_colors::of(atheme, acontrol.is_focused);
    // The caret and the selection end where the extents say the text ends, the same place the
    // typing path puts them, so a later single-character draw erases the right caret.
    const int32_t width = acontrol.get_display_width();
    if (acontrol.selectedall && acontrol.is_focused) {
        acanvas.set_brush_style(tbrush_style::bs_solid);
        acanvas.set_brush_color(colors.background);
        acanvas.fill_rect(t);
        const trect box{t.left, t.top, std::min(t.left + width + 5, t.right - 4), t.bottom};
        procs::prepare_text(acanvas, colors.selected, color_white);
        acanvas.text_rect(box, t.left + 2, t.bottom - 2, shown);
        return;
    }
    procs::prepare_text(acanvas, colors.background, color_black);
    acanvas.text_rect(t, t.left + 3, t.bottom - 3, shown);
    if (acontrol.is_focused) procs::draw_caret(acanvas, t.left + width + 5, arect.top + 4, arect.bottom - 5, color_black);
}

void tvelmor_render_edit_standard::draw_edit(tcanvas& acanvas, int32_t& afont_tag, tvelmor_edit& acontrol,
                                             const trect& arect, tvelmor_theme_edit* atheme) const {
    if (atheme) tprocs_font::set_font(acanvas, afont_tag, atheme->font);
    draw_line(acanvas, acontrol, arect, atheme);
    acanvas.set_brush_color(acontrol.enabled ? color_black : disabled_frame);
    acanvas.frame_rect(arect);
}
