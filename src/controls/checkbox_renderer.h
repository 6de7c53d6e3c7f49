// The standard check box renderer: a framed box in the theme's colour with a thick black tick
// when checked.
#pragma once

#include "controls/renderers.h"

class tvelmor_render_checkbox_standard : public tvelmor_render_checkbox_generic {
public:
    const char* class_name() const override { return "tvelmor_render_checkbox_standard"; }
    void draw_checkbox(tcanvas& acanvas, const trect& arect, tvelmor_checkbox& acontrol,
                       tvelmor_theme_checkbox* atheme) const override;
};
