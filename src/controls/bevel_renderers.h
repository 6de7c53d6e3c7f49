// The bevel renderers: a plain black frame along the chosen edges, and the classic one drawn
// twice, light then shadow, one pixel apart.
#pragma once

#include "controls/renderers.h"

class tvelmor_render_bevel_standard : public tvelmor_render_bevel_generic {
public:
    const char* class_name() const override { return "tvelmor_render_bevel_standard"; }
    // Draws the control's frame edges.
    void draw_bevel(tcanvas& acanvas, tvelmor_bevel& acontrol, tvelmor_theme_bevel* atheme, const trect& arect,
                    bool as_erase) const override;
    // Black, or the page background when erasing. An empty edge set draws nothing.
    virtual void draw_frame(tcanvas& acanvas, const trect& arect, tframeedges aframeedges, bool as_erase) const;

protected:
    static void draw_frame_in(tcanvas& acanvas, const trect& arect, tframeedges aframeedges, tcolor acolor);
};

class tvelmor_render_bevel_classic : public tvelmor_render_bevel_standard {
public:
    const char* class_name() const override { return "tvelmor_render_bevel_classic"; }
    void draw_frame(tcanvas& acanvas, const trect& arect, tframeedges aframeedges, bool as_erase) const override;
};
