// The container's dispatch of drawing, keys, mouse and header refreshes, and its debug dumps.
#include <fstream>

#include "controls/container_controls.h"
#include "controls/control_kinds.h"
#include "controls/controllers.h"
#include "controls/controls_owner.h"
#include "controls/grid_controls.h"
#include "controls/text_controls.h"
#include "procs/message_format.h"

namespace {

template <typename T>
T* theme_as(tvelmor_theme* atheme, const tvelmor_control& acontrol, const char* acontainer) {
    auto* t = dynamic_cast<T*>(atheme);
    if (!t || !t->classrender)
        throw tvelmor_exception("Invalid %s theme in %s.draw_control( %d );", atheme->class_name(), acontainer,
                                acontrol.tag);
    return t;
}

}  // namespace

void tcontainer_controls2::draw_control(tcanvas& acanvas, int32_t& afont_tag, tvelmor_control* acontrol) {
    draw_control_tagged(acanvas, afont_tag, acontrol, acontrol ? acontrol->tag : 0);
}

void tcontainer_controls2::draw_control(tcanvas& acanvas, int32_t& afont_tag, int32_t atag) {
    draw_control_tagged(acanvas, afont_tag, get_control(atag), atag);
}

void tcontainer_controls2::draw_control_tagged(tcanvas& acanvas, int32_t& afont_tag, tvelmor_control* acontrol,
                                               int32_t atag) {
    if (!acontrol) throw tvelmor_exception("Unassigned control in %s.draw_control( %d );", class_name(), atag);
    // A control of a hidden panel (a tab not shown) would paint over the panel shown in its place.
    if (!acontrol->visible || !is_panel_shown(acontrol->tag_panel)) return;
    if (acontrol->id == ac_icon) {
        auto& icon = static_cast<tvelmor_icon&>(*acontrol);
        trect r = rect_of(icon.tag);
        if (icon.erase) {
            acanvas.set_brush_style(tbrush_style::bs_solid);
            acanvas.set_brush_color(color_page_background);
            acanvas.fill_rect(r);
        }
        acanvas.draw_icon(icon.icon_set, r.left, r.top, icon.icon, true);
    } else if (acontrol->id == ac_paintbox) {
        if (owner) owner->control_paint(acontrol, nullptr, rect_of(acontrol->tag), -1, -1);
    } else {
        draw_themed(acanvas, afont_tag, *acontrol);
    }
}

void tcontainer_controls2::draw_themed(tcanvas& acanvas, int32_t& afont_tag, tvelmor_control& c) {
    tvelmor_theme* theme = find_theme(c);
    if (!theme)
        throw tvelmor_exception("Unassigned theme in %s.draw_control( %d, %s );", class_name(), c.tag, c.class_name());
    trect r = rect_of(c.tag);
    const char* me = class_name();
    switch (c.id) {
    case ac_grid:
    case ac_dbgrid:
    case ac_grid_controls: {
        auto* t = theme_as<tvelmor_theme_grid_brief>(theme, c, me);
        t->classrender->draw_grid(afont_tag, acanvas, static_cast<tvelmor_customgrid&>(c), t, r);
        break;
    }
    case ac_label:
    case ac_labelvalue: {
        auto* t = theme_as<tvelmor_theme_label>(theme, c, me);
        t->classrender->draw_label(acanvas, afont_tag, r, static_cast<tvelmor_customlabel&>(c), t);
        break;
    }
    case ac_button: {
        auto* t = theme_as<tvelmor_theme_button>(theme, c, me);
        t->classrender->draw_button(acanvas, afont_tag, t, static_cast<tvelmor_button&>(c), r);
        break;
    }
    case ac_bevel: {
        auto* t = theme_as<tvelmor_theme_bevel>(theme, c, me);
        t->classrender->draw_bevel(acanvas, static_cast<tvelmor_bevel&>(c), t, r, false);
        break;
    }
    case ac_edit: {
        auto* t = theme_as<tvelmor_theme_edit>(theme, c, me);
        t->classrender->draw_edit(acanvas, afont_tag, static_cast<tvelmor_edit&>(c), r, t);
        break;
    }
    case ac_memo: {
        auto* t = theme_as<tvelmor_theme_memo>(theme, c, me);
        t->classrender->draw_memo(afont_tag, acanvas, static_cast<tvelmor_memo&>(c), t, r);
        break;
    }
    case ac_combobox: {
        auto* t = theme_as<tvelmor_theme_combobox>(theme, c, me);
        t->classrender->draw_combobox(acanvas, afont_tag, static_cast<tvelmor_combobox&>(c), r, t);
        break;
    }
    case ac_scrollbar: {
        auto* t = theme_as<tvelmor_theme_scrollbar>(theme, c, me);
        t->classrender->draw_scrollbar(acanvas, r, static_cast<tvelmor_scrollbar&>(c), t);
        break;
    }
    case ac_checkbox: {
        auto* t = theme_as<tvelmor_theme_checkbox>(theme, c, me);
        t->classrender->draw_checkbox(acanvas, r, static_cast<tvelmor_checkbox&>(c), t);
        break;
    }
    default: break;
    }
}

void tcontainer_controls2::draw_controls(tcanvas& acanvas, int32_t& afont_tag) {
    // A walk of its own: a handler may draw while another walk (a click) is under way.
    tvelmor_iterate_panels panels(box_panels);
    for (panels.first(); !panels.eof(); panels.next()) {
        if (panels.item()->visible) draw_panel_controls(acanvas, afont_tag, panels.tag());
    }
}

void tcontainer_controls2::draw_panel_controls(tcanvas& acanvas, int32_t& afont_tag, int32_t atag_panel) {
    tcontrol_box* box = box_controls.get_item(atag_panel);
    box->for_each([&](tvelmor_control* c) { draw_control(acanvas, afont_tag, c); });
}

void tcontainer_controls2::draw_controls(tcanvas& acanvas, int32_t& afont_tag, icontrols_iterator& alist_controls) {
    for (alist_controls.first(); !alist_controls.eof(); alist_controls.next())
        draw_control(acanvas, afont_tag, alist_controls.item());
}

void tcontainer_controls2::draw_control_specific(tcanvas&, int32_t&, int32_t atag, tdraw_type adraw_type,
                                                 int32_t avalue) {
    tvelmor_control* c = get_control(atag);
    if (adraw_type != dt_grid_from_row || !c || c->id != ac_grid)
        throw tvelmor_exception("drawtype %d not supported in %s.draw_control_specific();",
                                static_cast<int32_t>(adraw_type), class_name());
    tvelmor_theme* theme = find_theme(*c);
    if (!theme)
        throw tvelmor_exception("Unassigned theme in %s.draw_control( %d, %s );", class_name(), c->tag, c->class_name());
    auto* t = theme_as<tvelmor_theme_grid_brief>(theme, *c, class_name());
    t->classrender->draw_rows(static_cast<tvelmor_customgrid&>(*c), t, rect_of(atag), avalue);
}

// ---- Keys and mouse ----

bool tcontainer_controls2::send_key(int32_t atag, tcanvas& acanvas, int32_t& afont_tag, bool as_readonly,
                                    uint16_t akey, tshift_state ashift, bool as_keyup) {
    tvelmor_control* c = get_control(atag);
    if (!c) throw tvelmor_exception("Unassigned control in %s.send_key( %d );", class_name(), atag);
    trect r = rect_of(atag);
    tvelmor_theme* theme = find_theme(*c);
    switch (c->id) {
    case ac_grid:
        return !as_keyup && tvelmor_controller_grid::handle_keydown(static_cast<tvelmor_grid&>(*c), theme, r, akey, ashift);
    case ac_grid_controls:
        return !as_keyup && tvelmor_controller_grid_controls::handle_keydown(static_cast<tvelmor_grid_controls&>(*c),
                                                                            theme, r, akey, ashift);
    case ac_dbgrid:
        // The data grid's controller takes no key-up flag, so key-ups are kept from it.
        return !as_keyup && tvelmor_controller_dbgrid::handle_keydown(acanvas, afont_tag, static_cast<tvelmor_dbgrid&>(*c),
                                                                     theme, r, akey, ashift);
    case ac_button:
        return tvelmor_controller_button::handle_keydown(acanvas, afont_tag, theme, static_cast<tvelmor_button&>(*c), r,
                                                        akey, ashift, as_keyup);
    case ac_edit: {
        auto& edit = static_cast<tvelmor_edit&>(*c);
        return tvelmor_controller_edit::handle_keydown(acanvas, afont_tag, edit, r, as_readonly, akey, ashift, as_keyup,
                                                      theme, validator_of(edit.header, edit.fieldno));
    }
    case ac_memo: {
        auto& memo = static_cast<tvelmor_memo&>(*c);
        return tvelmor_controller_memo::handle_keydown(afont_tag, acanvas, memo, theme, r, as_readonly, akey, ashift,
                                                      as_keyup, validator_of(memo.header, memo.fieldno));
    }
    case ac_combobox:
        return tvelmor_controller_combobox::handle_keydown(acanvas, afont_tag, static_cast<tvelmor_combobox&>(*c), theme,
                                                          r, as_readonly, akey, ashift, as_keyup);
    case ac_checkbox:
        return tvelmor_controller_checkbox::handle_keydown(acanvas, afont_tag, static_cast<tvelmor_checkbox&>(*c), theme,
                                                          r, as_readonly, akey, ashift, as_keyup);
    default: return false;
    }
}

tvalidator_generic* tcontainer_controls2::validator_of(int32_t aheader, int16_t afieldno) {
    tvelmor_miscobject* m = aheader != 0 ? get_miscobject(aheader) : nullptr;
    return m ? m->get_validator(afieldno) : nullptr;
}

bool tcontainer_controls2::send_character(int32_t atag, tcanvas& acanvas, int32_t& afont_tag, bool as_readonly,
                                          char16_t ach) {
    tvelmor_control* c = get_control(atag);
    if (!c) throw tvelmor_exception("Unassigned control in %s.send_character( %d );", class_name(), atag);
    if (c->id == ac_edit) {
        auto& edit = static_cast<tvelmor_edit&>(*c);
        return tvelmor_controller_edit::handle_character(acanvas, afont_tag, edit, rect_of(atag), as_readonly, ach,
                                                         find_theme(*c), validator_of(edit.header, edit.fieldno));
    }
    if (c->id == ac_memo) {
        auto& memo = static_cast<tvelmor_memo&>(*c);
        return tvelmor_controller_memo::handle_character(afont_tag, acanvas, memo, find_theme(*c), rect_of(atag),
                                                         as_readonly, ach, validator_of(memo.header, memo.fieldno));
    }
    return false;
}

bool tcontainer_controls2::offer_mousedown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_control& c, int32_t ax,
                                           int32_t ay, bool as_mouseup) {
    if (c.id == ac_grid) {
        auto& grid = static_cast<tvelmor_grid&>(c);
        // A grid out of the focus order (-1) is still clicked.
        if (grid.focus_order < -1 || !grid.enabled) return false;
        return tvelmor_controller_grid::handle_mousedown(grid, find_theme(c), rect_of(c.tag), ax, ay);
    }
    if (c.id == ac_button)
        return tvelmor_controller_button::handle_mousedown(acanvas, afont_tag, find_theme(c),
                                                           static_cast<tvelmor_button&>(c), rect_of(c.tag), ax, ay,
                                                           as_mouseup);
    return false;
}

bool tcontainer_controls2::handle_mousedown(tcanvas& acanvas, int32_t& afont_tag, tmouse_button, tshift_state,
                                            int32_t ax, int32_t ay, bool as_mouseup) {
    tvelmor_iterate_panels panels(box_panels);
    for (panels.first(); !panels.eof(); panels.next()) {
        tvelmor_panel* p = panels.item();
        if (!p->visible || !p->enabled) continue;
        // A used click may have left the page (a button's 1103), freeing this container: the walk
        // stops at once and nothing of it is touched again.
        if (box_controls.get_item(p->tag)->any_of([&](tvelmor_control* c) {
                return c->visible && offer_mousedown(acanvas, afont_tag, *c, ax, ay, as_mouseup);
            }))
            return true;
    }
    return false;
}

bool tcontainer_controls2::handle_mousemove(tcanvas& acanvas, int32_t& afont_tag, tshift_state, int32_t ax,
                                            int32_t ay) {
    bool used = false;
    tvelmor_iterate_panels panels(box_panels);
    for (panels.first(); !panels.eof(); panels.next()) {
        tvelmor_panel* p = panels.item();
        if (!p->visible) continue;
        box_controls.get_item(p->tag)->for_each([&](tvelmor_control* c) {
            if (c->visible && c->id == ac_button)
                used |= tvelmor_controller_button::handle_mousemove(acanvas, afont_tag, find_theme(*c),
                                                                    static_cast<tvelmor_button&>(*c), rect_of(c->tag),
                                                                    ax, ay);
        });
    }
    return used;
}

// ---- Header controls ----

namespace {

// The misc object a control shows, for the kinds that are refreshed from it; -1 for the others.
int32_t refreshed_header(const tvelmor_control& acontrol) {
    switch (acontrol.id) {
    case ac_label: return static_cast<const tvelmor_label&>(acontrol).header;
    case ac_edit: return static_cast<const tvelmor_edit&>(acontrol).header;
    case ac_memo: return static_cast<const tvelmor_memo&>(acontrol).header;
    // A combo box's header is its list of choices; its value lives in header2.
    case ac_combobox: return static_cast<const tvelmor_combobox&>(acontrol).header2;
    case ac_checkbox: return static_cast<const tvelmor_checkbox&>(acontrol).header;
    default: return -1;
    }
}

}  // namespace

void tcontainer_controls2::update_header_controls(int32_t aheader, int32_t atag) {
    tvelmor_miscobject* m = get_miscobject(aheader);
    if (!m) return;
    auto refresh = [&](tvelmor_control* c) {
        if (c && refreshed_header(*c) == aheader) m->update_control(c);
    };
    if (atag != -1) {
        refresh(get_control(atag));
    } else {
        for_each_control(refresh);
    }
}

// ---- Debug dumps ----

std::string tcontainer_controls2::get_debug_text() const {
    std::string text;
    add_dump_line(text, tprocs_message::format("%s: panels", {class_name()}));
    box_panels.for_each([&](tvelmor_panel* p) {
        add_dump_line(text, tprocs_message::format("panel %d parent %d children %d visible %d enabled %d focus_order %d",
                                                   {p->tag, p->tag_parent, p->count_children, p->visible, p->enabled,
                                                    p->focus_order}));
    });
    add_dump_line(text, "viewports");
    box_viewports.for_each([&](tvelmor_viewport2* v) {
        add_dump_line(text, tprocs_message::format("viewport %d first %d parent %d",
                                                   {v->tag, v->tag_control_first, v->tag_control_parent}));
        for (int32_t i = 0; i < v->count(); ++i) v->get_debug_line(text, i);
    });
    add_dump_line(text, "controls");
    box_controls.for_each([&](tcontrol_box* box) { box->for_each([&](tvelmor_control* c) { c->save_as_text(text); }); });
    add_dump_line(text, "themes");
    box_themes.for_each([&](tvelmor_theme* t) { t->save_as_text(text); });
    add_dump_line(text, "misc objects");
    box_miscobjects.for_each([&](tvelmor_miscobject* m) {
        try {
            m->get_debug_text(text);
        } catch (const tvelmor_exception&) {
            add_dump_line(text, tprocs_message::format("%s tag = %d.", {m->class_name(), m->tag}));
        }
    });
    return text;
}

void tcontainer_controls2::show_debug101() {
    if (owner) owner->show_debug_text(get_debug_text());
}

void tcontainer_controls2::save_to_file(const std::string& afilename) {
    std::ofstream out(afilename, std::ios::binary);
    out << get_debug_text();
    if (!out) throw tvelmor_exception("Cannot write %s in %s.save_to_file();", afilename, class_name());
}
