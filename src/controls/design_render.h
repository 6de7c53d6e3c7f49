// The design preview: draws a page's layout from its form alone, with no handler, for people
// and tools that edit page forms. Three modes: the cells with their tags, the cells with the
// class of the control they hold, or the controls themselves (labels, bevels, edits).
#pragma once

#include <cstdint>
#include <memory>

#include "controls/canvas.h"
#include "controls/controls_iterators.h"
#include "controls/dfm_component.h"
#include "controls/panel.h"
#include "controls/tag_box.h"
#include "controls/theme.h"
#include "controls/viewport.h"

enum trender_mode : uint8_t { rm_viewport, rm_controlclass, rm_control };

class tvelmor_design_render2 : public tvelmor_object {
public:
    explicit tvelmor_design_render2(const tdfm_form& aform, trender_mode amode = rm_viewport);
    const char* class_name() const override { return "tvelmor_design_render2"; }

    // Lays the page out again when the size changed, then draws every visible panel's cells.
    void draw(tcanvas& acanvas, int16_t awidth, int16_t aheight);

    trender_mode render_mode;
    int16_t width = 0;
    int16_t height = 0;
    int32_t mintag_viewport = -1;
    int32_t mintag_panels = -1;

private:
    void calculate_viewport_rects();
    void draw_cell(tcanvas& acanvas, const tvelmor_panel& apanel, int32_t atag, const trect& arect);
    void draw_control(tcanvas& acanvas, tvelmor_control* acontrol, const trect& arect);
    static void white_box(tcanvas& acanvas, const trect& arect);

    ttag_box<tvelmor_panel> fpanels;
    ttag_box<tvelmor_viewport2> fviewports;
    tcontrol_boxes fcontrols;
    ttag_box<tvelmor_theme> fthemes;
    tvelmor_iterate_panels fiterate_panels;
    int32_t ffont_tag = 0;
};
