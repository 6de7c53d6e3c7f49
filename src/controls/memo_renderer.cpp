#include "controls/memo_renderer.h"

#include <algorithm>

#include "controls/edit_renderer.h"
#include "controls/procs_drawing.h"
#include "controls/text_controls.h"
#include "controls/theme.h"

namespace {

using procs = tvelmor_text_render_procs;

// The caret line of a focused memo: the text before the caret, a white strip four pixels wide
// with the caret in it, and the rest of the line pushed right past the strip.
void draw_caret_line(tcanvas& acanvas, const trect& at, const tdisplayln& aline, int32_t apos, tcolor abackground) {
    const size_t measured = std::min(static_cast<size_t>(apos), aline.extents.size());
    const int32_t extent = measured == 0 ? 0 : aline.extents[measured - 1];
    const int32_t strip = std::min(at.left + extent + 3, at.right);
    const int32_t rest = std::min(strip + 4, at.right);
    procs::prepare_text(acanvas, abackground, color_black);
    acanvas.text_rect({at.left, at.top, strip, at.bottom}, at.left + 3, at.bottom - 3,
                      aline.text.substr(0, static_cast<size_t>(apos)));
    acanvas.set_brush_color(color_white);
    acanvas.fill_rect({strip, at.top, rest, at.bottom});
    procs::draw_caret(acanvas, strip + 2, at.top + 3, at.bottom - 4, color_black);
    acanvas.set_brush_color(abackground);
    acanvas.text_rect({rest, at.top, at.right, at.bottom}, rest, at.bottom - 3,
                      aline.text.substr(static_cast<size_t>(apos)));
}

int16_t caret_pos(const tvelmor_memo& amemo, const tdisplayln& aline) {
    return std::clamp<int16_t>(amemo.cursor_pos, 0, aline.len);
}

}  // namespace

int32_t tvelmor_render_memo_standard::get_maximum_visible_linecount(const tvelmor_memo& acontrol,
                                                                    const trect& arect) const {
    if (acontrol.row_height <= 0) return 0;
    return std::max((arect.bottom - arect.top) / acontrol.row_height, 0);
}

bool tvelmor_render_memo_standard::is_shown(const tvelmor_memo& acontrol, int32_t alineno) {
    return alineno >= 0 && alineno < acontrol.line_count() && alineno >= acontrol.line_top &&
           alineno < acontrol.line_top + acontrol.line_count_visible;
}

void tvelmor_render_memo_standard::redraw_cursor_pos(tcanvas& acanvas, tvelmor_memo& acontrol,
                                                     tvelmor_theme_memo* atheme, const trect& arect,
                                                     bool as_move_left, int32_t alen) const {
    const int32_t lineno = acontrol.cursor_lineno;
    if (!is_shown(acontrol, lineno)) return;
    const tdisplayln& line = acontrol.displaylns[static_cast<size_t>(lineno)];
    const int32_t top = arect.top + 2 + (lineno - acontrol.line_top) * acontrol.row_height;
    const trect b{arect.left + 2, top, arect.right - 2, top + acontrol.row_height - 3};
    const int32_t pos = caret_pos(acontrol, line);
    // The passed characters lie between the old and the new caret; those right of the caret sit
    // past its strip.
    const int32_t other = as_move_left ? std::min<int32_t>(pos + alen, line.len) : std::max<int32_t>(pos - alen, 0);
    const int32_t from = std::min(pos, other), to = std::max(pos, other);
    const int32_t shift = as_move_left ? 7 : 3;
    const int32_t x1 = b.left + acontrol.get_displayln_text_extent(lineno, from) + shift;
    const int32_t x2 = b.left + acontrol.get_displayln_text_extent(lineno, to) + shift;
    procs::prepare_text(acanvas, ttext_colors::of(atheme, acontrol.is_focused).background, color_black);
    acanvas.text_rect({x1, b.top, std::min(x2, b.right), b.bottom}, x1, b.bottom - 3,
                      line.text.substr(static_cast<size_t>(from), static_cast<size_t>(to - from)));
    const int32_t strip = b.left + acontrol.get_displayln_text_extent(lineno, pos) + 3;
    acanvas.set_brush_color(color_white);
    acanvas.fill_rect({strip, b.top, std::min(strip + 4, b.right), b.bottom});
    procs::draw_caret(acanvas, strip + 2, b.top + 3, b.bottom - 4, color_black);
}

void tvelmor_render_memo_standard::clear_characters(tcanvas& acanvas, const trect& arect, tvelmor_memo& acontrol,
                                                    tvelmor_theme_memo* atheme) const {
    procs::clear_characters(acanvas, arect, ttext_colors::of(atheme, acontrol.is_focused).background);
}

void tvelmor_render_memo_standard::draw_single_char(tcanvas& acanvas, const trect& arect, tvelmor_memo& acontrol,
                                                    char16_t achar, tvelmor_theme_memo* atheme) const {
    procs::draw_single_char(acanvas, arect, achar, ttext_colors::of(atheme, acontrol.is_focused).background);
}

void tvelmor_render_memo_standard::redraw_line(tcanvas& acanvas, tvelmor_memo& acontrol, tvelmor_theme_memo* atheme,
                                               const trect& arect, int32_t alineno) const {
    if (!is_shown(acontrol, alineno)) return;
    // The same band as a full paint gives the line, so a redrawn line keeps its baseline.
    const int32_t top = arect.top + 1 + (alineno - acontrol.line_top) * acontrol.row_height;
    draw_line(acanvas, acontrol, atheme, {arect.left + 1, top, arect.right - 1, top + acontrol.row_height - 1},
              alineno);
}

void tvelmor_render_memo_standard::draw_line(tcanvas& acanvas, tvelmor_memo& acontrol, tvelmor_theme_memo* atheme,
                                             const trect& arect, int32_t alineno) const {
    if (alineno < 0 || alineno >= acontrol.line_count()) return;
    const tdisplayln& line = acontrol.displaylns[static_cast<size_t>(alineno)];
    const trect t = procs::deflate(arect, 1);
    const ttext_colors colors = ttext_colors::of(atheme, acontrol.is_focused);
    if (acontrol.selectedall && acontrol.is_focused) {
        acanvas.set_brush_style(tbrush_style::bs_solid);
        acanvas.set_brush_color(colors.background);
        acanvas.fill_rect(t);
        const int32_t width = acontrol.get_displayln_text_extent(alineno, line.len);
        procs::prepare_text(acanvas, colors.selected, color_white);
        acanvas.text_rect({t.left, t.top, std::min(t.left + width + 5, t.right - 4), t.bottom}, t.left + 2,
                          t.bottom - 2, line.text);
        return;
    }
    if (acontrol.is_focused && alineno == acontrol.cursor_lineno) {
        draw_caret_line(acanvas, t, line, caret_pos(acontrol, line), colors.background);
        return;
    }
    procs::prepare_text(acanvas, colors.background, color_black);
    acanvas.text_rect(t, t.left + 3, t.bottom - 3, line.text);
}

void tvelmor_render_memo_standard::recalculate_displaylns(int32_t& afont_tag, tcanvas& acanvas,
                                                          tvelmor_memo& acontrol, tvelmor_theme_memo* atheme,
                                                          const trect& arect, int32_t afrom_lineno) const {
    if (atheme) tprocs_font::set_font(acanvas, afont_tag, atheme->font);
    if (afrom_lineno <= 0) {
        acontrol.calculate_line_extents(acanvas, wrap_width(arect));
    } else {
        acontrol.calculate_line_extents_fromline(acanvas, wrap_width(arect), afrom_lineno);
    }
}

void tvelmor_render_memo_standard::draw_memo(int32_t& afont_tag, tcanvas& acanvas, tvelmor_memo& acontrol,
                                             tvelmor_theme_memo* atheme, const trect& arect) const {
    if (atheme) tprocs_font::set_font(acanvas, afont_tag, atheme->font);
    if (!acontrol.displaylns_match_text()) acontrol.calculate_line_extents(acanvas, wrap_width(arect));
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(atheme ? atheme->color : color_white);
    acanvas.fill_rect(arect);
    const int32_t rows = acontrol.row_height;
    for (int32_t k = 0; k < acontrol.line_count_visible; ++k) {
        const int32_t lineno = acontrol.line_top + k;
        if (lineno >= acontrol.line_count()) break;
        draw_line(acanvas, acontrol, atheme,
                  {arect.left + 1, arect.top + 1 + k * rows, arect.right - 1, arect.top + (k + 1) * rows}, lineno);
    }
    acanvas.set_brush_color(color_black);
    acanvas.frame_rect(arect);
}
