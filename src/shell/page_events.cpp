#include "shell/page_events.h"

#include "controls/control_kinds.h"
#include "controls/text_controls.h"
#include "pages/page_controller.h"

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

void tpage_events::handle_windows_message(const twindows_message& amsg) { fcontroller->handle_windows_message(amsg); }

bool tpage_events::has_messages_available() { return fmessages.has_messages_available(); }

void tpage_events::run_queued_message() { fcontroller->run_next_queued_message(); }

bool tpage_events::queue_empty() { return fmessages.get_pending_count() == 0; }

int32_t tpage_events::get_pageno() { return fcontroller->get_pageno(); }

void tpage_events::enter_page(int16_t apageno) { fcontroller->page_enter(apageno, false); }

// The caption of a label or button, or the text of an edit or memo, of the slot's page.
bool tpage_events::get_control_text(int32_t aslot, int32_t atag, std::u16string& atext) {
    Thandlermodule_page* handler = nullptr;
    switch (aslot) {
        case ht_main: handler = fcontroller->get_handler_main(); break;
        case ht_header: handler = fcontroller->get_handler_header(); break;
        case ht_footer: handler = fcontroller->get_handler_footer(); break;
        case ht_ontop: handler = fcontroller->get_handler_ontop(); break;
        default: return false;
    }
    if (!handler || !handler->get_controls()) return false;
    tvelmor_control* control = nullptr;
    try {
        control = handler->get_controls()->get_control(atag);
    } catch (const std::exception&) {
        return false;
    }
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
