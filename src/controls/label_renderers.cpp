#include "controls/label_renderers.h"

#include <optional>

#include "controls/control_kinds.h"
#include "controls/procs_drawing.h"
#include "controls/procs_velmor.h"
#include "controls/theme.h"

namespace {

struct ttext_place {
    ttext_halign halign;
    tpoint at;
};

// Where a label writes its text; none for the alignments a label does not support.
std::optional<ttext_place> text_place(tcanvas& acanvas, const trect& arect, const std::u16string& acaption,
                                      tvelmor_alignment aalignment, int32_t amargin) {
    switch (aalignment) {
        case al_left_bottom: return ttext_place{ttext_halign::left, {arect.left + amargin + 4, arect.bottom - 4}};
        case al_right_bottom:
            return ttext_place{ttext_halign::right, {arect.right - amargin - 4, arect.bottom - 4}};
        case al_center_center: {
            const int32_t height = acanvas.text_extent(acaption).cy;
            return ttext_place{ttext_halign::centre,
                               {(arect.left + arect.right) / 2, (height + arect.top + arect.bottom) / 2}};
        }
        default: return std::nullopt;
    }
}

void line(tcanvas& acanvas, tcolor acolor, int32_t ax1, int32_t ay1, int32_t ax2, int32_t ay2) {
    acanvas.set_pen_color(acolor);
    acanvas.move_to(ax1, ay1);
    acanvas.line_to(ax2, ay2);
}

void prepare_pen(tcanvas& acanvas) {
    acanvas.set_pen_width(1);
    acanvas.set_pen_style(tpen_style::ps_solid);
    acanvas.set_pen_mode(tpen_mode::pm_copy);
}

}  // namespace

void tvelmor_render_label_common::draw_label(tcanvas& acanvas, int32_t& afont_tag, const trect& arect,
                                             tvelmor_customlabel& acontrol, tvelmor_theme_label* atheme) const {
    acanvas.set_brush_color(atheme->color);
    draw_label(acanvas, afont_tag, arect, acontrol.get_caption(), atheme->font, acontrol.enabled, acontrol.alignment,
               atheme->frameedges, atheme->margin);
}

void tvelmor_render_label_common::draw_enabled_text(tcanvas& acanvas, const trect& arect,
                                                    const std::u16string& acaption, tvelmor_alignment aalignment,
                                                    int32_t amargin) {
    const auto place = text_place(acanvas, arect, acaption, aalignment, amargin);
    if (!place) return;
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_text_color(color_black);
    acanvas.set_text_align(place->halign, ttext_valign::bottom);
    acanvas.text_rect(arect, place->at.x, place->at.y, acaption);
}

void tvelmor_render_label_standard::draw_label(tcanvas& acanvas, int32_t& afont_tag, const trect& arect,
                                               const std::u16string& acaption, int32_t afont_tag_new, bool aenabled,
                                               tvelmor_alignment aalignment, tframeedges aframeedges,
                                               int32_t aalignment_margin) const {
    tprocs_font::set_font(acanvas, afont_tag, afont_tag_new);
    if (!aenabled) {
        draw_disabled(acanvas, arect, acaption, aalignment, aframeedges, aalignment_margin);
        return;
    }
    draw_enabled_text(acanvas, arect, acaption, aalignment, aalignment_margin);
    if (aframeedges == frameedges_none) return;
    bool left, top, right, bottom;
    tprocs_velmor::get_frameedges(left, top, right, bottom, aframeedges);
    prepare_pen(acanvas);
    const trect& r = arect;
    if (left) line(acanvas, color_black, r.left, r.top, r.left, r.bottom);
    if (top) line(acanvas, color_black, r.left, r.top, r.right, r.top);
    if (right) line(acanvas, color_black, r.right, r.top, r.right, r.bottom);
    if (bottom) line(acanvas, color_black, r.left, r.bottom, r.right, r.bottom);
}

void tvelmor_render_label_standard::draw_disabled(tcanvas& acanvas, const trect& arect,
                                                  const std::u16string& acaption, tvelmor_alignment aalignment,
                                                  tframeedges aframeedges, int32_t amargin) {
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.fill_rect(arect);
    if (const auto place = text_place(acanvas, arect, acaption, aalignment, amargin)) {
        acanvas.set_brush_style(tbrush_style::bs_clear);
        acanvas.set_text_align(place->halign, ttext_valign::bottom);
        acanvas.set_text_color(system_color(20));
        acanvas.text_rect(arect, place->at.x + 1, place->at.y + 1, acaption);
        acanvas.set_text_color(system_color(16));
        acanvas.text_rect(arect, place->at.x, place->at.y, acaption);
    }
    if (aframeedges == frameedges_none) return;
    bool left, top, right, bottom;
    tprocs_velmor::get_frameedges(left, top, right, bottom, aframeedges);
    prepare_pen(acanvas);
    const trect& r = arect;
    const tcolor light = system_color(20), shadow = system_color(16);
    if (left) {
        line(acanvas, light, r.left, r.top, r.left, r.bottom);
        line(acanvas, shadow, r.left + 1, r.top, r.left + 1, r.bottom);
    }
    if (top) line(acanvas, shadow, r.left, r.top, r.right, r.top);
    if (right) {
        line(acanvas, shadow, r.right - 1, r.top, r.right - 1, r.bottom);
        line(acanvas, light, r.right, r.top, r.right, r.bottom);
    }
    if (bottom) line(acanvas, light, r.left, r.bottom, r.right, r.bottom);
}

void tvelmor_render_label_beveled::draw_label(tcanvas& acanvas, int32_t& afont_tag, const trect& arect,
                                              const std::u16string& acaption, int32_t afont_tag_new, bool,
                                              tvelmor_alignment aalignment, tframeedges,
                                              int32_t aalignment_margin) const {
    const trect& r = arect;
    prepare_pen(acanvas);
    acanvas.set_pen_color(system_color(16));
    acanvas.polyline({{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}});
    acanvas.set_pen_color(system_color(20));
    acanvas.polyline({{r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}});
    tprocs_font::set_font(acanvas, afont_tag, afont_tag_new);
    draw_enabled_text(acanvas, {r.left + 1, r.top + 1, r.right, r.bottom}, acaption, aalignment, aalignment_margin);
}
