#include "pages/handlermodule_editable_generic.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/panel.h"
#include "controls/text_controls.h"
#include "pages/datamodule_messages.h"
#include "pages/page_controller_generic.h"

namespace {

constexpr int32_t tag_footer_save = 202, tag_footer_edit = 203, tag_footer_menu = 205, tag_header_menu = 203;

// The viewing, editing and modified theme tags of a control kind; false for other kinds.
bool theme_tags(tvelmor_control_type akind, int32_t& aviewing, int32_t& amodified) {
    switch (akind) {
    case ac_edit: aviewing = 921; break;
    case ac_combobox: aviewing = 924; break;
    case ac_checkbox: aviewing = 927; break;
    default: return false;
    }
    amodified = aviewing + 2;
    return true;
}

tvelmor_control_types editable_kinds() {
    tvelmor_control_types r;
    r.include(ac_edit);
    r.include(ac_combobox);
    r.include(ac_checkbox);
    return r;
}

}  // namespace

bool Thandlermodule_editable_generic::callback_message(void*, int32_t atag, int32_t amsg) {
    if (amsg != tmsg_code::edit_changed && amsg != tmsg_code::combobox_changed && amsg != tmsg_code::checkbox_toggled) return false;
    set_modified(true, atag);
    return true;
}

void Thandlermodule_editable_generic::set_modified(bool amodified, int32_t atag) {
    if (amodified && atag != -1) {
        tvelmor_control& c = control<tvelmor_control>(atag);
        int32_t viewing = 0, modified = 0;
        // Shown at once, not only at the control's next draw.
        if (theme_tags(c.id, viewing, modified) && c.tag_theme != modified) {
            c.tag_theme = modified;
            if (c.visible) get_messages().add_message(501, jt_draw_control, ht_main, atag);
        }
    }
    if (amodified == fmodified) return;
    fmodified = amodified;
    if (fowner) set_bar_control_enabled(fowner->get_handler_footer(), tag_footer_save, fmodified, true);
}

void Thandlermodule_editable_generic::set_mode_editing(bool amode_editing, int32_t atag_panel, int32_t adraw) {
    if (amode_editing == fmode_editing) return;
    fmode_editing = amode_editing;
    const bool queue = adraw == 0;
    if (fowner) {
        set_bar_control_enabled(fowner->get_handler_footer(), tag_footer_edit, !fmode_editing, queue);
        set_bar_control_enabled(fowner->get_handler_footer(), tag_footer_menu, !fmode_editing, queue);
        set_bar_control_enabled(fowner->get_handler_header(), tag_header_menu, !fmode_editing, queue);
    }
    fcontrols->themes_exchange(921, 922);
    fcontrols->themes_exchange(924, 925);
    fcontrols->themes_exchange(927, 928);
    tvelmor_iterate_options all;
    all.include(ai_include_invisible);
    auto list = fcontrols->create_interface_iterate(103, atag_panel, editable_kinds(), all);
    for (list->first(); !list->eof(); list->next()) {
        tvelmor_control* c = list->item();
        int32_t viewing = 0, modified = 0;
        if (theme_tags(c->id, viewing, modified)) c->tag_theme = viewing;
    }
    if (queue) queue_shown_editable_draws();
}

// The exchanged looks belong to every editable control of the page, whichever panel holds it:
// the ones shown are drawn again (a tab not shown draws when it is chosen).
void Thandlermodule_editable_generic::queue_shown_editable_draws() {
    auto list = fcontrols->create_interface(101);
    for (list->first(); !list->eof(); list->next()) {
        tvelmor_control* c = list->item();
        int32_t viewing = 0, modified = 0;
        const tvelmor_panel* panel = fcontrols->get_panel(c->tag_panel);
        if (theme_tags(c->id, viewing, modified) && c->visible && panel && panel->visible)
            get_messages().add_message(501, jt_draw_control, ht_main, c->tag);
    }
}

void Thandlermodule_editable_generic::set_bar_control_enabled(Thandlermodule_page* ahandler, int32_t atag,
                                                              bool aenabled, bool as_queue_draw) {
    if (!ahandler) return;
    // The header and footer a page runs under may lack the control.
    tvelmor_control* c = ahandler->find_control<tvelmor_control>(atag);
    bool* enabled = nullptr;
    if (auto* label = dynamic_cast<tvelmor_customlabel*>(c)) enabled = &label->enabled;
    else if (auto* button = dynamic_cast<tvelmor_button*>(c)) enabled = &button->enabled;
    if (!enabled || *enabled == aenabled) return;
    *enabled = aenabled;
    if (as_queue_draw) get_messages().add_message(501, jt_draw_control, ahandler->fhandler_type, atag);
}
