#include "shell/page_events.h"

#include "controls/control_kinds.h"
#include "controls/grid_controls.h"
#include "controls/miscobject.h"
#include "controls/text_controls.h"
#include "pages/page_controller.h"
#include "values/params_generic.h"

tpage_events::tpage_events(std::unique_ptr<tpage_controller_generic> acontroller, Tdatamodule_messages& amessages)
    : fcontroller(std::move(acontroller)), fmessages(amessages) {}

tpage_events::~tpage_events() = default;

void tpage_events::enter_first_page() { fcontroller->page_first(true); }

bool tpage_events::is_locked() { return fcontroller->is_locked(); }

void tpage_events::handle_paint(int32_t aslot) { fcontroller->handle_paint(aslot); }

void tpage_events::handle_resize(int32_t aslot) { fcontroller->handle_resize(aslot, false); }

void tpage_events::handle_mousedown(int32_t aslot, int32_t abutton, uint32_t ashift, int32_t ax, int32_t ay,
                                    bool as_mouseup) {
    fcontroller->handle_mousedown(aslot, static_cast<tmouse_button>(abutton), static_cast<tshift_state>(ashift), ax,
                                  ay, as_mouseup);
}

void tpage_events::handle_mousemove(int32_t aslot, uint32_t ashift, int32_t ax, int32_t ay) {
    fcontroller->handle_mousemove(aslot, static_cast<tshift_state>(ashift), ax, ay);
}

void tpage_events::handle_keydown(uint16_t akey, uint32_t ashift, bool as_keyup) {
    fcontroller->handle_keydown(akey, static_cast<tshift_state>(ashift), as_keyup);
}

void tpage_events::handle_character(char16_t ach) { fcontroller->handle_character(ach); }

void tpage_events::handle_windows_message(const twindows_message& amsg) { fcontroller->handle_windows_message(amsg); }

bool tpage_events::has_messages_available() { return fmessages.has_messages_available(); }

void tpage_events::run_queued_message() { fcontroller->run_next_queued_message(); }

bool tpage_events::queue_empty() { return fmessages.get_pending_count() == 0; }

int32_t tpage_events::get_pageno() { return fcontroller->get_pageno(); }

void tpage_events::enter_page(int16_t apageno) { fcontroller->page_enter(apageno, false); }

void tpage_events::enter_page(int16_t apageno, int32_t aid) {
    const thandler_class* page = fcontroller->get_page_table().find(apageno);
    if (!page) {
        fcontroller->page_enter(apageno, false);  // raises the controller's own message
        return;
    }
    const tparam_value params[] = {int64_t{aid}};
    fcontroller->page_enter(*page, params, false);
}

// The caption of a label or button, or the text of an edit or memo, of the slot's page.
Thandlermodule_page* tpage_events::handler_of(int32_t aslot) const {
    switch (aslot) {
        case ht_main: return fcontroller->get_handler_main();
        case ht_header: return fcontroller->get_handler_header();
        case ht_footer: return fcontroller->get_handler_footer();
        case ht_ontop: return fcontroller->get_handler_ontop();
        default: return nullptr;
    }
}

tvelmor_control* tpage_events::control_of(int32_t aslot, int32_t atag) const {
    Thandlermodule_page* handler = handler_of(aslot);
    if (!handler || !handler->get_controls()) return nullptr;
    try {
        return handler->get_controls()->get_control(atag);
    } catch (const std::exception&) {
        return nullptr;
    }
}

bool tpage_events::get_cell_text(int32_t aslot, int32_t atag, int32_t arow, int32_t acol, std::u16string& atext) {
    auto* grid = dynamic_cast<tvelmor_customgrid*>(control_of(aslot, atag));
    if (!grid || grid->header2 == 0 || arow < 0 || arow >= grid->rowcount || acol < 0 || acol >= grid->colcount)
        return false;
    tvelmor_miscobject* source = handler_of(aslot)->get_controls()->get_miscobject(grid->header2);
    return source && source->get_textvalue_rowcol(atext, arow, acol);
}

bool tpage_events::get_control_text(int32_t aslot, int32_t atag, std::u16string& atext) {
    tvelmor_control* control = control_of(aslot, atag);
    if (auto* label = dynamic_cast<tvelmor_customlabel*>(control)) {
        atext = label->get_caption();
        return true;
    }
    if (auto* edit = dynamic_cast<tvelmor_edit*>(control)) {
        atext = edit->get_text();
        return true;
    }
    return false;
}

void tpage_events::debug101() {
    if (auto* controller = dynamic_cast<tpage_controller*>(fcontroller.get())) controller->debug101();
}
