#include "controls/combobox_renderer.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/controls_owner.h"
#include "controls/miscobject.h"
#include "controls/procs_drawing.h"
#include "controls/procs_graphics.h"
#include "controls/theme.h"

namespace {

constexpr int32_t button_width = 30;
constexpr int32_t icon_set_combobox = 7;

// The text area: the rectangle inside the frame, left of the drop button.
trect text_area(const trect& arect) {
    return {arect.left + 1, arect.top + 1, arect.right - button_width, arect.bottom - 1};
}

}  // namespace

std::u16string tvelmor_render_combobox_standard::get_shown_text(tvelmor_combobox& acontrol) {
    std::u16string text;
    if (acontrol.header == 0 || acontrol.item_index == -1 || acontrol.owner == nullptr) return text;
    tvelmor_miscobject* m = acontrol.owner->get_controls()->get_miscobject(acontrol.header);
    if (m == nullptr || !m->get_textvalue_rowcol(text, acontrol.item_index, 0)) text.clear();
    return text;
}

void tvelmor_render_combobox_standard::draw_combobox(tcanvas& acanvas, int32_t& afont_tag,
                                                      tvelmor_combobox& acontrol, const trect& arect,
                                                      tvelmor_theme_combobox* atheme) const {
    const trect t = text_area(arect);
    if (atheme) tprocs_font::set_font(acanvas, afont_tag, atheme->font);
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(!atheme ? color_white : acontrol.is_focused ? atheme->color_focused : atheme->color);
    acanvas.set_text_color(color_black);
    acanvas.set_text_align(ttext_halign::left, ttext_valign::bottom);
    acanvas.text_rect(t, t.left + 3, t.bottom - 3, get_shown_text(acontrol));
    draw_button(acanvas, arect, false);
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(color_black);
    acanvas.frame_rect(arect);
}

void tvelmor_render_combobox_standard::draw_button(tcanvas& acanvas, const trect& arect, bool as_pressed) const {
    const trect t = text_area(arect);
    const int32_t x0 = arect.right - button_width, x1 = arect.right - 1;
    // The box behind the arrow image, cleared so the image can shift by a pixel when pressed.
    auto clear_image_box = [&] {
        acanvas.set_brush_style(tbrush_style::bs_solid);
        acanvas.set_brush_color(system_color(15));
        acanvas.fill_rect({x0 + 10, t.top + 7, x0 + 20, t.top + 19});
    };
    if (as_pressed) {
        tprocs_graphics::set_pen(acanvas, system_color(16));
        acanvas.polyline({{x0 + 1, t.bottom - 2}, {x0 + 1, t.top}, {x1, t.top}});
        clear_image_box();
        acanvas.draw_icon(icon_set_combobox, x0 + 8, t.top + 8, 0, true);
        return;
    }
    clear_image_box();
    tprocs_graphics::set_pen(acanvas, color_black);
    acanvas.move_to(x0, t.top);
    acanvas.line_to(x0, t.bottom);
    acanvas.set_pen_color(system_color(20));
    acanvas.polyline({{x0 + 1, t.bottom - 2}, {x0 + 1, t.top}, {x1 - 1, t.top}});
    acanvas.set_pen_color(system_color(16));
    acanvas.polyline({{x1 - 1, t.top + 1}, {x1 - 1, t.bottom - 1}, {x0, t.bottom - 1}});
    acanvas.draw_icon(icon_set_combobox, x0 + 7, t.top + 7, 0, true);
}
