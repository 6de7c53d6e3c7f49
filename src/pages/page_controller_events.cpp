// The controller's event routing and overlays.
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/miscobject_textlines.h"
#include "pages/handlermodule_menu.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"

void tpage_controller_generic::retire_closed() {
    fhandlers_ontop_closed.clear();
    fhandlers_main_closed.clear();
}

Thandlermodule_page* tpage_controller_generic::key_target() const {
    if (fhandler_ontop) return fhandler_ontop.get();
    return fhandler_main.get();
}

bool tpage_controller_generic::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (fbusy) return true;
    retire_closed();
    Thandlermodule_page* target = key_target();
    const bool used = target && target->handle_keydown(akey, ashift, as_keyup);
    retire_closed();
    return used;
}

bool tpage_controller_generic::handle_character(char16_t ach) {
    if (fbusy) return true;
    retire_closed();
    Thandlermodule_page* target = key_target();
    const bool used = target && target->handle_character(ach);
    retire_closed();
    return used;
}

void tpage_controller_generic::handle_mousedown(int32_t atag, tmouse_button abutton, tshift_state ashift, int32_t ax,
                                                int32_t ay, bool as_mouseup) {
    if (fbusy) return;
    if (Thandlermodule_page* handler = get_handler(atag)) handler->handle_mousedown(abutton, ashift, ax, ay, as_mouseup);
    retire_closed();
}

void tpage_controller_generic::handle_mousemove(int32_t atag, tshift_state ashift, int32_t ax, int32_t ay) {
    if (Thandlermodule_page* handler = get_handler(atag)) handler->handle_mousemove(ashift, ax, ay);
}

void tpage_controller_generic::handle_resize(int32_t atag, bool as_skip_draw) {
    // A surface resized by a page change in progress: the change runs its own resize pass.
    if (flocked) return;
    if (Thandlermodule_page* handler = get_handler(atag)) handler->handle_resize(as_skip_draw);
}

void tpage_controller_generic::handle_paint(int32_t atag) {
    if (Thandlermodule_page* handler = get_handler(atag)) handler->handle_paint();
}

void tpage_controller_generic::handle_windows_message(const twindows_message& amsg) {
    if (fhandler_main) fhandler_main->windows_message(amsg);
    retire_closed();
}

std::unique_ptr<Thandlermodule_ontop> tpage_controller_generic::create_menu(tvelmor_miscobject* atextlines) {
    // A page that switched its menu to an object without entries has no menu to show.
    auto* entries = dynamic_cast<tmiscobject_textlines*>(atextlines);
    if (!entries) return nullptr;
    return std::make_unique<Thandlermodule_menu>(this, Thandlermodule_menu::tag_ontop_menu, entries);
}

void tpage_controller_generic::run_ontop(std::unique_ptr<Thandlermodule_ontop> ahandler) {
    // An open overlay may be the one asking (a dialog opened from a menu): it is freed later.
    if (fhandler_ontop) fhandlers_ontop_closed.push_back(std::move(fhandler_ontop));
    fhandler_ontop = std::move(ahandler);
    Thandlermodule_ontop& ontop = *fhandler_ontop;
    if (ontop.fform) ontop.fform->load_handler(ontop, nullptr);
    ontop.bind_data();
    ontop.once_created();
    const trect bounds = ontop.get_initial_bounds(fgraphboxes->get_clientrect(ht_main));
    tgraphbox_generic& box = *fgraphboxes->get_graphbox(ht_ontop);
    bool size_changed = false;
    box.setbounds(size_changed, bounds);
    box.set_visible(true);
    // Same size: no resize event would follow, so the layout and paint are asked for.
    if (!size_changed) box.post_resize();
}

void tpage_controller_generic::drop_ontop() {
    if (!fhandler_ontop) return;
    fgraphboxes->get_graphbox(ht_ontop)->set_visible(false);
    // The page switch may come from the overlay's own key handling: freed once that has returned.
    fhandlers_ontop_closed.push_back(std::move(fhandler_ontop));
}

void tpage_controller_generic::run_menu(bool as_key) {
    if (!fhandler_main || fhandler_main->fcontrols->tag_menuitems == 0) return;
    if (as_key)
        if (auto* header = dynamic_cast<iheader_settings*>(fhandler_header.get()))
            header->set_header_param(ph_menu_pushed, true, false);
    tvelmor_miscobject* lines = fhandler_main->fcontrols->get_miscobject(fhandler_main->fcontrols->tag_menuitems);
    if (std::unique_ptr<Thandlermodule_ontop> menu = create_menu(lines)) run_ontop(std::move(menu));
}

void tpage_controller_generic::close_ontop() {
    if (!fhandler_ontop) return;
    const int32_t tag = fhandler_ontop->ftag_ontop;
    const int32_t result = fhandler_ontop->fmodalresult;
    const tvelmor_ontop kind = fhandler_ontop->fid;
    fgraphboxes->get_graphbox(ht_ontop)->set_visible(false);
    if (kind == ho_menu) {
        if (auto* header = dynamic_cast<iheader_settings*>(fhandler_header.get()))
            header->set_header_param(ph_menu_pushed, false, false);
    } else if (kind == ho_combobox && fhandler_main) {
        // The overlay is modal: the page that opened it is still the main page.
        tvelmor_combobox& combobox = fhandler_main->control<tvelmor_combobox>(tag);
        const bool changed = result != -1 && combobox.set_item_index(result);
        fhandler_main->draw_control(&combobox, false);
        if (changed) {
            tmsg_params_item_index params;
            params.item_index = result;
            combobox.send_message(&params, tmsg_code::combobox_changed);
        }
    }
    // The overlay may be the caller (it closes itself from its own key handling): it is freed
    // once that event has returned.
    fhandlers_ontop_closed.push_back(std::move(fhandler_ontop));
    if (fhandler_main) {
        tmsg_params_ontop_result params;
        params.result = result;
        fhandler_main->callback_message(&params, tag, tmsg_code::ontop_closed);
    }
}
