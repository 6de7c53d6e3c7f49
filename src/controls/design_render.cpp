#include "controls/design_render.h"

#include "controls/control_kinds.h"
#include "controls/dfm_elements.h"
#include "controls/dfm_themes.h"
#include "controls/text_controls.h"
#include "procs/message_format.h"

tvelmor_design_render2::tvelmor_design_render2(const tdfm_form& aform, trender_mode amode)
    : render_mode(amode), fiterate_panels(fpanels) {
    for (const auto& component : aform.children) {
        if (auto* panel = dynamic_cast<const tdfmelement_panel*>(component.get())) {
            fpanels.add(panel->Tag, panel->create_control());
        } else if (auto* viewport = dynamic_cast<const tdfmelement_viewport*>(component.get())) {
            fviewports.add(viewport->Tag, viewport->create_control());
        } else if (dynamic_cast<const tdfmelement_themes*>(component.get())) {
            for (const auto& theme : component->children) {
                std::unique_ptr<tvelmor_theme> t = static_cast<const tdfmelement_theme&>(*theme).create_control();
                int32_t tag = t->tag_theme;
                fthemes.add(tag, std::move(t));
            }
        }
    }
    fpanels.finish_adds();
    fviewports.finish_adds();
    fthemes.finish_adds();
    fpanels.for_each([&](tvelmor_panel* p) {
        if (p->tag_parent != 0) fpanels.get_item(p->tag_parent)->add_child(p->tag);
    });
    fpanels.for_each([](tvelmor_panel* p) { p->finish_adds(); });
    fviewports.for_each([](tvelmor_viewport2* v) { v->finish_adds(); });
    if (!fpanels.empty()) {
        for (int32_t t = fpanels.index_first(); t <= fpanels.index_last(); ++t)
            fcontrols.add(t, std::make_unique<tcontrol_box>(true));
        mintag_panels = fpanels.index_first() / 100;
    }
    fcontrols.finish_adds();
    if (!fviewports.empty()) mintag_viewport = fviewports.get_item(fviewports.index_first())->tag_control_first / 100;
    for (const auto& component : aform.children) {
        if (!dynamic_cast<const tdfmelement_panel*>(component.get())) continue;
        for (const auto& control : component->children) {
            std::unique_ptr<tvelmor_control> c = static_cast<const tdfmelement_base&>(*control).create_control(nullptr);
            int32_t tag = c->tag;
            fcontrols.get_item(component->Tag)->add(tag, std::move(c));
        }
    }
    fcontrols.for_each([](tcontrol_box* box) { box->finish_adds(); });
}

void tvelmor_design_render2::calculate_viewport_rects() {
    bool first = true;
    fviewports.for_each([&](tvelmor_viewport2* v) {
        if (first) {
            if (v->tag_control_parent != 0)
                throw tvelmor_exception("First Viewport must be root in %s.calculate_viewport_rects();", class_name());
            v->calculate_rect_values(trect{0, 0, width, height});
            first = false;
            return;
        }
        // The parent cell lies in the viewport of the hundred its tag belongs to.
        int32_t parent_tag = v->tag_control_parent;
        tvelmor_viewport2* parent =
            fviewports.get_item2(parent_tag / 100 + fviewports.index_first() - mintag_viewport, true);
        if (!parent)
            throw tvelmor_exception("Read on unassigned viewport[%d] in %s.calculate_viewport_rects();", parent_tag,
                                    class_name());
        trect r;
        parent->get_rect_value(r, parent_tag);
        v->calculate_rect_values(r);
    });
}

void tvelmor_design_render2::draw(tcanvas& acanvas, int16_t awidth, int16_t aheight) {
    if (awidth != width || aheight != height) {
        width = awidth;
        height = aheight;
        calculate_viewport_rects();
    }
    for (fiterate_panels.first(); !fiterate_panels.eof(); fiterate_panels.next()) {
        const tvelmor_panel& panel = *fiterate_panels.item();
        if (!panel.visible) continue;
        tvelmor_viewport2* v = fviewports.get_item2(panel.tag, true);
        if (!v) continue;
        for (int32_t tag = v->tag_control_first; tag <= v->tag_control_last(); ++tag) {
            trect r;
            v->get_rect_value(r, tag);
            draw_cell(acanvas, panel, tag, r);
        }
    }
}

void tvelmor_design_render2::white_box(tcanvas& acanvas, const trect& arect) {
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(color_white);
    acanvas.set_pen_color(color_black);
    acanvas.set_pen_width(1);
    acanvas.set_pen_style(tpen_style::ps_solid);
    acanvas.rectangle(arect);
}

void tvelmor_design_render2::draw_cell(tcanvas& acanvas, const tvelmor_panel& apanel, int32_t atag, const trect& arect) {
    tcontrol_box* box = fcontrols.get_item2(apanel.tag, true);
    tvelmor_control* control = box ? box->get_item(atag) : nullptr;
    if (render_mode == rm_control) {
        draw_control(acanvas, control, arect);
        return;
    }
    white_box(acanvas, arect);
    trect inner{arect.left + 1, arect.top + 1, arect.right - 1, arect.bottom - 1};
    std::string text = render_mode == rm_viewport
                           ? tprocs_message::format("P%d.%d", {apanel.tag, atag})
                           : tprocs_message::format("%d: %s.", {atag, control ? control->class_name() : "NIL"});
    acanvas.set_font("arial", 8, false);
    ffont_tag = 8 + 256 * 102;
    acanvas.set_text_color(color_black);
    acanvas.set_text_align(ttext_halign::left, ttext_valign::top);
    acanvas.text_rect(inner, inner.left + 2, inner.top + 2, utf8_to_utf16(text));
}

void tvelmor_design_render2::draw_control(tcanvas& acanvas, tvelmor_control* acontrol, const trect& arect) {
    tvelmor_theme* theme = acontrol ? fthemes.get_item2(acontrol->tag_theme, true) : nullptr;
    if (!theme) {
        // A cell without a themed control: a crossed white box.
        white_box(acanvas, arect);
        acanvas.move_to(arect.left, arect.top);
        acanvas.line_to(arect.right - 1, arect.bottom - 1);
        acanvas.move_to(arect.right - 1, arect.top);
        acanvas.line_to(arect.left, arect.bottom - 1);
        return;
    }
    switch (acontrol->id) {
    case ac_label:
        if (auto* t = dynamic_cast<tvelmor_theme_label*>(theme); t && t->classrender)
            t->classrender->draw_label(acanvas, ffont_tag, arect, static_cast<tvelmor_customlabel&>(*acontrol), t);
        break;
    case ac_labelvalue:
        white_box(acanvas, arect);
        acanvas.set_text_align(ttext_halign::left, ttext_valign::baseline);
        acanvas.text_out(arect.left + 4, arect.bottom - 2, u"<VALUE>");
        break;
    case ac_bevel:
        if (auto* t = dynamic_cast<tvelmor_theme_bevel*>(theme); t && t->classrender)
            t->classrender->draw_bevel(acanvas, static_cast<tvelmor_bevel&>(*acontrol), t, arect, false);
        break;
    case ac_edit:
        white_box(acanvas, arect);
        acanvas.set_font("arial", 10, false);
        ffont_tag = 10 + 256 * 102;
        acanvas.set_text_align(ttext_halign::left, ttext_valign::baseline);
        acanvas.text_out(arect.left + 4, arect.bottom - (arect.bottom - arect.top - 20) / 2,
                         utf8_to_utf16(tprocs_message::format("edit.%d", {acontrol->tag})));
        break;
    default: break;
    }
}
