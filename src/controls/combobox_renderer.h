// The standard combo box renderer: the chosen item's text in a black frame with a drop button at
// the right, drawn raised or pressed.
#pragma once

#include <string>

#include "controls/renderers.h"

class tvelmor_render_combobox_standard : public tvelmor_render_combobox_generic {
public:
    const char* class_name() const override { return "tvelmor_render_combobox_standard"; }
    // arect is the whole combo box; the button takes its right 30 pixels inside the frame.
    void draw_button(tcanvas& acanvas, const trect& arect, bool as_pressed) const override;
    void draw_combobox(tcanvas& acanvas, int32_t& afont_tag, tvelmor_combobox& acontrol, const trect& arect,
                       tvelmor_theme_combobox* atheme) const override;

    // Row item_index, column 0 of the misc object header; empty when nothing is chosen, the
    // combo box has no choices or the misc object is missing.
    static std::u16string get_shown_text(tvelmor_combobox& acontrol);
};
