#include "property/handlermodule_show_cpinvoice2.h"

#include <filesystem>

#include "pages/grid_cell_text.h"
#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/procs_drawing.h"
#include "controls/procs_velmor.h"
#include "database/datamodule_database_customers.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "procs/message_format.h"
#include "property/invoice_cpunit_data.h"
#include "property/invoice_cpunit_draw.h"
#include "property/invoice_cpunit_post.h"
#include "property/site_params.h"
#include "values/params_generic.h"
#include "xml/datamodule_inifile.h"

namespace {

constexpr int16_t priority_tasks = 301;
constexpr int16_t priority_lines = 302;
constexpr int32_t font_lines = 102 * 256 + 10;  // arial 10

const Tform_page2& invoice_form() {
    static const Tform_page2 form("Tform_page_show_cpinvoice2", Tform_page2::embedded_text("form_page_show_cpinvoice2"));
    return form;
}

}  // namespace

Thandlermodule_show_cpinvoice2::Thandlermodule_show_cpinvoice2(tpage_controller_generic* aowner,
                                                               thandler_type ahandler_type, tgraphbox_generic* agraphbox)
    : Thandlermodule_page(aowner, ahandler_type, agraphbox), fmodule(Tdatamodule_database_customers::instance()) {}

const thandler_class& Thandlermodule_show_cpinvoice2::handler_class() {
    static const thandler_class c("Thandlermodule_show_cpinvoice2",
                                  &handler_factory_of<Thandlermodule_show_cpinvoice2>, &invoice_form(),
                                  &tparams_id::static_class(), true);
    return c;
}

tvelmor_grid& Thandlermodule_show_cpinvoice2::grid() { return control<tvelmor_grid>(tag_grid); }

void Thandlermodule_show_cpinvoice2::once_laid_out() {
    fid_unit = take_params_id(*this, "Unassigned params in %s.run_task();");
    set_focused_tag(tag_grid, true);
    get_messages().add_message(priority_tasks, jt_run_task, fhandler_type, task_unit);
    get_messages().add_message(priority_tasks, jt_run_task, fhandler_type, task_billable);
}

void Thandlermodule_show_cpinvoice2::set_label(int32_t atag, const std::u16string& acaption) {
    control<tvelmor_label>(atag).set_caption(acaption);
    get_messages().add_message(501, jt_draw_control, fhandler_type, atag);
}

void Thandlermodule_show_cpinvoice2::run_task(int32_t atag, int32_t aparam) {
    switch (atag) {
        case task_unit:
            if (!tinvoice_cpunit_data::load_unit(frecord, fid_unit))
                throw tvelmor_exception("Unit %d not found in %s.run_task();", fid_unit, class_name());
            set_label(tag_label_account, frecord.faccount1);
            set_label(tag_label_site, frecord.fsite1);
            set_label(tag_label_unit, frecord.funit2);
            get_messages().add_message(priority_lines, jt_run_task, fhandler_type, task_lines);
            return;
        case task_billable:
            frecord.fmeters[0] = frecord.fmeters[1] = tinvoice_meter{};
            fmodule.load_unit_billable_qtys(*this, 101, fid_unit, nullptr);
            set_label(tag_label_water, tinvoice_cpunit_draw::meter_text(frecord.fmeters[0]));
            set_label(tag_label_power, tinvoice_cpunit_draw::meter_text(frecord.fmeters[1]));
            return;
        case task_lines:
            flines_template = tinvoice_cpunit_data::load_template(frecord);
            flines_invoice = tinvoice_cpunit::build_lines(frecord, flines_template);
            grid().set_rowcount(static_cast<int32_t>(flines_invoice.size()));
            get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid);
            return;
        case task_leave:
            fowner->page_exit();
            return;
        default: Thandlermodule_page::run_task(atag, aparam);
    }
}

void Thandlermodule_show_cpinvoice2::load_data(tfb_query* aquery, int32_t atag, tdatarecord2* arecord) {
    if (atag != 101 || !aquery) {
        Thandlermodule_page::load_data(aquery, atag, arecord);
        return;
    }
    const int16_t bill_type = tinvoice_cpunit_data::read_billable_row(*aquery, frecord);
    if (bill_type != 1 && bill_type != 2)
        throw tvelmor_exception("Unsupported BillType value %d in %s.load_data();", bill_type, class_name());
}

bool Thandlermodule_show_cpinvoice2::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ashift == 0) {
        switch (akey) {
            case tvk::escape:
                if (!as_keyup && !fposted) fowner->page_exit();
                return true;
            case tvk::f2:
                if (!as_keyup) post_invoice();
                return true;
            case tvk::f7:
                if (!as_keyup) save_pdf();
                return true;
            default: break;
        }
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_show_cpinvoice2::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg == tmsg_code::ontop_closed && atag == tag_ontop_menu) {
        const int32_t result = aparams ? static_cast<tmsg_params_ontop_result*>(aparams)->result : -1;
        // The page menu: "Save as PDF...".
        if (result == 0) save_pdf();
        return true;
    }
    return Thandlermodule_page::callback_message(aparams, atag, amsg);
}

void Thandlermodule_show_cpinvoice2::post_invoice() {
    // Until the lines are built there is nothing to post; once posted, the page is on its way out.
    if (fposted || frecord.funit1 == 0 || grid().rowcount == 0) return;
    finvoice_no = tinvoice_cpunit_post::post(frecord, flines_invoice);
    fposted = true;
    // Left through the queue: keys that arrive before then find the page posted.
    get_messages().add_message(priority_tasks, jt_run_task, fhandler_type, task_leave);
    // A draft saved during this visit is followed by the invoice itself, with its number, in
    // the same folder: the page leaves, so there is no other moment to write it.
    if (!fpdf_folder.empty()) write_pdf(fpdf_folder);
}

std::string Thandlermodule_show_cpinvoice2::pdf_file_name() const {
    if (finvoice_no > 0) return "invoice_" + std::to_string(finvoice_no) + ".pdf";
    return "invoice_draft_unit" + std::to_string(fid_unit) + ".pdf";
}

std::string Thandlermodule_show_cpinvoice2::save_pdf() {
    if (flines_invoice.empty()) return {};
    std::u16string folder;
    if (!tplatform::instance().select_folder(folder, u"Save the invoice as PDF in")) return {};
    fpdf_folder = utf16_to_utf8(folder);
    return write_pdf(fpdf_folder);
}

std::string Thandlermodule_show_cpinvoice2::write_pdf(const std::string& afolder) {
    tinvoice_document document;
    const Tdatamodule_database_customers& database = fmodule.fdatabase;
    if (database.finifile && database.database_no() >= 0)
        document.ffirm = utf8_to_utf16(database.finifile->get_domain_name(database.database_no()));
    document.finvoice_no = finvoice_no;
    document.funit = frecord;
    document.flines = flines_invoice;
    const std::string filename = (std::filesystem::path(afolder) / pdf_file_name()).string();
    tplatform::instance().write_pdf_a4(filename, tinvoice_cpunit_draw::page_count(document),
                                       [&](tcanvas& acanvas, tsize asize, int32_t apage) {
                                           tinvoice_cpunit_draw::draw_page(acanvas, asize, document, apage);
                                       });
    return filename;
}

void Thandlermodule_show_cpinvoice2::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                                                   int32_t arow, int32_t acol) {
    if (acontrol->tag != tag_grid) return;
    if (arow < 0 || arow >= static_cast<int32_t>(flines_invoice.size())) {
        paint_grid_cell_text(*this, acontrol, atheme, arect, arow, acol, u"");
        return;
    }
    if (acol == 0) {
        paint_grid_cell_text(*this, acontrol, atheme, arect, arow, acol, utf8_to_utf16(std::to_string(arow + 1)));
        return;
    }
    auto& g = static_cast<tvelmor_customgrid&>(*acontrol);
    tcanvas& c = canvas();
    tprocs_font::set_font(c, fgraphbox->ffont_tag, font_lines);
    tprocs_velmor::set_grid_cell_colors(c, g, arow, acol, atheme);
    c.set_brush_style(tbrush_style::bs_solid);
    c.fill_rect(arect);
    tinvoice_cpunit_draw::draw_line(c, arect, flines_invoice[static_cast<size_t>(arow)],
                                    tinvoice_cpunit_draw::screen_widths);
}
