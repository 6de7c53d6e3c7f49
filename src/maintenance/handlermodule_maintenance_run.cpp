#include "maintenance/handlermodule_maintenance_run.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/key_codes.h"
#include "controls/miscobjects.h"
#include "controls/platform.h"
#include "maintenance/folder_choice.h"
#include "pages/page_controller_generic.h"

bool Thandlermodule_maintenance_run::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (flocked) return true;  // Esc and every other key wait until the run ends
    if (!as_keyup && ashift == 0 && akey == tvk::escape) {
        fowner->page_exit();  // with nothing beneath, the program ends
        return true;
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

tvelmor_messagelines& Thandlermodule_maintenance_run::lines() {
    auto* l = dynamic_cast<tvelmor_messagelines*>(fcontrols->get_miscobject(tag_lines));
    if (!l) throw tvelmor_exception("Message lines %d not found in %s.lines();", tag_lines, class_name());
    return *l;
}

void Thandlermodule_maintenance_run::set_buttons_enabled(std::initializer_list<int32_t> atags, bool aenabled) {
    for (int32_t tag : atags) {
        tfolder_choice::button(*this, tag).enabled = aenabled;
        draw_control(tag, false);
    }
}

void Thandlermodule_maintenance_run::lock_for_run(std::initializer_list<int32_t> atags) {
    flocked = true;
    set_buttons_enabled(atags, false);
    tplatform::instance().process_messages();
}
