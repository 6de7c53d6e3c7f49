#include "property/handlermodule_edit_cpinvoice_billitem.h"

#include "pages/page_support.h"
#include "controls/container_controls_generic.h"
#include "controls/control_messages.h"
#include "controls/control_kinds.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/panel.h"
#include "controls/platform.h"
#include "controls/text_controls.h"
#include "database/datamodule_database_customers.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form_editable.h"
#include "pages/search_grid_link.h"
#include "procs/message_format.h"
#include "property/datamodule_bill_item.h"
#include "property/datamodule_cp_site.h"
#include "property/debug_dumps.h"
#include "values/params_generic.h"

namespace {

const Tform_page_editable_generic& edit_line_form() {
    static const Tform_page_editable_generic form("Tform_page_edit_cpinvoice_billitem",
                                                  Tform_page2::embedded_text("form_page_edit_cpinvoice_billitem"));
    return form;
}

constexpr int32_t tag_panel_details = Thandlermodule_edit_generic::tag_panel_edit;

}  // namespace

Thandlermodule_edit_cpinvoice_billitem::Thandlermodule_edit_cpinvoice_billitem(tpage_controller_generic* aowner,
                                                                               thandler_type ahandler_type,
                                                                               tgraphbox_generic* agraphbox)
    : Thandlermodule_edit_generic(aowner, ahandler_type, agraphbox),
      fsearch(std::make_unique<Tdatamodule_search_bill_item>(Tdatamodule_database_customers::instance())),
      fsearch_link(std::make_unique<tsearch_grid_link>(*this, *fsearch, tag_grid_search)) {
    frecord = std::make_unique<tdbrecord_cp_invoice_billitem2>();
    frecord0 = std::make_unique<tdbrecord_cp_invoice_billitem2>();
}

Thandlermodule_edit_cpinvoice_billitem::~Thandlermodule_edit_cpinvoice_billitem() = default;

const thandler_class& Thandlermodule_edit_cpinvoice_billitem::handler_class() {
    static const thandler_class c("Thandlermodule_edit_cpinvoice_billitem",
                                  &handler_factory_of<Thandlermodule_edit_cpinvoice_billitem>, &edit_line_form(),
                                  &tparams_edit_cpinvoice_billitem::static_class(), true);
    return c;
}

tvelmor_grid& Thandlermodule_edit_cpinvoice_billitem::grid_search() { return control<tvelmor_grid>(tag_grid_search); }

tvelmor_edit& Thandlermodule_edit_cpinvoice_billitem::edit_bill_item() {
    return control<tvelmor_edit>(tag_edit_bill_item);
}

int16_t Thandlermodule_edit_cpinvoice_billitem::bill_qty_type() const {
    const int32_t index = frecord->get_field_index1("bill_qty_type");
    return frecord->get_field_is_assigned(index) ? frecord->get_assmallint1(index) : int16_t{0};
}

void Thandlermodule_edit_cpinvoice_billitem::once_created() {
    if (fparams) load_line();
}

void Thandlermodule_edit_cpinvoice_billitem::load_line() {
    const auto* params = dynamic_cast<const tparams_edit_cpinvoice_billitem*>(fparams.get());
    if (!params) return;
    const int32_t id = params->fid_cpinvoice;
    const int16_t lineno = params->flineno;
    fis_newrecord = lineno == -1;
    auto& record = static_cast<tdbrecord_cp_invoice_billitem2&>(*frecord);
    if (fis_newrecord) {
        // The database numbers the line when it is inserted; a new line starts as a metered one.
        record.clear();
        record.set_aslongint1(record.get_field_index1("id"), id);
        record.set_assmallint1(record.get_field_index1("bill_qty_type"), 0);
    } else {
        if (!Tdatamodule_bill_item::get_cpinvoice_billitem(record, id, lineno))
            throw tvelmor_exception("Template Line %d of %d not found in %s.handle_resize();", lineno, id, class_name());
        edit_bill_item().set_text(
            Tdatamodule_cp_site::lookup_bill_item_code(record.get_aslongint1(record.get_field_index1("bill_item"))));
        control<tvelmor_label>(tag_label_id).caption = utf8_to_utf16(std::to_string(lineno));
    }
    show_ratio(bill_qty_type() == qty_type_ratio, false);
    floaded = true;
    set_focused_tag(tag_edit_bill_item, true);
}

void Thandlermodule_edit_cpinvoice_billitem::handle_resize(bool as_skip_draw) {
    if (!floaded) throw tvelmor_exception("Unassigned params in %s.handle_resize();", class_name());
    // Taken at creation; the controller must be done with them before they go.
    fparams.reset();
    Thandlermodule_edit_generic::handle_resize(as_skip_draw);
}

void Thandlermodule_edit_cpinvoice_billitem::show_ratio(bool avisible, bool as_draw) {
    fvisible_bill_qty_ratio = avisible;
    fcontrols->get_panel(tag_panel_ratio)->visible = avisible && fsubtabpageno == 0;
    if (!as_draw) return;
    if (fcontrols->get_panel(tag_panel_ratio)->visible)
        get_messages().add_message(501, jt_draw_panel, fhandler_type, tag_panel_ratio);
    else
        get_messages().add_message(501, jt_erase_panel, fhandler_type, tag_panel_ratio, 0);
}

// The search takes the place of the details (and of the ratio) while it shows.
void Thandlermodule_edit_cpinvoice_billitem::set_subtabpageno(int16_t asubtabpageno) {
    if (asubtabpageno == fsubtabpageno) return;
    fsubtabpageno = asubtabpageno;
    const bool search = asubtabpageno == 1;
    fcontrols->get_panel(tag_panel_details)->visible = !search;
    fcontrols->get_panel(tag_panel_ratio)->visible = !search && fvisible_bill_qty_ratio;
    fcontrols->get_panel(tag_panel_search)->visible = search;
    get_messages().add_message(501, jt_erase_panel, fhandler_type, search ? tag_panel_details : tag_panel_search, 0);
    get_messages().add_message(501, jt_draw_panel, fhandler_type, search ? tag_panel_search : tag_panel_details);
    if (!search && fvisible_bill_qty_ratio) get_messages().add_message(501, jt_draw_panel, fhandler_type, tag_panel_ratio);
}

bool Thandlermodule_edit_cpinvoice_billitem::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ashift == 0 && fsubtabpageno == 1) {
        switch (akey) {
            case tvk::enter:
                if (!as_keyup) take_search_line();
                return true;
            case tvk::escape:
                if (!as_keyup) set_subtabpageno(0);
                return true;
            case tvk::prior:
            case tvk::next:
            case tvk::up:
            case tvk::down:
                return fcontrols->send_key(tag_grid_search, canvas(), fgraphbox->ffont_tag, false, akey, ashift, as_keyup);
            default: break;
        }
    }
    // The page has no menu.
    if (ashift == 0 && akey == tvk::f7) return true;
    return Thandlermodule_edit_generic::handle_keydown(akey, ashift, as_keyup);
}

void Thandlermodule_edit_cpinvoice_billitem::take_search_line() {
    const int32_t row = grid_search().row;
    if (row < 0 || row >= fsearch->line_count()) return;
    frecord->set_aslongint1(frecord->get_field_index1("bill_item"), fsearch->line_id(row));
    edit_bill_item().set_text(fsearch->line_code(row));
    set_modified(true, tag_edit_bill_item);
    set_subtabpageno(0);
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_edit_bill_item);
}

bool Thandlermodule_edit_cpinvoice_billitem::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg == tmsg_code::edit_text_changed && atag == tag_edit_bill_item) {
        set_subtabpageno(1);
        fsearch_link->search(trim_search_text(edit_bill_item().get_text()));
        return true;
    }
    // The code typed is not the line's value: only a bill item taken from the search is.
    if (amsg == tmsg_code::edit_changed && atag == tag_edit_bill_item) return true;
    if (amsg == tmsg_code::grid_moved && atag == tag_grid_search) {
        fsearch_link->data_request(static_cast<tmsg_params_grid_moved*>(aparams)->how);
        return true;
    }
    if (amsg == tmsg_code::combobox_changed && atag == tag_combobox_qty_type) {
        Thandlermodule_edit_generic::callback_message(aparams, atag, amsg);
        show_ratio(bill_qty_type() == qty_type_ratio, true);
        return true;
    }
    return Thandlermodule_edit_generic::callback_message(aparams, atag, amsg);
}

void Thandlermodule_edit_cpinvoice_billitem::save_changes() {
    const int32_t item = frecord->get_field_index1("bill_item");
    // A line without a bill item would bill nothing under an empty description.
    if (!frecord->get_field_is_assigned(item) || frecord->get_aslongint1(item) == 0)
        throw tvelmor_exception("Choose the line's bill item: type the start of its code and take it with Enter.");
    save_record_ejt(ejt_line, *frecord, *frecord0, fis_newrecord, class_name(),
                    [this](tejt_generic& aejt) { tdebug_dumps::show_ejt(aejt, class_name()); });
    fis_newrecord = false;
}

void Thandlermodule_edit_cpinvoice_billitem::commit_edit() {
    Thandlermodule_edit_generic::commit_edit();
    if (fowner) fowner->page_exit();
}

void Thandlermodule_edit_cpinvoice_billitem::show_debug101() { tdebug_dumps::toggle(); }

void Thandlermodule_edit_cpinvoice_billitem::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme,
                                                           const trect& arect, int32_t arow, int32_t acol) {
    fsearch_link->paint(acontrol, atheme, arect, arow, acol);
}
