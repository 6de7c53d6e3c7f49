#include "property/handlermodule_list_billitem.h"

#include "controls/control_messages.h"
#include "controls/key_codes.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/handlermodule_dialog.h"
#include "pages/handlermodule_header.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "pages/page_support.h"
#include "property/datamodule_bill_item.h"
#include "property/handlermodule_edit_billitem.h"
#include "values/params_generic.h"

namespace {

const Tform_page2& list_billitem_form() {
    static const Tform_page2 form("Tform_page_list_billitem", Tform_page2::embedded_text("form_page_list_billitem"));
    return form;
}

}  // namespace

const thandler_class& Thandlermodule_list_billitem::handler_class() {
    static const thandler_class c("Thandlermodule_list_billitem", &handler_factory_of<Thandlermodule_list_billitem>,
                                  &list_billitem_form(), &tparams_launch2::static_class(), true);
    return c;
}

std::vector<Thandlermodule_list_keyed::tkeyed_line> Thandlermodule_list_billitem::load_lines() {
    std::vector<tkeyed_line> lines;
    for (const trecord_billitem& item : Tdatamodule_bill_item::load_bill_items()) lines.push_back({item.fid, item.fcode});
    return lines;
}

void Thandlermodule_list_billitem::open_line(int32_t aid) {
    const tparam_value params[] = {int64_t{aid}};
    fowner->page_enter(Thandlermodule_edit_billitem::handler_class(), params, false);
}

std::u16string Thandlermodule_list_billitem::header_caption(int32_t acol) const {
    return acol == 0 ? u"Id" : acol == 1 ? u"Code" : u"";
}

bool Thandlermodule_list_billitem::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (!as_keyup && ashift == ss_ctrl && akey == tvk::next) {
        open_current();
        return true;
    }
    // Insert adds and Delete deletes, as the header's plus and minus do.
    if (!as_keyup && ashift == 0 && (akey == tvk::insert || akey == tvk::del))
        return callback_message(nullptr, akey == tvk::insert ? Thandlermodule_header::tag_main_plus
                                                             : Thandlermodule_header::tag_main_minus,
                                tmsg_code::button_pressed);
    return Thandlermodule_list_keyed::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_list_billitem::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg == tmsg_code::button_pressed) {
        switch (atag) {
            case Thandlermodule_header::tag_main_edit: open_current(); return true;
            case Thandlermodule_header::tag_main_plus: {
                const tparam_value params[] = {int64_t{-1}};
                fowner->page_enter(Thandlermodule_edit_billitem::handler_class(), params, false);
                return true;
            }
            case Thandlermodule_header::tag_main_minus: ask_delete(); return true;
            default: break;
        }
    }
    if (amsg == tmsg_code::ontop_closed && atag == tag_ontop_delete) {
        const int32_t result = aparams ? static_cast<tmsg_params_ontop_result*>(aparams)->result : 0;
        if (result == Thandlermodule_dialog::result_yes) {
            send_soft_delete(331, fdeleting_id);
            get_messages().add_message(301, jt_run_task, fhandler_type, task_load);
        }
        return true;
    }
    return Thandlermodule_list_keyed::callback_message(aparams, atag, amsg);
}

void Thandlermodule_list_billitem::ask_delete() {
    const tkeyed_line* line = current_line();
    if (!line) return;
    fdeleting_id = line->fid;
    run_dialog(tag_ontop_delete, u"Delete Bill Item [" + line->ftext + u"] ?");
}
