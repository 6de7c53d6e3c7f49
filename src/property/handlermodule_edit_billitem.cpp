#include "property/handlermodule_edit_billitem.h"

#include "pages/page_support.h"
#include "controls/key_codes.h"
#include "pages/handler_class.h"
#include "pages/page_form_editable.h"
#include "pages/page_hooks.h"
#include "property/datamodule_bill_item.h"
#include "values/params_generic.h"

namespace {

const Tform_page_editable_generic& edit_billitem_form() {
    static const Tform_page_editable_generic form("Tform_page_edit_billitem",
                                                  Tform_page2::embedded_text("form_page_edit_billitem"));
    return form;
}

}  // namespace

Thandlermodule_edit_billitem::Thandlermodule_edit_billitem(tpage_controller_generic* aowner,
                                                           thandler_type ahandler_type, tgraphbox_generic* agraphbox)
    : Thandlermodule_edit_generic(aowner, ahandler_type, agraphbox) {
    fappscreen = as_edit_billitem;
    frecord = std::make_unique<tdbrecord_bill_item2>();
    frecord0 = std::make_unique<tdbrecord_bill_item2>();
}

const thandler_class& Thandlermodule_edit_billitem::handler_class() {
    static const thandler_class c("Thandlermodule_edit_billitem", &handler_factory_of<Thandlermodule_edit_billitem>,
                                  &edit_billitem_form(), &tparams_id::static_class(), true);
    return c;
}

int32_t Thandlermodule_edit_billitem::item_id() const {
    const int32_t index = frecord->get_field_index1("id");
    return frecord->get_field_is_assigned(index) ? frecord->get_aslongint1(index) : -1;
}

void Thandlermodule_edit_billitem::once_created() {
    if (fparams) load_item();
}

void Thandlermodule_edit_billitem::handle_resize(bool as_skip_draw) {
    if (!floaded) throw tvelmor_exception("Unassigned params in %s.handle_resize();", class_name());
    // Taken at creation; the controller must be done with them before they go.
    fparams.reset();
    Thandlermodule_edit_generic::handle_resize(as_skip_draw);
}

void Thandlermodule_edit_billitem::load_item() {
    const auto* params = dynamic_cast<const tparams_id*>(fparams.get());
    if (!params) return;
    const int32_t id = params->fid;
    fis_newrecord = id == -1;
    frecord->clear();
    if (!fis_newrecord && !Tdatamodule_bill_item::get_bill_item(static_cast<tdbrecord_bill_item2&>(*frecord), id))
        throw tvelmor_exception("Bill Item %d not found in %s.handle_resize();", id, class_name());
    if (auto* header = page_header(*this))
        header->set_header_param(ph_title_caption, fis_newrecord ? u"New Bill Item" : u"Edit Bill Item");
    floaded = true;
    set_focused_tag(tag_edit_code, true);
}

bool Thandlermodule_edit_billitem::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    // Ctrl+Page Up leaves as Esc does, so unsaved changes are asked about, never dropped.
    if (ashift == ss_ctrl && akey == tvk::prior) return Thandlermodule_edit_generic::handle_keydown(tvk::escape, 0, as_keyup);
    return Thandlermodule_edit_generic::handle_keydown(akey, ashift, as_keyup);
}
