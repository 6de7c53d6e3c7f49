#include "accounts/handlermodule_edit_account.h"

#include "accounts/handlermodule_edit_contact.h"
#include "controls/container_controls_generic.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "database/datamodule_database_customers.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form_editable.h"
#include "pages/page_hooks.h"
#include "pages/page_table.h"
#include "values/params_generic.h"

namespace {

constexpr int32_t tag_header_plus = 9901;
constexpr int32_t tag_header_minus = 9902;
constexpr int32_t tag_header_minus_button = 206;
constexpr int32_t tag_ontop_menu = 9201;
constexpr int32_t answer_yes = 6;

const Tform_page_editable_generic& account_form() {
    static const Tform_page_editable_generic form("Tform_page_edit_account",
                                                  Tform_page2::embedded_text("form_page_edit_account"));
    return form;
}

}  // namespace

Thandlermodule_edit_account::Thandlermodule_edit_account(tpage_controller_generic* aowner,
                                                         thandler_type ahandler_type, tgraphbox_generic* agraphbox)
    : Thandlermodule_edit_generic(aowner, ahandler_type, agraphbox),
      fmodule(std::make_unique<Tdatamodule_customers>(Tdatamodule_database_customers::instance())) {
    fappscreen = as_edit_account;
    frecord = std::make_unique<tdbrecord_account2>();
    frecord0 = std::make_unique<tdbrecord_account2>();
}

Thandlermodule_edit_account::~Thandlermodule_edit_account() = default;

const thandler_class& Thandlermodule_edit_account::handler_class() {
    static const thandler_class c("Thandlermodule_edit_account", &handler_factory_of<Thandlermodule_edit_account>,
                                  &account_form(), &tparams_edit_account::static_class());
    return c;
}

void Thandlermodule_edit_account::bind_data() {
    Thandlermodule_edit_generic::bind_data();
    flist_contacts.bind(*this, tag_listrows);
}

int32_t Thandlermodule_edit_account::account_id() const {
    const int32_t index = frecord->get_field_index1("id");
    return frecord->get_field_is_assigned(index) ? frecord->get_aslongint1(index) : -1;
}

void Thandlermodule_edit_account::once_created() {
    const auto* params = dynamic_cast<const tparams_edit_account*>(fparams.get());
    const int32_t id = params ? params->fid_account : -1;
    fis_newrecord = id == -1;
    frecord->clear();
    flist_contacts.flist.clear();
    if (!fis_newrecord) {
        fmodule->get_account(static_cast<tdbrecord_account2&>(*frecord), id);
        fmodule->get_account_contacts(flist_contacts.flist, trecord_contact::static_class(), id);
    }
    flist_contacts.refresh();
    grid_contacts().set_rowcount(flist_contacts.count());
    if (auto* header = page_header(*this))
        header->set_header_param(ph_title_caption, fis_newrecord ? u"Enter New Account" : u"Edit Account");
    set_focused_tag(tag_edit_name, true);
}

void Thandlermodule_edit_account::save_params(tparams_generic& aparams) {
    // Coming back reloads the account, a new one by the key its save produced.
    if (auto* params = dynamic_cast<tparams_edit_account*>(&aparams)) params->fid_account = account_id();
}

bool Thandlermodule_edit_account::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (!as_keyup && is_focus_next_panel_key(akey, ashift)) {
        focus_panels();
        return true;
    }
    if (!as_keyup && (ashift & (ss_shift | ss_ctrl | ss_alt)) == 0) {
        switch (akey) {
            case tvk::insert:
                new_contact();
                return true;
            case tvk::del:
                // Elsewhere Delete belongs to the focused edit.
                if (ffocused_tag == tag_grid_contacts) {
                    ask_delete();
                    return true;
                }
                break;
            case tvk::f11: show_record_dump(*this); return true;
            default: break;
        }
    }
    return Thandlermodule_edit_generic::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_edit_account::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    switch (amsg) {
        case tmsg_code::grid_key_unused: {
            const auto* key = static_cast<const tmsg_params_key*>(aparams);
            if (atag == tag_grid_contacts && key && key->key == tvk::enter && key->shift == 0) {
                open_contact();
                return true;
            }
            break;
        }
        case tmsg_code::button_pressed:
            if (atag == tag_header_plus) {
                new_contact();
                return true;
            }
            if (atag == tag_header_minus) {
                ask_delete();
                return true;
            }
            break;
        case tmsg_code::ontop_closed: {
            const int32_t result = aparams ? static_cast<tmsg_params_ontop_result*>(aparams)->result : 0;
            if (atag == tag_ontop_delete) {
                if (result == answer_yes) delete_contact();
                return true;
            }
            if (atag == tag_ontop_menu) {
                if (result == 0) new_contact();
                if (result == 1) open_jobs();
                return true;
            }
            break;
        }
        default: break;
    }
    return Thandlermodule_edit_generic::callback_message(aparams, atag, amsg);
}

void Thandlermodule_edit_account::new_contact() {
    // Leaving while editing would drop what was typed, and an unsaved account has no key for
    // the contact to belong to.
    if (fmode_editing || fis_newrecord) return;
    const tparam_value params[] = {int64_t{account_id()}, true};
    fowner->page_enter(Thandlermodule_edit_contact::handler_class(), params, false);
}

void Thandlermodule_edit_account::open_jobs() {
    // As for a new contact: nothing typed may be dropped, and an unsaved account has no jobs.
    if (fmode_editing || fis_newrecord) return;
    // The job search lives in a library above this one: it is found by its page number, and a
    // build without it gets the controller's message for a missing page.
    const thandler_class* search = fowner->get_page_table().find(pageno_search_job);
    if (!search) {
        fowner->page_enter(pageno_search_job, false);
        return;
    }
    // Step 1 at once, with this account chosen.
    const tparam_value params[] = {int64_t{1}, int64_t{account_id()}};
    fowner->page_enter(*search, params, false);
}

void Thandlermodule_edit_account::open_contact() {
    const int32_t row = grid_contacts().row;
    if (fmode_editing || !flist_contacts.has_row(row)) return;
    const tparam_value params[] = {int64_t{flist_contacts.at<trecord_contact>(row).fid}, false};
    fowner->page_enter(Thandlermodule_edit_contact::handler_class(), params, false);
}

void Thandlermodule_edit_account::ask_delete() {
    const int32_t row = grid_contacts().row;
    if (!flist_contacts.has_row(row)) return;
    frow = row;
    const trecord_contact& contact = flist_contacts.at<trecord_contact>(row);
    std::u16string name = contact.ffirst_name;
    if (!contact.flast_name.empty()) {
        if (!name.empty()) name += u" ";
        name += contact.flast_name;
    }
    run_dialog(tag_ontop_delete, u"Delete Contact [" + name + u"] ?    ( Y / N )");
}

void Thandlermodule_edit_account::delete_contact() {
    if (!flist_contacts.has_row(frow)) return;
    send_soft_delete(201, flist_contacts.at<trecord_contact>(frow).fid);
    flist_contacts.remove(frow);
    tvelmor_grid& grid = grid_contacts();
    if (grid.rowcount > flist_contacts.count()) grid.set_rowcount(flist_contacts.count());
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid_contacts);
}

void Thandlermodule_edit_account::focus_panels() {
    const bool changed = focus_next_panel(*this, tag_grid_contacts);
    set_minus_enabled(ffocused_tag == tag_grid_contacts && flist_contacts.count() > 0);
    if (changed) get_messages().add_message(501, jt_draw_control, ht_header, tag_header_minus_button);
}

void Thandlermodule_edit_account::set_minus_enabled(bool aenabled) {
    if (auto* header = page_header(*this))
        header->set_header_param(ph_button_minus_enabled, aenabled, true);
}
