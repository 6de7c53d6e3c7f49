#include "property/handlermodule_list_cpinvoice.h"

#include "controls/key_codes.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "property/datamodule_bill_item.h"
#include "property/handlermodule_edit_cpinvoice.h"
#include "values/params_generic.h"

namespace {

const Tform_page2& list_cpinvoice_form() {
    static const Tform_page2 form("Tform_page_list_cpinvoice", Tform_page2::embedded_text("form_page_list_cpinvoice"));
    return form;
}

}  // namespace

const thandler_class& Thandlermodule_list_cpinvoice::handler_class() {
    static const thandler_class c("Thandlermodule_list_cpinvoice", &handler_factory_of<Thandlermodule_list_cpinvoice>,
                                  &list_cpinvoice_form(), &tparams_launch2::static_class(), true);
    return c;
}

std::vector<Thandlermodule_list_keyed::tkeyed_line> Thandlermodule_list_cpinvoice::load_lines() {
    std::vector<tkeyed_line> lines;
    for (const trecord_cpinvoice& t : Tdatamodule_bill_item::load_cpinvoices()) lines.push_back({t.fid, t.fname});
    return lines;
}

void Thandlermodule_list_cpinvoice::open_line(int32_t aid) {
    const tparam_value params[] = {int64_t{aid}, int64_t{0}};
    fowner->page_enter(Thandlermodule_edit_cpinvoice::handler_class(), params, false);
}

std::u16string Thandlermodule_list_cpinvoice::header_caption(int32_t acol) const {
    return acol == 0 ? u"Id" : acol == 1 ? u"Name" : u"";
}

bool Thandlermodule_list_cpinvoice::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    // Ctrl+Page Down opens nothing here.
    if (ashift == ss_ctrl && akey == tvk::next) return true;
    return Thandlermodule_list_keyed::handle_keydown(akey, ashift, as_keyup);
}
