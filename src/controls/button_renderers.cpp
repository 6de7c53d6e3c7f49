#include "controls/button_renderers.h"

#include <iterator>

#include "controls/control_kinds.h"
#include "controls/procs_drawing.h"
#include "controls/procs_graphics.h"
#include "controls/theme.h"

namespace {

constexpr int32_t icon_set_buttons = 2;
constexpr tcolor color_grey_text = 8421504;  // red, green and blue 128

struct tkind_face {
    const char16_t* caption;
    int32_t icon;
};
// Indexed by tbutton_kind.
constexpr tkind_face kind_faces[] = {
    {u"Yes", 0}, {u"No", 1}, {u"OK", 0}, {u"Cancel", 1}, {u"Close", 1}, {u"Go", 0},
};

trect offset(const trect& arect, int32_t adx, int32_t ady) {
    return {arect.left + adx, arect.top + ady, arect.right + adx, arect.bottom + ady};
}

// The raised edges and outline of the standard button around B.
void draw_standard_frame(tcanvas& acanvas, const trect& b, bool apushed) {
    tprocs_graphics::set_pen(acanvas, apushed ? color_page_background : system_color(6));
    acanvas.polyline({{b.left, b.top}, {b.right, b.top}, {b.right, b.bottom}, {b.left, b.bottom}, {b.left, b.top}});
    acanvas.set_pen_color(system_color(21));
    acanvas.polyline({{b.left + 1, b.bottom - 1}, {b.right - 1, b.bottom - 1}, {b.right - 1, b.top}});
    acanvas.set_pen_color(system_color(16));
    acanvas.polyline({{b.left + 2, b.bottom - 2}, {b.right - 2, b.bottom - 2}, {b.right - 2, b.top + 1}});
    acanvas.set_pen_color(system_color(20));
    acanvas.polyline({{b.left + 1, b.bottom - 2}, {b.left + 1, b.top + 1}, {b.right - 2, b.top + 1}});
}

// The caption right of the icon: black when enabled, embossed (grey, then white one pixel right
// and down) when not.
void draw_standard_caption(tcanvas& acanvas, trect b, const std::u16string& acaption, bool aenabled) {
    b.left += 32;
    b.right -= 3;
    b.bottom -= 2;
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(color_page_background);
    acanvas.set_text_align(ttext_halign::left, ttext_valign::bottom);
    if (aenabled) {
        b.top += 2;
        acanvas.set_text_color(color_black);
        acanvas.text_rect(b, b.left + 4, b.bottom, acaption);
        return;
    }
    acanvas.set_text_color(color_grey_text);
    acanvas.text_rect(b, b.left, b.bottom - 1, acaption);
    acanvas.set_brush_style(tbrush_style::bs_clear);
    acanvas.set_text_color(color_white);
    acanvas.text_rect(b, b.left + 1, b.bottom, acaption);
}

}  // namespace

tbutton_face tbutton_face::of(const tvelmor_button& acontrol) {
    tbutton_face face;
    if (const auto* bitbtn = dynamic_cast<const tvelmor_button_bitbtn*>(&acontrol)) {
        const auto kind = static_cast<size_t>(bitbtn->kind);
        if (kind < std::size(kind_faces)) {
            face.caption = kind_faces[kind].caption;
            face.icon_set = icon_set_buttons;
            face.icon = kind_faces[kind].icon;
        }
    } else if (const auto* bmp = dynamic_cast<const tvelmor_button_bmp*>(&acontrol)) {
        face.icon_set = bmp->icon_set;
        face.icon = bmp->icon;
    }
    return face;
}

void tvelmor_render_button_common::draw_button(tcanvas& acanvas, int32_t& afont_tag, tvelmor_theme_button* atheme,
                                               tvelmor_button& acontrol, const trect& arect) const {
    const tbutton_face face = tbutton_face::of(acontrol);
    draw_button(acanvas, afont_tag, arect, face.caption, atheme ? atheme->font : afont_tag, acontrol.pushed,
                acontrol.enabled, acontrol.is_focused, face.icon_set, face.icon);
}

void tvelmor_render_button_standard::draw_button(tcanvas& acanvas, int32_t& afont_tag, const trect& arect,
                                                 const std::u16string& acaption, int32_t afont_tag_new, bool apushed,
                                                 bool aenabled, bool afocused, int32_t aicon_set,
                                                 int32_t aicon) const {
    trect b{arect.left + 1, arect.top + 1, arect.right, arect.bottom};
    draw_standard_frame(acanvas, b, apushed);
    if (aenabled && !apushed && afocused) {
        acanvas.set_brush_style(tbrush_style::bs_solid);
        acanvas.set_brush_color(color_black);
        acanvas.frame_rect({b.left, b.top, b.right - 2, b.bottom - 1});
    }
    if (apushed) b = offset(b, 2, 1);
    if (aicon >= 0) acanvas.draw_icon(aicon_set, b.left + 10, b.top + (b.height() - 18) / 2, aicon, aenabled);
    tprocs_font::set_font(acanvas, afont_tag, afont_tag_new);
    draw_standard_caption(acanvas, b, acaption, aenabled);
}

void tvelmor_render_button_bmp::draw_button(tcanvas& acanvas, int32_t&, const trect& arect, const std::u16string&,
                                            int32_t, bool apushed, bool aenabled, bool, int32_t aicon_set,
                                            int32_t aicon) const {
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(color_page_background);
    acanvas.fill_rect(arect);
    if (aicon < 0) return;
    const int32_t state = !aenabled ? 2 : apushed ? 1 : 0;
    acanvas.draw_icon(aicon_set, arect.left, arect.top, aicon + state, true);
}

void tvelmor_render_button_speed::draw_button(tcanvas& acanvas, int32_t&, const trect& arect, const std::u16string&,
                                              int32_t, bool apushed, bool aenabled, bool, int32_t aicon_set,
                                              int32_t aicon) const {
    const trect inner = acanvas.draw_button_frame(arect, apushed);
    if (aicon < 0) return;
    acanvas.draw_icon(aicon_set, inner.left + (apushed ? 10 : 8), inner.top + 2, aicon + (aenabled ? 0 : 1), true);
}
