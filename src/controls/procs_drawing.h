// Small drawing helpers shared by the renderers: point-in-rectangle tests and applying a font
// code to a canvas only when it differs from the one the surface last applied.
#pragma once

#include <cstdint>

#include "controls/canvas.h"
#include "controls/geometry.h"

class tprocs_rect {
public:
    // Edges included: Left <= x <= Right and Top <= y <= Bottom.
    static bool contains_pt(const trect& arect, int32_t ax, int32_t ay) {
        return arect.left <= ax && ax <= arect.right && arect.top <= ay && ay <= arect.bottom;
    }
};

class tprocs_font {
public:
    // afont_tag is the surface's font cell: the code last applied to this canvas.
    static void set_font(tcanvas& acanvas, int32_t& afont_tag, int32_t acode);
};
