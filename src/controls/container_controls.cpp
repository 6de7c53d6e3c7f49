#include "controls/container_controls.h"

#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/controls_owner.h"
#include "controls/grid_controls.h"
#include "controls/procs_velmor.h"
#include "controls/surface.h"
#include "controls/text_controls.h"

tcontainer_controls2::tcontainer_controls2(icontrols_owner* aowner)
    : owner(aowner), box_values(true), box_miscobjects(true), iterate_panels(box_panels) {}

tcontainer_controls2::~tcontainer_controls2() = default;

// ---- Loading ----

void tcontainer_controls2::add_element(std::unique_ptr<tvelmor_object> aobject) {
    if (auto* panel = dynamic_cast<tvelmor_panel*>(aobject.get())) {
        aobject.release();
        box_panels.add(panel->tag, std::unique_ptr<tvelmor_panel>(panel));
    } else if (auto* viewport = dynamic_cast<tvelmor_viewport2*>(aobject.get())) {
        aobject.release();
        box_viewports.add(viewport->tag, std::unique_ptr<tvelmor_viewport2>(viewport));
    } else if (auto* theme = dynamic_cast<tvelmor_theme*>(aobject.get())) {
        aobject.release();
        box_themes.add(theme->tag_theme, std::unique_ptr<tvelmor_theme>(theme));
    } else if (auto* misc = dynamic_cast<tvelmor_miscobject*>(aobject.get())) {
        aobject.release();
        box_miscobjects.add(misc->tag, std::unique_ptr<tvelmor_miscobject>(misc));
    } else {
        throw tvelmor_exception("%s.add_element( %s ); not implemented.", class_name(),
                                aobject ? aobject->class_name() : "NIL");
    }
}

void tcontainer_controls2::add_value(std::unique_ptr<tvalueelement_generic> avalue) {
    int32_t tag = avalue->tag();
    box_values.add(tag, std::move(avalue));
}

tvalueelement_generic* tcontainer_controls2::get_value(int32_t atag) {
    return box_values.finalized() ? box_values.get_item(atag) : nullptr;
}

void tcontainer_controls2::add_miscobject(std::unique_ptr<tvelmor_miscobject> amiscobject) {
    int32_t tag = amiscobject->tag;
    box_miscobjects.add(tag, std::move(amiscobject));
}

void tcontainer_controls2::add_control(std::unique_ptr<tvelmor_control> acontrol) {
    tcontrol_box* box = box_controls.get_item(acontrol->tag_panel);
    int32_t tag = acontrol->tag;
    box->add(tag, std::move(acontrol));
}

void tcontainer_controls2::finish_adds(int32_t astageno) {
    if (astageno == 1) {
        finish_stage1();
    } else if (astageno == 2) {
        finish_stage2();
    } else {
        throw tvelmor_exception("%s.finish_adds( %d ); not implemented.", class_name(), astageno);
    }
}

void tcontainer_controls2::finish_stage1() {
    box_panels.finish_adds();
    box_viewports.finish_adds();
    box_themes.finish_adds();
    box_values.finish_adds();
    box_miscobjects.finish_adds();
    box_panels.for_each([&](tvelmor_panel* p) {
        if (p->tag_parent != 0) box_panels.get_item(p->tag_parent)->add_child(p->tag);
    });
    box_panels.for_each([](tvelmor_panel* p) { p->finish_adds(); });
    box_viewports.for_each([](tvelmor_viewport2* v) { v->finish_adds(); });
    mintag_viewport = -1;
    if (!box_viewports.empty()) mintag_viewport = box_viewports.get_item(box_viewports.index_first())->tag_control_first / 100;
    if (!box_panels.empty()) {
        for (int32_t t = box_panels.index_first(); t <= box_panels.index_last(); ++t)
            box_controls.add(t, std::make_unique<tcontrol_box>(true));
    }
    box_controls.finish_adds();
}

void tcontainer_controls2::finish_stage2() {
    box_controls.for_each([](tcontrol_box* box) { box->finish_adds(); });
    mintag_control = box_panels.empty() ? -1 : box_panels.index_first() % 100;
    check_tag_ranges();
    bool screenparams_found = false, menuitems_found = false;
    box_miscobjects.for_each([&](tvelmor_miscobject* m) {
        if (m->id == am_screenparams && !screenparams_found) {
            tag_screenparams = m->tag;
            screenparams_found = true;
        } else if (m->id == am_menuitems && !menuitems_found) {
            tag_menuitems = m->tag;
            menuitems_found = true;
        }
    });
}

// Each panel's controls lie in one hundred; the first panel that holds any sets the hundred,
// and every later panel (empty ones included) moves it on by one.
void tcontainer_controls2::check_tag_ranges() const {
    if (box_controls.empty()) return;
    bool started = false;
    int32_t lower = 0, upper = 0;
    for (int32_t t = box_controls.index_first(); t <= box_controls.index_last(); ++t) {
        const tcontrol_box* box = box_controls.get_item(t);
        if (!started && !box->empty()) {
            int32_t first = box->index_first();
            lower = first - first % 100;
            upper = lower + 99;
            started = true;
        }
        if (!started) continue;
        box->for_each([&](tvelmor_control* c) {
            if (c->tag < lower || c->tag > upper)
                throw tvelmor_exception("Control[%d][%d] tag %d violates range %d - %d in %s.finish_adds();", t, c->tag,
                                        c->tag, lower, upper, c->class_name());
        });
        lower += 100;
        upper += 100;
    }
}

// ---- Lookups ----

int32_t tcontainer_controls2::panel_tag_of(int32_t atag) const {
    return box_panels.index_first() + atag / 100 - mintag_control;
}

bool tcontainer_controls2::is_panel_shown(int32_t atag_panel) const {
    // A parent chain is short; the step count only guards against a loop in a bad declaration.
    for (int32_t tag = atag_panel, steps = 0; tag != 0 && steps < 64; ++steps) {
        const tvelmor_panel* panel = box_panels.finalized() ? box_panels.get_item2(tag, true) : nullptr;
        if (!panel) return true;
        if (!panel->visible) return false;
        tag = panel->tag_parent;
    }
    return true;
}

tvelmor_control* tcontainer_controls2::get_control(int32_t atag) {
    if (box_panels.empty() || !box_controls.finalized()) return nullptr;
    int32_t k = atag / 100 - mintag_control;
    if (k < 0 || k >= box_controls.get_count()) return nullptr;
    tcontrol_box* box = box_controls.get_item(box_panels.index_first() + k);
    return box && box->finalized() ? box->get_item(atag) : nullptr;
}

tvelmor_panel* tcontainer_controls2::get_panel(int32_t atag) { return box_panels.get_item(atag); }

void tcontainer_controls2::get_viewport(int32_t atag, trect& arect) {
    // Without any viewport the panel is found the way get_control finds it.
    int32_t vtag = box_viewports.empty() ? panel_tag_of(atag)
                                         : atag / 100 + box_viewports.index_first() - mintag_viewport;
    if (tvelmor_viewport2* viewport = box_viewports.get_item2(vtag, true)) {
        viewport->get_rect_value(arect, atag);
        return;
    }
    tvelmor_panel* panel = box_panels.finalized() ? box_panels.get_item2(vtag, true) : nullptr;
    if (!panel || !panel->calculated_viewports)
        throw tvelmor_exception("Read on unassigned viewport[%d] in %s.get_viewport();", atag, class_name());
    if (owner) owner->callback_message(&arect, atag, tmsg_code::control_rect);
}

trect tcontainer_controls2::rect_of(int32_t atag) {
    trect r;
    get_viewport(atag, r);
    return r;
}

tvelmor_theme* tcontainer_controls2::get_theme(const tvelmor_control* acontrol) {
    return get_theme_by_tag(acontrol->tag_theme);
}

tvelmor_theme* tcontainer_controls2::get_theme(int32_t atag) {
    tvelmor_control* c = get_control(atag);
    return c ? get_theme(c) : nullptr;
}

// A theme tag outside the page's themes (0 included) names no theme.
tvelmor_theme* tcontainer_controls2::get_theme_by_tag(int32_t atag_theme) {
    return box_themes.finalized() ? box_themes.get_item2(atag_theme, true) : nullptr;
}

tvelmor_theme* tcontainer_controls2::find_theme(const tvelmor_control& acontrol) const {
    return box_themes.finalized() ? box_themes.get_item2(acontrol.tag_theme, true) : nullptr;
}

tvelmor_miscobject* tcontainer_controls2::get_miscobject(int32_t atag) {
    tvelmor_miscobject* m = box_miscobjects.finalized() ? box_miscobjects.get_item(atag) : nullptr;
    if (!m && owner) m = owner->get_miscobject(atag);
    return m;
}

void tcontainer_controls2::themes_exchange(int32_t atag1, int32_t atag2) {
    box_themes.exchange(atag1, atag2);
    // The themes take the tag of the slot they now fill, so dumps and lookups agree.
    for (int32_t t : {atag1, atag2})
        if (tvelmor_theme* theme = box_themes.get_item(t)) theme->tag_theme = t;
}

// ---- Iterators ----

std::unique_ptr<icontrols_iterator> tcontainer_controls2::create_interface(int32_t ainterfaceno) {
    if (ainterfaceno == 101) return std::make_unique<tinterface_controls_list>(box_panels, box_controls);
    return std::make_unique<tinterface_controls_empty>();
}

std::unique_ptr<icontrols_iterator> tcontainer_controls2::create_interface_iterate(int32_t ainterfaceno,
                                                                                   int32_t atag_panel,
                                                                                   tvelmor_control_types atypes,
                                                                                   tvelmor_iterate_options aoptions) {
    if (ainterfaceno == 102) return std::make_unique<tinterface_controls_list_panel>(box_controls, atag_panel, atypes);
    if (ainterfaceno == 103)
        return std::make_unique<tinterface_controls_list_panel2>(box_panels, box_controls, atag_panel, atypes,
                                                                 aoptions);
    return std::make_unique<tinterface_controls_empty>();
}

// ---- Focus ----

tvelmor_focus_order tcontainer_controls2::can_get_next_focus(int32_t& atag_next, int32_t atag) {
    tvelmor_control* c = atag != 0 ? get_control(atag) : nullptr;
    auto* f = dynamic_cast<tvelmor_control_focusable*>(c);
    int32_t order_from = f ? f->focus_order : -1;
    auto list = c ? create_interface_iterate(102, c->tag_panel, {}) : create_interface(101);
    return tprocs_velmor::get_next_focus_control(atag_next, *list, order_from);
}

bool tcontainer_controls2::can_get_prior_focus(int32_t& atag_next, int32_t atag) {
    tvelmor_control* c = atag != 0 ? get_control(atag) : nullptr;
    auto* f = dynamic_cast<tvelmor_control_focusable*>(c);
    int32_t order_from = f ? f->focus_order : -1;
    auto list = c ? create_interface_iterate(102, c->tag_panel, {}) : create_interface(101);
    return tprocs_velmor::get_prior_focus_control(atag_next, *list, order_from);
}

tvelmor_focus_order tcontainer_controls2::can_get_next_focus_panel(int32_t& atag_next, int32_t atag) {
    int32_t order_from = -1;
    if (atag != 0 && !box_panels.empty()) {
        if (tvelmor_panel* p = box_panels.get_item2(panel_tag_of(atag), true)) order_from = p->focus_order;
    }
    int32_t tag_panel = 0;
    tvelmor_iterate_panels panels(box_panels);
    if (!tprocs_velmor::get_next_focus_panel(tag_panel, panels, order_from)) return fo_none;
    auto list = create_interface_iterate(102, tag_panel, {});
    return tprocs_velmor::get_next_focus_control(atag_next, *list, -1);
}

bool tcontainer_controls2::focus_control(int32_t atag, bool avalue) {
    tvelmor_control* c = get_control(atag);
    if (!c) throw tvelmor_exception("Unassigned control in %s.focus_control( %d );", class_name(), atag);
    auto* f = dynamic_cast<tvelmor_control_focusable*>(c);
    if (!f)
        throw tvelmor_exception("Attempt to focus non focusable control in %s.focus_control( %d; %s );", class_name(),
                                atag, c->class_name());
    bool result = !avalue || f->focus_order != -1;
    if (result) f->set_focused(avalue);
    return result;
}

// ---- Layout ----

tvelmor_viewport2* tcontainer_controls2::viewport_of(int32_t atag, const char* aoperation) {
    int32_t vtag = atag / 100 + box_viewports.index_first() - mintag_viewport;
    tvelmor_viewport2* v = box_viewports.empty() ? nullptr : box_viewports.get_item2(vtag, true);
    if (!v) {
        std::string format = std::string("Read on unassigned viewport[%d] in %s.") + aoperation + "();";
        throw tvelmor_exception(format.c_str(), atag, class_name());
    }
    return v;
}

void tcontainer_controls2::set_viewport_skip(int32_t atag, bool avalue) {
    viewport_of(atag, "set_viewport_skip")->set_skip(atag, avalue);
}

void tcontainer_controls2::recalculate_viewports_from(int32_t atag) {
    viewport_of(atag, "recalculate_viewports_from")->recalculate_rect_values_from(atag);
}

bool tcontainer_controls2::set_align_value(int32_t atag, tparams_align aparam, int32_t avalue) {
    return viewport_of(atag, "set_align_value")->set_align_value(atag, aparam, avalue);
}

void tcontainer_controls2::get_panel_viewport(int32_t atag, trect& arect) {
    get_viewport(box_viewports.get_item(atag)->tag_control_parent, arect);
}

void tcontainer_controls2::calculate_viewports(int32_t& afont_tag, tcanvas& acanvas, const trect& arect) {
    bool first = true;
    box_viewports.for_each([&](tvelmor_viewport2* v) {
        v->calculate_rect_values(first ? arect : rect_of(v->tag_control_parent));
        first = false;
    });
    has_calculate_viewports = true;
    adapt_to_layout(afont_tag, acanvas);
}

// Grids recount their visible rows and visible memos re-wrap for their new rectangles.
void tcontainer_controls2::adapt_to_layout(int32_t& afont_tag, tcanvas& acanvas) {
    for_each_control([&](tvelmor_control* c) {
        tvelmor_theme* theme = find_theme(*c);
        if (!theme) return;
        if (c->id == ac_grid || c->id == ac_dbgrid || c->id == ac_grid_controls) {
            auto* t = dynamic_cast<tvelmor_theme_grid_brief*>(theme);
            if (t && t->classrender)
                t->classrender->set_visible_rowcount(static_cast<tvelmor_customgrid&>(*c), rect_of(c->tag));
        } else if (c->id == ac_memo && c->visible) {
            auto* t = dynamic_cast<tvelmor_theme_memo*>(theme);
            if (t && t->classrender)
                t->classrender->handle_resize(afont_tag, acanvas, static_cast<tvelmor_memo&>(*c), t, rect_of(c->tag));
        }
    });
}

// ---- Services ----

bool tcontainer_controls2::execute_control_service(void* aparams, tcontrol_service aservice, int32_t atag) {
    switch (aservice) {
    case cs_get_grid_maximum_visible_rowcount: return service_grid_rowcount(aparams, atag);
    case cs_can_get_next_focus: return service_next_focus(aparams, atag);
    case cs_can_get_prior_focus: return can_get_prior_focus(*static_cast<int32_t*>(aparams), atag);
    case cs_focus_control: return focus_control(atag, *static_cast<bool*>(aparams));
    case cs_can_get_next_focus_panel:
        return can_get_next_focus_panel(*static_cast<int32_t*>(aparams), atag) != fo_none;
    case cs_redraw_scrollbar_position: {
        tvelmor_control* c = get_control(atag);
        auto* theme = c ? dynamic_cast<tvelmor_theme_scrollbar*>(find_theme(*c)) : nullptr;
        tgraphbox_generic* surface = owner ? owner->get_graphbox() : nullptr;
        if (theme && theme->classrender && surface && surface->get_canvas()) {
            const auto& p = *static_cast<tscrollbar_redraw_params*>(aparams);
            theme->classrender->redraw_scrollbar_position(*surface->get_canvas(), rect_of(atag), p.range,
                                                          p.position_old, p.position_new);
        }
        return false;
    }
    }
    throw tvelmor_exception("%s.execute_control_service( %d ); not implemented.", class_name(),
                            static_cast<int32_t>(aservice));
}

bool tcontainer_controls2::service_grid_rowcount(void* aparams, int32_t atag) {
    tvelmor_control* c = get_control(atag);
    auto* grid = dynamic_cast<tvelmor_customgrid*>(c);
    if (!grid)
        throw tvelmor_exception(
            "Invalid %s control in %s.execute_control_service( cs_get_grid_maximum_visible_rowcount );",
            c ? c->class_name() : "NIL", class_name());
    tvelmor_theme* theme = find_theme(*grid);
    auto* grid_theme = dynamic_cast<tvelmor_theme_grid*>(theme);
    if (!grid_theme)
        throw tvelmor_exception(
            "Invalid %s theme in %s.execute_control_service( cs_get_grid_maximum_visible_rowcount );",
            theme ? theme->class_name() : "NIL", class_name());
    *static_cast<int32_t*>(aparams) = grid_theme->classrender->get_maximum_visible_rowcount(*grid, rect_of(atag));
    return true;
}

// When the focus would wrap within a panel that hands focus on, it goes to the next panel.
bool tcontainer_controls2::service_next_focus(void* aparams, int32_t atag) {
    int32_t& tag_next = *static_cast<int32_t*>(aparams);
    tvelmor_focus_order r = can_get_next_focus(tag_next, atag);
    if (r != fo_greaterthan) {
        tvelmor_control* c = get_control(atag);
        tvelmor_panel* panel = c ? box_panels.get_item2(c->tag_panel, true) : nullptr;
        if (panel && panel->panel_options.contains(po_focus_next_panel)) r = can_get_next_focus_panel(tag_next, atag);
    }
    return r != fo_none;
}
