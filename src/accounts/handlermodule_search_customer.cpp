#include "accounts/handlermodule_search_customer.h"

#include "accounts/csv_source_customers.h"
#include "pages/page_support.h"
#include "accounts/handlermodule_edit_account.h"
#include "accounts/handlermodule_edit_contact.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/text_controls.h"
#include "database/datamodule_database_customers.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "procs/procs_string.h"
#include "values/params_generic.h"

namespace {

constexpr int32_t tag_header_plus = 9901;
constexpr int32_t tag_header_minus = 9902;
constexpr int32_t answer_yes = 6;

const Tform_page2& search_form() {
    static const Tform_page2 form("Tform_page_search_customer",
                                  Tform_page2::embedded_text("form_page_search_customer"));
    return form;
}

}  // namespace

Thandlermodule_search_customer::Thandlermodule_search_customer(tpage_controller_generic* aowner,
                                                               thandler_type ahandler_type,
                                                               tgraphbox_generic* agraphbox)
    : Thandlermodule_page(aowner, ahandler_type, agraphbox),
      fmodule(std::make_unique<Tdatamodule_search_customer>(Tdatamodule_database_customers::instance())),
      flink(*this, *fmodule, tag_grid) {}

const thandler_class& Thandlermodule_search_customer::handler_class() {
    static const thandler_class c("Thandlermodule_search_customer",
                                  &handler_factory_of<Thandlermodule_search_customer>, &search_form(),
                                  &tparams_search_customer::static_class());
    return c;
}

tvelmor_grid& Thandlermodule_search_customer::grid() { return flink.grid(); }

tvelmor_edit& Thandlermodule_search_customer::edit() { return control<tvelmor_edit>(tag_edit); }

void Thandlermodule_search_customer::once_created() {
    if (auto* params = dynamic_cast<tparams_search_customer*>(fparams.get())) fsearch = params->fsearch;
    edit().set_text(fsearch);
    set_focused_tag(tag_edit, true);
}

void Thandlermodule_search_customer::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_search_customer*>(&aparams)) {
        params->frow_start = grid().row;
        params->fsearch = fsearch;
    }
}

void Thandlermodule_search_customer::once_laid_out() {
    if (auto* params = dynamic_cast<tparams_search_customer*>(fparams.get())) {
        fsearch = trim_search_text(params->fsearch);
        flink.fill(fsearch, params->frow_start);
        fparams.reset();
    } else {
        fsearch = trim_search_text(fsearch);
        flink.fill(fsearch);
    }
}

bool Thandlermodule_search_customer::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (tcsv_export::handle_key(fexport, akey, ashift, as_keyup)) return true;
    if (!as_keyup && ashift == 0) {
        switch (akey) {
            case tvk::enter: enter_current_line(); return true;
            case tvk::escape: fowner->page_exit(); return true;
            case tvk::insert: fowner->run_menu(true); return true;
            case tvk::del: ask_delete(); return true;
            default: break;
        }
    }
    // Arrows and page keys reach the grid through the focused control when it is the grid;
    // from the edit they move the grid all the same.
    if (!as_keyup && ashift == 0 && ffocused_tag == tag_edit && (akey == tvk::prior || akey == tvk::next || akey == tvk::up || akey == tvk::down))
        return fcontrols->send_key(tag_grid, canvas(), fgraphbox->ffont_tag, get_readonly(), akey, ashift, as_keyup);
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

void Thandlermodule_search_customer::enter_current_line() {
    const int32_t row = grid().row;
    if (row < 0 || row >= fmodule->line_count()) return;
    const int16_t type = fmodule->line_record_type(row);
    if (type != 0 && type != 1)
        throw tvelmor_exception("Unsupported record_type %d in %s.handle_keydown();", type, class_name());
    const int32_t id = fmodule->line_id(row);
    if (type == 0) {
        const tparam_value params[] = {int64_t{id}, false};
        fowner->page_enter(Thandlermodule_edit_contact::handler_class(), params, false);
    } else {
        const tparam_value params[] = {int64_t{id}};
        fowner->page_enter(Thandlermodule_edit_account::handler_class(), params, false);
    }
}

bool Thandlermodule_search_customer::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    // The result must not change under an export.
    if (fexport) return true;
    switch (amsg) {
        case tmsg_code::grid_moved:
            if (atag == tag_grid) flink.data_request(static_cast<tmsg_params_grid_moved*>(aparams)->how);
            return true;
        case tmsg_code::edit_text_changed:
            if (atag == tag_edit) {
                fsearch = trim_search_text(edit().get_text());
                flink.search(fsearch);
            }
            return true;
        case tmsg_code::button_pressed:
            if (atag == tag_header_plus) fowner->run_menu(false);
            if (atag == tag_header_minus) ask_delete();
            return true;
        case tmsg_code::ontop_closed: {
            const int32_t result = static_cast<tmsg_params_ontop_result*>(aparams)->result;
            if (atag == tag_ontop_delete && result == answer_yes) delete_line();
            if (atag == tag_ontop_menu && result == 0) {
                const tparam_value params[] = {int64_t{-1}};
                fowner->page_enter(Thandlermodule_edit_account::handler_class(), params, false);
            }
            if (atag == tag_ontop_menu && result == 1) {
                const tparam_value params[] = {int64_t{-1}, true};
                fowner->page_enter(Thandlermodule_edit_contact::handler_class(), params, false);
            }
            if (atag == tag_ontop_menu && result == 2)
                fexport = tcsv_export::start(*this, get_messages(), u"customers.csv",
                                             std::make_unique<tcsv_source_customers>(
                                                 Tdatamodule_database_customers::instance(), fsearch));
            return true;
        }
        default: return Thandlermodule_page::callback_message(aparams, atag, amsg);
    }
}

void Thandlermodule_search_customer::ask_delete() {
    frow = grid().row;
    if (frow < 0 || frow >= fmodule->line_count()) return;
    const int16_t type = fmodule->line_record_type(frow);
    if (type != 0 && type != 1) return;
    run_dialog(tag_ontop_delete, std::u16string(u"Delete ") + (type == 0 ? u"Contact" : u"Account") + u" [" +
                                     fmodule->line_name(frow) + u"] ?    ( Y / N )");
}

void Thandlermodule_search_customer::delete_line() {
    if (frow < 0 || frow >= fmodule->line_count()) return;
    const int16_t type = fmodule->line_record_type(frow);
    send_soft_delete(type == 0 ? 201 : 101, fmodule->line_id(frow));
    fmodule->delete_line(frow);
    tvelmor_grid& g = grid();
    if (g.rowcount > fmodule->line_count()) g.set_rowcount(fmodule->line_count());
    flink.redraw();
}

void Thandlermodule_search_customer::run_task(int32_t atag, int32_t) { tcsv_export::run_task(fexport, atag); }

void Thandlermodule_search_customer::control_draw(int32_t atag) {
    if (atag >= 101 && atag <= 104) draw_control(atag, false);
}

void Thandlermodule_search_customer::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme,
                                                   const trect& arect, int32_t arow, int32_t acol) {
    flink.paint(acontrol, atheme, arect, arow, acol);
}
