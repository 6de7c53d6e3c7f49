// The standard edit renderer, and the drawing steps the memo renderer shares with it: the caret,
// a newly typed character and the removal of deleted characters.
#pragma once

#include "controls/renderers.h"

// Background and selection colours of a text control; without a theme the control is white and
// selected text navy.
struct ttext_colors {
    tcolor background = color_white;
    tcolor selected = 8388608;

    template <typename T>
    static ttext_colors of(const T* atheme, bool afocused) {
        if (!atheme) return {};
        return {afocused ? atheme->color_focused : atheme->color, atheme->color_selected};
    }
};

class tvelmor_text_render_procs {
public:
    // A vertical caret two pixels wide from atop to abottom.
    static void draw_caret(tcanvas& acanvas, int32_t ax, int32_t atop, int32_t abottom, tcolor acolor);
    // acell runs from the end of the text before the character to the end after it, both relative
    // to the control's left edge; the caret follows the new character.
    static void draw_single_char(tcanvas& acanvas, const trect& acell, char16_t achar, tcolor abackground);
    // acell runs from the new end of the text to the old end; the caret moves back to its left.
    static void clear_characters(tcanvas& acanvas, const trect& acell, tcolor abackground);
    // Solid brush, black text, reference point at the bottom-left.
    static void prepare_text(tcanvas& acanvas, tcolor abackground, tcolor atext_color);
    static trect deflate(const trect& arect, int32_t aby) {
        return {arect.left + aby, arect.top + aby, arect.right - aby, arect.bottom - aby};
    }
};

class tvelmor_render_edit_standard : public tvelmor_render_edit_generic {
public:
    const char* class_name() const override { return "tvelmor_render_edit_standard"; }
    void clear_characters(tcanvas& acanvas, const trect& arect, tvelmor_edit& acontrol,
                          tvelmor_theme_edit* atheme) const override;
    void draw_single_char(tcanvas& acanvas, const trect& arect, tvelmor_edit& acontrol, char16_t achar,
                          tvelmor_theme_edit* atheme) const override;
    // Measures the edit's extents first when its text was set without them.
    void draw_line(tcanvas& acanvas, tvelmor_edit& acontrol, const trect& arect,
                   tvelmor_theme_edit* atheme) const override;
    void draw_edit(tcanvas& acanvas, int32_t& afont_tag, tvelmor_edit& acontrol, const trect& arect,
                   tvelmor_theme_edit* atheme) const override;
};
