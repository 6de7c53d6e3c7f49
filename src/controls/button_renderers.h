// The button renderers: the standard kind button (raised face, icon and caption), the image
// button (one picture per state) and the speed button (platform frame with an icon).
#pragma once

#include <cstdint>
#include <string>

#include "controls/renderers.h"

// What a button shows. A kind button takes caption and icon (of set 2) from its kind, an image
// button its own set and icon without caption; icon -1 is no icon.
struct tbutton_face {
    std::u16string caption;
    int32_t icon_set = 0;
    int32_t icon = -1;

    static tbutton_face of(const tvelmor_button& acontrol);
};

// The theme-level draw shared by every button renderer: the face of the control, the theme's
// font and the control's pushed, enabled and focused states go to the full draw_button.
class tvelmor_render_button_common : public tvelmor_render_button_generic {
public:
    using tvelmor_render_button_generic::draw_button;
    void draw_button(tcanvas& acanvas, int32_t& afont_tag, tvelmor_theme_button* atheme, tvelmor_button& acontrol,
                     const trect& arect) const override;
};

// State table of the full draw (B is the rectangle inside a one-pixel margin at left and top):
//   outline:          page background when pushed, window frame colour when raised
//   focus frame:      only when enabled, not pushed and focused
//   face content:     shifted right 2 and down 1 when pushed
//   icon, caption:    greyed icon and embossed caption when not enabled
class tvelmor_render_button_standard : public tvelmor_render_button_common {
public:
    const char* class_name() const override { return "tvelmor_render_button_standard"; }
    using tvelmor_render_button_common::draw_button;
    void draw_button(tcanvas& acanvas, int32_t& afont_tag, const trect& arect, const std::u16string& acaption,
                     int32_t afont_tag_new, bool apushed, bool aenabled, bool afocused, int32_t aicon_set,
                     int32_t aicon) const override;
};

// Image icon + 0 released, + 1 pushed, + 2 not enabled (which wins over pushed).
class tvelmor_render_button_bmp : public tvelmor_render_button_common {
public:
    const char* class_name() const override { return "tvelmor_render_button_bmp"; }
    using tvelmor_render_button_common::draw_button;
    void draw_button(tcanvas& acanvas, int32_t& afont_tag, const trect& arect, const std::u16string& acaption,
                     int32_t afont_tag_new, bool apushed, bool aenabled, bool afocused, int32_t aicon_set,
                     int32_t aicon) const override;
};

// The platform's push-button frame, then icon (+ 1 when not enabled) two pixels further right
// when pushed. No caption.
class tvelmor_render_button_speed : public tvelmor_render_button_common {
public:
    const char* class_name() const override { return "tvelmor_render_button_speed"; }
    using tvelmor_render_button_common::draw_button;
    void draw_button(tcanvas& acanvas, int32_t& afont_tag, const trect& arect, const std::u16string& acaption,
                     int32_t afont_tag_new, bool apushed, bool aenabled, bool afocused, int32_t aicon_set,
                     int32_t aicon) const override;
};
