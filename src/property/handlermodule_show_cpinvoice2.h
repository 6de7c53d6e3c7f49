// The unit invoice (page 32): the unit's account, site and meters, the invoice lines its two
// templates give for the billable quantities, posting (F2) and the invoice as a PDF document
// (F7 or the page menu's "Save as PDF...").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/handlermodule_page.h"
#include "property/datamodule_cp_site.h"
#include "property/invoice_cpunit.h"

class thandler_class;
class tvelmor_grid;

class Thandlermodule_show_cpinvoice2 : public Thandlermodule_page {
public:
    static constexpr int16_t pageno = 32;
    static constexpr int32_t tag_label_account = 105;
    static constexpr int32_t tag_label_site = 108;
    static constexpr int32_t tag_label_unit = 111;
    static constexpr int32_t tag_label_water = 114;
    static constexpr int32_t tag_label_power = 117;
    static constexpr int32_t tag_grid = 118;
    static constexpr int32_t tag_ontop_menu = 9201;
    static constexpr int32_t task_unit = 101;
    static constexpr int32_t task_billable = 102;
    static constexpr int32_t task_lines = 103;
    static constexpr int32_t task_leave = 104;

    Thandlermodule_show_cpinvoice2(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                   tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_show_cpinvoice2"; }
    // Form Tform_page_show_cpinvoice2, record tparams_id (the unit).
    static const thandler_class& handler_class();

    void run_task(int32_t atag, int32_t aparam) override;
    void load_data(tfb_query* aquery, int32_t atag, tdatarecord2* arecord) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;

    // Posts the invoice and queues leaving the page; does nothing once posted. When a PDF was
    // saved during this visit, the posted invoice is written beside it with its number.
    void post_invoice();
    // Asks for a folder and writes the invoice there as a PDF; returns the file written, or an
    // empty text when the user cancelled.
    std::string save_pdf();
    std::string write_pdf(const std::string& afolder);
    // The PDF's file name: "invoice_<number>.pdf", or "invoice_draft_unit<id>.pdf" before posting.
    std::string pdf_file_name() const;
    tvelmor_grid& grid();

    int32_t fid_unit = 0;
    tinvoice_unit frecord;
    std::vector<tline_template> flines_template;
    std::vector<tline_invoice> flines_invoice;
    Tdatamodule_cp_site fmodule;
    // The invoice's number once posted (0 before).
    int32_t finvoice_no = 0;
    // Set by the post: the page is leaving, and a second F2 meanwhile does nothing.
    bool fposted = false;
    // The folder the user chose for a PDF during this visit.
    std::string fpdf_folder;

protected:
    void once_laid_out() override;

private:
    void set_label(int32_t atag, const std::u16string& acaption);

};
