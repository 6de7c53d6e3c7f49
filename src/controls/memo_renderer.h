// The standard memo renderer: wrapped lines in rows of the memo's row height, the caret shown as
// a white strip opened in the caret line, and the re-wrap for the memo's width.
#pragma once

#include "controls/renderers.h"

class tvelmor_render_memo_standard : public tvelmor_render_memo_generic {
public:
    const char* class_name() const override { return "tvelmor_render_memo_standard"; }
    // 0 for a memo without a row height.
    int32_t get_maximum_visible_linecount(const tvelmor_memo& acontrol, const trect& arect) const override;
    void redraw_cursor_pos(tcanvas& acanvas, tvelmor_memo& acontrol, tvelmor_theme_memo* atheme, const trect& arect,
                           bool as_move_left, int32_t alen) const override;
    void clear_characters(tcanvas& acanvas, const trect& arect, tvelmor_memo& acontrol,
                          tvelmor_theme_memo* atheme) const override;
    void draw_single_char(tcanvas& acanvas, const trect& arect, tvelmor_memo& acontrol, char16_t achar,
                          tvelmor_theme_memo* atheme) const override;
    // Lines outside the memo or scrolled out of view draw nothing.
    void redraw_line(tcanvas& acanvas, tvelmor_memo& acontrol, tvelmor_theme_memo* atheme, const trect& arect,
                     int32_t alineno) const override;
    // arect is the line's band.
    void draw_line(tcanvas& acanvas, tvelmor_memo& acontrol, tvelmor_theme_memo* atheme, const trect& arect,
                   int32_t alineno) const override;
    void recalculate_displaylns(int32_t& afont_tag, tcanvas& acanvas, tvelmor_memo& acontrol,
                                tvelmor_theme_memo* atheme, const trect& arect, int32_t afrom_lineno) const override;
    // Wraps a memo whose text was set or assigned since the last wrap before drawing it.
    void draw_memo(int32_t& afont_tag, tcanvas& acanvas, tvelmor_memo& acontrol, tvelmor_theme_memo* atheme,
                   const trect& arect) const override;

    // The width the lines are wrapped to inside the memo's rectangle.
    static int32_t wrap_width(const trect& arect) { return arect.width() - 12; }

private:
    static bool is_shown(const tvelmor_memo& acontrol, int32_t alineno);
};
