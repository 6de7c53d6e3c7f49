// The combo box and check box controllers: focus keys, the drop-down list on Ctrl+Down, and the
// check box's toggle on Space.
#include "controls/controllers.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/controls_owner.h"
#include "controls/miscobject.h"
#include "controls/theme.h"

namespace {

// Tab, Shift+Tab and Enter ask the handler to move the focus; true when the key was one of them.
bool focus_key(tvelmor_control& acontrol, uint16_t akey, tshift_state ashift) {
    thandler_command command;
    if (ashift == ss_shift && akey == tvk::tab) command = cn_focus_prior;
    else if (ashift == 0 && (akey == tvk::tab || akey == tvk::enter)) command = cn_focus_next;
    else return false;
    if (acontrol.owner) acontrol.owner->execute_command2(command);
    return true;
}

// The new state goes into the check box's field, as a combo box's choice goes into its field,
// so that saving the page writes it.
void store_checked(tvelmor_checkbox& acheckbox) {
    if (acheckbox.header == 0 || !acheckbox.owner || !acheckbox.owner->get_controls()) return;
    if (tvelmor_miscobject* m = acheckbox.owner->get_controls()->get_miscobject(acheckbox.header))
        m->set_hard_value(acheckbox.fieldno, acheckbox.checked);
}

}  // namespace

bool tvelmor_controller_combobox::handle_keydown(tcanvas& acanvas, int32_t&, tvelmor_combobox& acontrol,
                                                 tvelmor_theme* atheme, const trect& arect, bool as_readonly,
                                                 uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (as_keyup) return false;
    if (focus_key(acontrol, akey, ashift)) return true;
    if (ashift != ss_ctrl || akey != tvk::down || as_readonly) return false;
    // Without choices there is no list to open, and a pressed button would never come up again.
    if (acontrol.header == 0) return true;
    auto* theme = dynamic_cast<tvelmor_theme_combobox*>(atheme);
    if (theme && theme->classrender) theme->classrender->draw_button(acanvas, arect, true);
    if (acontrol.owner) acontrol.owner->run_combobox_list(acontrol);
    return true;
}

bool tvelmor_controller_checkbox::handle_keydown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_checkbox& acontrol,
                                                 tvelmor_theme* atheme, const trect& arect, bool as_readonly,
                                                 uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (as_keyup) return false;
    if (focus_key(acontrol, akey, ashift)) return true;
    if (ashift != 0 || akey != tvk::space) return false;
    if (as_readonly) return true;
    acontrol.toggle_checked();
    store_checked(acontrol);
    tmsg_params_checked params{acontrol.checked};
    acontrol.send_message(&params, tmsg_code::checkbox_toggled);
    // Drawn once the handler has heard the toggle, with the theme the control has by then (a
    // page marks a changed check box with its modified theme).
    if (acontrol.owner && acontrol.owner->get_controls()) {
        acontrol.owner->get_controls()->draw_control(acanvas, afont_tag, &acontrol);
        return true;
    }
    auto* theme = dynamic_cast<tvelmor_theme_checkbox*>(atheme);
    if (theme && theme->classrender) theme->classrender->draw_checkbox(acanvas, arect, acontrol, theme);
    return true;
}
