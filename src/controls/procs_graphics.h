// Drawing routines shared by several renderers: the raised scroll button, with or without an
// arrow, used for a scroll bar's end buttons and its thumb.
#pragma once

#include <cstdint>

#include "controls/canvas.h"
#include "controls/geometry.h"

enum tscroll_button_type : uint8_t { sb_arrow_none, sb_arrow_up, sb_arrow_down };

class tprocs_graphics {
public:
    // A raised button in the rectangle (highlight top-left, shadow and dark shadow bottom-right)
    // with a black arrow centred in it; the face itself is not filled.
    static void draw_scroll_button(tcanvas& acanvas, const trect& arect, tscroll_button_type atype);
    // Solid, copy-mode pen of the colour and width, so a pen left by another drawing does not leak in.
    static void set_pen(tcanvas& acanvas, tcolor acolor, int32_t awidth = 1);
};
