#include "plu/handlermodule_edit_plu.h"

#include "pages/page_support.h"
#include "controls/control_messages.h"
#include "controls/key_codes.h"
#include "controls/platform.h"
#include "database/datamodule_database_customers.h"
#include "plu/plu_word_index.h"
#include "pages/handler_class.h"
#include "procs/message_format.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form_editable.h"
#include "pages/page_hooks.h"
#include "values/params_generic.h"

namespace {

const Tform_page_editable_generic& plu_form() {
    static const Tform_page_editable_generic form("Tform_page_edit_plu", Tform_page2::embedded_text("form_page_edit_plu"));
    return form;
}

}  // namespace

Thandlermodule_edit_plu::Thandlermodule_edit_plu(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                                 tgraphbox_generic* agraphbox)
    : Thandlermodule_edit_generic(aowner, ahandler_type, agraphbox),
      fmodule(std::make_unique<Tdatamodule_plu>(Tdatamodule_database_customers::instance())) {
    frecord = std::make_unique<tdbrecord_plu2>();
    frecord0 = std::make_unique<tdbrecord_plu2>();
}

Thandlermodule_edit_plu::~Thandlermodule_edit_plu() = default;

const thandler_class& Thandlermodule_edit_plu::handler_class() {
    static const thandler_class c("Thandlermodule_edit_plu", &handler_factory_of<Thandlermodule_edit_plu>, &plu_form(),
                                  &tparams_edit_plu::static_class());
    return c;
}

int32_t Thandlermodule_edit_plu::plu_id() const {
    const int32_t index = frecord->get_field_index1("id");
    return frecord->get_field_is_assigned(index) ? frecord->get_aslongint1(index) : -1;
}

void Thandlermodule_edit_plu::once_created() {
    const auto* params = dynamic_cast<const tparams_edit_plu*>(fparams.get());
    const int32_t id = params ? params->fid_plu : -1;
    fis_newrecord = id == -1;
    frecord->clear();
    if (!fis_newrecord) fmodule->get_plu(static_cast<tdbrecord_plu2&>(*frecord), id);
    if (auto* header = page_header(*this))
        header->set_header_param(ph_title_caption, fis_newrecord ? u"Enter New PLU" : u"Edit PLU");
    set_focused_tag(tag_edit_code, true);
}

void Thandlermodule_edit_plu::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_edit_plu*>(&aparams)) params->fid_plu = plu_id();
}

bool Thandlermodule_edit_plu::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (!as_keyup && is_focus_next_panel_key(akey, ashift)) {
        focus_next_panel(*this, tag_grid_list);
        return true;
    }
    if (!as_keyup && (ashift & (ss_shift | ss_ctrl | ss_alt)) == 0 && akey == tvk::f11) {
        const int32_t index = frecord->get_field_index1("description");
        tplatform::instance().message_box(frecord->get_asunicodestring1(index), u"description", tmsgbox_buttons::ok,
                                          tmsgbox_icon::information);
        return true;
    }
    return Thandlermodule_edit_generic::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_edit_plu::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg == tmsg_code::focus_changing && atag == tag_edit_description) {
        const int32_t index = frecord->get_field_index1("description");
        run_big_edit(tag_ontop_description, tag_edit_description, frecord->get_asunicodestring1(index));
        return false;  // the focus still moves onto the edit
    }
    if (amsg == tmsg_code::ontop_closed && atag == tag_ontop_description) {
        const int32_t result = aparams ? static_cast<tmsg_params_ontop_result*>(aparams)->result : 0;
        if (result == 1) execute_command2(cn_focus_next);
        return true;
    }
    return Thandlermodule_edit_generic::callback_message(aparams, atag, amsg);
}

void Thandlermodule_edit_plu::save_changes() {
    save_record_ejt(ejt_plu, *frecord, *frecord0, fis_newrecord, class_name());
    fis_newrecord = false;
    // The search finds items by the words of the saved texts: the index follows the table. The
    // save itself has gone through, so a failed rebuild is said without undoing it.
    try {
        rebuild_plu_index_of_open_domain();
    } catch (const tvelmor_exception& e) {
        tplatform::instance().message_box(u"The PLU was saved, but the PLU index could not be rebuilt: " +
                                              utf8_to_utf16(e.what()),
                                          u"Edit PLU", tmsgbox_buttons::ok, tmsgbox_icon::warning);
    }
}
