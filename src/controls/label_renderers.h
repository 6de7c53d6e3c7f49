// The label renderers: the standard label (flat, or etched when not enabled) and the beveled
// label with its sunken border.
#pragma once

#include "controls/renderers.h"

// Shared by both label renderers: the theme-level draw that takes colour, font, margin and
// edges from the theme and caption, state and alignment from the control.
class tvelmor_render_label_common : public tvelmor_render_label_generic {
public:
    using tvelmor_render_label_generic::draw_label;
    void draw_label(tcanvas& acanvas, int32_t& afont_tag, const trect& arect, tvelmor_customlabel& acontrol,
                    tvelmor_theme_label* atheme) const override;

protected:
    // Black text on a solid brush, clipped with its background filled; nothing for an
    // alignment other than left-bottom, right-bottom and centre-centre.
    static void draw_enabled_text(tcanvas& acanvas, const trect& arect, const std::u16string& acaption,
                                  tvelmor_alignment aalignment, int32_t amargin);
};

class tvelmor_render_label_standard : public tvelmor_render_label_common {
public:
    const char* class_name() const override { return "tvelmor_render_label_standard"; }
    using tvelmor_render_label_common::draw_label;
    void draw_label(tcanvas& acanvas, int32_t& afont_tag, const trect& arect, const std::u16string& acaption,
                    int32_t afont_tag_new, bool aenabled, tvelmor_alignment aalignment, tframeedges aframeedges,
                    int32_t aalignment_margin) const override;

private:
    static void draw_disabled(tcanvas& acanvas, const trect& arect, const std::u16string& acaption,
                              tvelmor_alignment aalignment, tframeedges aframeedges, int32_t amargin);
};

class tvelmor_render_label_beveled : public tvelmor_render_label_common {
public:
    const char* class_name() const override { return "tvelmor_render_label_beveled"; }
    using tvelmor_render_label_common::draw_label;
    // Ignores the enabled state and the frame edges.
    void draw_label(tcanvas& acanvas, int32_t& afont_tag, const trect& arect, const std::u16string& acaption,
                    int32_t afont_tag_new, bool aenabled, tvelmor_alignment aalignment, tframeedges aframeedges,
                    int32_t aalignment_margin) const override;
};
