#include "pages/handlermodule_edit_generic.h"

#include "controls/container_controls_generic.h"
#include "controls/control_messages.h"
#include "controls/controllers.h"
#include "controls/miscobject_fieldlinks.h"
#include "controls/text_controls.h"
#include "pages/datamodule_messages.h"
#include "database/datamodule_ejt.h"
#include "database/ejt_class.h"
#include "pages/page_controller_generic.h"
#include "values/procs_datarecord2.h"

const char* appscreen_name(tappscreen avalue) {
    switch (avalue) {
    case as_none: return "as_none";
    case as_edit_account: return "as_edit_account";
    case as_edit_contact: return "as_edit_contact";
    case as_edit_cpsite: return "as_edit_cpsite";
    case as_edit_billitem: return "as_edit_billitem";
    }
    return "?";
}

void Thandlermodule_edit_generic::bind_data() {
    auto* links = dynamic_cast<tmiscobject_fieldlinks_record*>(fcontrols->get_miscobject(tag_fieldlinks));
    if (!links) throw tvelmor_exception("Field links %d not found in %s.bind_data();", tag_fieldlinks, class_name());
    links->setup_data1(frecord.get());
}

void Thandlermodule_edit_generic::once_laid_out() {
    // The first layout paints, so the controls must already show the record.
    refresh_controls();
    if (fis_newrecord)
        set_mode_editing(true, tag_panel_edit, 1);
    else if (frecord && frecord0)
        tprocs_datarecord2::assign(*frecord0, *frecord);
    // A memo given its text wraps only at a layout.
    lay_out();
}

bool Thandlermodule_edit_generic::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ashift & (ss_shift | ss_ctrl | ss_alt)) return Thandlermodule_editable_generic::handle_keydown(akey, ashift, as_keyup);
    switch (akey) {
    case tvk::escape:
        if (as_keyup) return true;
        // A text the edit refuses keeps the user there to mend it.
        if (fmode_editing && !accept_focused_edit()) return true;
        if (fmode_editing && (!fis_newrecord || fmodified)) {
            if (!fis_newrecord && tprocs_datarecord2::is_equal(*frecord, *frecord0))
                cancel_edit(true);
            else
                run_dialog(tag_save_changes, u"Save changes ?");
        } else if (fowner)
            fowner->page_exit();
        return true;
    case tvk::f2:
        if (!as_keyup && fmode_editing && accept_focused_edit() && fmodified) commit_edit();
        return true;
    case tvk::f3:
        if (!as_keyup && !fmode_editing) set_mode_editing(true, tag_panel_edit, 0);
        return true;
    case tvk::f7:
        if (!as_keyup && !fmode_editing && fowner) fowner->run_menu(true);
        return true;
    case tvk::f9:
        if (as_keyup) return true;
        if (fmode_editing)
            cancel_edit(false);
        else if (fowner)
            fowner->page_exit();
        return true;
    default: return Thandlermodule_editable_generic::handle_keydown(akey, ashift, as_keyup);
    }
}

bool Thandlermodule_edit_generic::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg == tmsg_code::ontop_closed && atag == tag_save_changes) {
        const int32_t result = aparams ? static_cast<tmsg_params_ontop_result*>(aparams)->result : 0;
        if (result == 6)
            commit_edit();
        else if (result == 7) {
            if (fis_newrecord) {
                if (fowner) fowner->page_exit();
            } else
                cancel_edit(false);
        }
        return true;
    }
    return Thandlermodule_editable_generic::callback_message(aparams, atag, amsg);
}

void save_record_ejt(int32_t aejt_id, tdatarecord2& arecord, const tdatarecord2& arecord0, bool as_new,
                     const char* aclass_name, const std::function<void(tejt_generic&)>& abefore_send) {
    std::unique_ptr<tejt_generic> ejt = tejt_database::create_ejt(aejt_id);
    auto* write = dynamic_cast<tejt_record_update*>(ejt.get());
    if (!write) throw tvelmor_exception("EJT[%d] Not Supported in %s.save_changes();", aejt_id, aclass_name);
    if (as_new)
        write->assign_insert(arecord);
    else
        write->assign_update(arecord, arecord0);
    if (abefore_send) abefore_send(*write);
    Tdatamodule_ejt::instance().send_ejt_record(*write, nullptr);
    // Only after the transaction went through: a failed save leaves the record as the user left it.
    if (as_new) write->copy_pkvalues(arecord);
}

int32_t Thandlermodule_edit_generic::get_ejt_id() const {
    switch (fappscreen) {
    case as_edit_account: return 101;
    case as_edit_contact: return 201;
    case as_edit_cpsite: return 311;
    case as_edit_billitem: return 331;
    default: throw tvelmor_exception("Unsupported screen %s in %s.save_changes();", appscreen_name(fappscreen), class_name());
    }
}

void Thandlermodule_edit_generic::save_changes() {
    save_record_ejt(get_ejt_id(), *frecord, *frecord0, fis_newrecord, class_name());
    fis_newrecord = false;
}

void Thandlermodule_edit_generic::commit_edit() {
    if (fis_newrecord || !tprocs_datarecord2::is_equal(*frecord, *frecord0)) {
        save_changes();
        tprocs_datarecord2::assign(*frecord0, *frecord);
    }
    leave_editing();
}

void Thandlermodule_edit_generic::cancel_edit(bool as_keep) {
    if (!as_keep) tprocs_datarecord2::assign(*frecord, *frecord0);
    leave_editing();
}

bool Thandlermodule_edit_generic::accept_focused_edit() {
    if (ffocused_tag == 0) return true;
    // Only an edit has a value to check.
    auto* edit = dynamic_cast<tvelmor_edit*>(&control<tvelmor_control>(ffocused_tag));
    if (!edit || edit->header == 0) return true;
    tvelmor_miscobject* links = fcontrols->get_miscobject(edit->header);
    tvalidator_generic* validator = links ? links->get_validator(edit->fieldno) : nullptr;
    if (!validator) return true;
    const bool accepted = tvelmor_controller_edit::validate_edit(*edit, *validator);
    get_messages().add_message(501, jt_draw_control, fhandler_type, ffocused_tag);
    return accepted;
}

void Thandlermodule_edit_generic::refresh_controls() { fcontrols->update_header_controls(tag_fieldlinks, -1); }

void Thandlermodule_edit_generic::leave_editing() {
    refresh_controls();
    set_modified(false, -1);
    set_mode_editing(false, tag_panel_edit, 0);
}
