#include "accounts/handlermodule_edit_contact.h"

#include "accounts/handlermodule_edit_account.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "database/datamodule_database_customers.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form_editable.h"
#include "pages/page_hooks.h"
#include "values/params_generic.h"

namespace {

const Tform_page_editable_generic& contact_form() {
    static const Tform_page_editable_generic form("Tform_page_edit_contact",
                                                  Tform_page2::embedded_text("form_page_edit_contact"));
    return form;
}

}  // namespace

Thandlermodule_edit_contact::Thandlermodule_edit_contact(tpage_controller_generic* aowner,
                                                         thandler_type ahandler_type, tgraphbox_generic* agraphbox)
    : Thandlermodule_edit_generic(aowner, ahandler_type, agraphbox),
      fmodule(std::make_unique<Tdatamodule_customers>(Tdatamodule_database_customers::instance())) {
    fappscreen = as_edit_contact;
    frecord = std::make_unique<tdbrecord_contact2>();
    frecord0 = std::make_unique<tdbrecord_contact2>();
}

Thandlermodule_edit_contact::~Thandlermodule_edit_contact() = default;

const thandler_class& Thandlermodule_edit_contact::handler_class() {
    static const thandler_class c("Thandlermodule_edit_contact", &handler_factory_of<Thandlermodule_edit_contact>,
                                  &contact_form(), &tparams_edit_contact::static_class());
    return c;
}

void Thandlermodule_edit_contact::bind_data() {
    Thandlermodule_edit_generic::bind_data();
    flist_account.bind(*this, tag_listrows);
}

void Thandlermodule_edit_contact::once_created() {
    const auto* params = dynamic_cast<const tparams_edit_contact*>(fparams.get());
    if (!params) throw tvelmor_exception("Unassigned params in %s.once_created();", class_name());
    auto& contact = static_cast<tdbrecord_contact2&>(*frecord);
    fis_newrecord = params->fparam_is_newrecord;
    contact.clear();
    flist_account.flist.clear();
    if (fis_newrecord) {
        contact.set_aslongint1(field_id_account, params->fid_record);
        fmodule->get_accounts(flist_account.flist, trecord_customer::static_class(), params->fid_record);
    } else {
        fmodule->get_contact(contact, params->fid_record);
        fmodule->get_contact_accounts(flist_account.flist, trecord_customer::static_class(), params->fid_record);
    }
    flist_account.refresh();
    grid_account().set_rowcount(flist_account.count());
    if (auto* header = page_header(*this))
        header->set_header_param(ph_title_caption, fis_newrecord ? u"Enter New Contact" : u"Edit Contact");
    set_focused_tag(tag_edit_first_name, true);
}

void Thandlermodule_edit_contact::save_params(tparams_generic& aparams) {
    auto* params = dynamic_cast<tparams_edit_contact*>(&aparams);
    if (!params) return;
    const int32_t index = frecord->get_field_index1("id");
    if (frecord->get_field_is_assigned(index)) {
        params->fid_record = frecord->get_aslongint1(index);
        params->fparam_is_newrecord = false;
    } else {
        // Not saved yet: coming back starts the new contact again for the same account.
        params->fid_record = frecord->get_field_is_assigned(field_id_account) ? frecord->get_aslongint1(field_id_account) : -1;
        params->fparam_is_newrecord = true;
    }
}

bool Thandlermodule_edit_contact::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (!as_keyup && is_focus_next_panel_key(akey, ashift)) {
        focus_next_panel(*this, tag_grid_account);
        return true;
    }
    if (!as_keyup && (ashift & (ss_shift | ss_ctrl | ss_alt)) == 0 && akey == tvk::f11) {
        show_record_dump(*this);
        return true;
    }
    return Thandlermodule_edit_generic::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_edit_contact::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg == tmsg_code::grid_key_unused && atag == tag_grid_account) {
        const auto* key = static_cast<const tmsg_params_key*>(aparams);
        if (key && key->key == tvk::enter && key->shift == 0) {
            open_account();
            return true;
        }
    }
    return Thandlermodule_edit_generic::callback_message(aparams, atag, amsg);
}

void Thandlermodule_edit_contact::open_account() {
    const int32_t row = grid_account().row;
    // Leaving while editing would drop what was typed.
    if (fmode_editing || !flist_account.has_row(row)) return;
    // The account editor beneath is the one this contact was opened from: go back to it.
    if (fowner->is_toppage(Thandlermodule_edit_account::pageno)) {
        fowner->page_exit();
        return;
    }
    const tparam_value params[] = {int64_t{flist_account.at<trecord_customer>(row).fid}};
    // In place of this page.
    fowner->page_enter(Thandlermodule_edit_account::handler_class(), params, true);
}
