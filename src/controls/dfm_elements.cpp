#include "controls/dfm_elements.h"

#include "controls/element.h"
#include "controls/panel.h"

namespace {
const char* const align_names[] = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"};
const char* const panel_option_names[] = {"po_focus_next_panel"};
}  // namespace

const char* dfmelement_type_name(tdfmelement_type akind) {
    static const char* const names[] = {"de_none", "de_label", "de_labelvalue", "de_edit", "de_memo", "de_bevel",
                                        "de_grid", "de_dbgrid", "de_button_bitbtn", "de_button_bmp", "de_icon",
                                        "de_paintbox", "de_combobox", "de_grid_controls", "de_scrollbar", "de_checkbox"};
    return akind <= de_checkbox ? names[akind] : "de_unknown";
}

// ---- Panel ----

const tclass_info& tdfmelement_panel::static_class() {
    static const tproperty_info props[] = {
        prop<&tdfmelement_panel::parent>("parent"),
        prop<&tdfmelement_panel::visible>("visible"),
        prop<&tdfmelement_panel::enabled>("enabled").def(1),
        prop<&tdfmelement_panel::focus_order>("focus_order"),
        prop_set<&tdfmelement_panel::panel_options>("panel_options", panel_option_names),
        prop<&tdfmelement_panel::calculated_viewports>("calculated_viewports"),
    };
    static const tclass_info info("tdfmelement_panel", &tdfm_component::static_class(), factory_of<tdfmelement_panel>,
                                  props);
    return info;
}

std::unique_ptr<tvelmor_panel> tdfmelement_panel::create_control() const {
    auto p = std::make_unique<tvelmor_panel>();
    p->tag = Tag;
    p->tag_parent = parent ? parent->Tag : 0;
    p->visible = visible;
    p->enabled = enabled;
    p->focus_order = focus_order;
    p->panel_options = enum_set_from_bits<tvelmor_panel_option>(panel_options);
    p->calculated_viewports = calculated_viewports;
    return p;
}

void tdfmelement_panel::add_child(std::unique_ptr<tdfm_component> achild) {
    if (!dynamic_cast<tdfmelement_base*>(achild.get()))
        throw tvelmor_exception("%s cannot hold %s in %s.add_child();", Name, achild->class_name(), class_name());
    tdfm_component::add_child(std::move(achild));
}

// ---- Viewport and align entries ----

const tclass_info& tdfmelement_align::static_class() {
    static const tproperty_info props[] = {
        prop<&tdfmelement_align::index_parent>("index_parent"),
        prop_enum<&tdfmelement_align::align>("align", align_names),
        prop<&tdfmelement_align::margins_left>("margins_left"),
        prop<&tdfmelement_align::margins_top>("margins_top"),
        prop<&tdfmelement_align::margins_right>("margins_right"),
        prop<&tdfmelement_align::margins_bottom>("margins_bottom"),
        prop<&tdfmelement_align::dimension>("dimension"),
        prop<&tdfmelement_align::skip>("skip"),
    };
    static const tclass_info info("tdfmelement_align", &tdfm_component::static_class(), factory_of<tdfmelement_align>,
                                  props);
    return info;
}

const tclass_info& tdfmelement_viewport::static_class() {
    static const tproperty_info props[] = {
        prop<&tdfmelement_viewport::tag_control_parent>("tag_control_parent"),
        prop<&tdfmelement_viewport::tag_control_first>("tag_control_first"),
    };
    static const tclass_info info("tdfmelement_viewport", &tdfm_component::static_class(),
                                  factory_of<tdfmelement_viewport>, props);
    return info;
}

void tdfmelement_viewport::add_child(std::unique_ptr<tdfm_component> achild) {
    if (!dynamic_cast<tdfmelement_align*>(achild.get()))
        throw tvelmor_exception("%s cannot hold %s in %s.add_child();", Name, achild->class_name(), class_name());
    tdfm_component::add_child(std::move(achild));
}

std::unique_ptr<tvelmor_viewport2> tdfmelement_viewport::create_control() const {
    auto v = std::make_unique<tvelmor_viewport2>();
    v->tag = Tag;
    v->tag_control_first = tag_control_first;
    v->tag_control_parent = tag_control_parent;
    for (const auto& child : children) {
        const auto& a = static_cast<const tdfmelement_align&>(*child);
        v->add_align(a.index_parent, a.align, a.margins_left, a.margins_top, a.margins_right, a.margins_bottom,
                     a.dimension, a.skip);
    }
    v->finish_adds();
    return v;
}

// ---- Control declaration bases ----

const tclass_info& tdfmelement_base::static_class() {
    static const tproperty_info props[] = {
        prop<&tdfmelement_base::tag_theme>("tag_theme"),
        prop<&tdfmelement_base::visible>("visible").def(1),
    };
    static const tclass_info info("tdfmelement_base", &tdfm_component::static_class(), nullptr, props);
    return info;
}

int32_t tdfmelement_base::panel_tag() const {
    auto* panel = dynamic_cast<const tdfmelement_panel*>(parent_component);
    return panel ? panel->Tag : 0;
}

std::unique_ptr<tvelmor_control> tdfmelement_base::make_control(icontrols_owner*) const {
    throw tvelmor_exception("%s.create_control( %s ) not implemented.", class_name(), dfmelement_type_name(kind()));
}

std::unique_ptr<tvelmor_control> tdfmelement_base::create_control(icontrols_owner* aowner) const {
    std::unique_ptr<tvelmor_control> c = make_control(aowner);
    c->tag = Tag;
    c->tag_panel = panel_tag();
    c->tag_theme = tag_theme;
    c->visible = visible;
    if (auto* f = dynamic_cast<tvelmor_control_focusable*>(c.get()))
        if (auto* d = dynamic_cast<const tdfmelement_focusable*>(this)) f->focus_order = d->focus_order;
    return c;
}

const tclass_info& tdfmelement_focusable::static_class() {
    static const tproperty_info props[] = {prop<&tdfmelement_focusable::focus_order>("focus_order")};
    static const tclass_info info("tdfmelement_focusable", &tdfmelement_base::static_class(), nullptr, props);
    return info;
}

const tclass_info& tdfmelement_button::static_class() {
    static const tproperty_info props[] = {prop<&tdfmelement_button::enabled>("enabled").def(1)};
    static const tclass_info info("tdfmelement_button", &tdfmelement_focusable::static_class(), nullptr, props);
    return info;
}
