// The standard scroll bar renderer: an up button, a down button and a thumb without arrow on a
// grey track, with dark edges left and right.
#pragma once

#include <cstdint>

#include "controls/renderers.h"

// Where the parts of a scroll bar lie for a rectangle, a range and a position. Shared by drawing
// and by the thumb redraw so that both agree on every pixel.
struct tscrollbar_geometry {
    int32_t button_height = 0;  // also the thumb's height
    trect up, down, thumb;
    int32_t thumb_offset = 0;  // from the up button's bottom; 1 when the thumb touches it

    static tscrollbar_geometry of(const trect& arect, int32_t arange, int32_t aposition);
};

class tvelmor_render_scrollbar_standard : public tvelmor_render_scrollbar_generic {
public:
    const char* class_name() const override { return "tvelmor_render_scrollbar_standard"; }
    void redraw_scrollbar_position(tcanvas& acanvas, const trect& arect, int32_t arange, int32_t aposition1,
                                   int32_t aposition2) const override;
    void draw_scrollbar2(tcanvas& acanvas, const trect& arect, int32_t arange, int32_t aposition) const override;
};
