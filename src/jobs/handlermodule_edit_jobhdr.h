// The job order view (page 14): a job's number, its account's name and its lines, read only.
// Enter opens a line (page 13) in place of the order; Ctrl+Home switches to choosing another
// account for the order (in the page's record only), Enter on an account takes it, Esc returns.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "containers/list_flat.h"
#include "jobs/job_account_choice.h"
#include "jobs/records_jobs.h"
#include "pages/handlermodule_page.h"
#include "values/datarecord.h"

class thandler_class;

class Thandlermodule_edit_jobhdr : public Thandlermodule_page {
public:
    static constexpr int16_t pageno = 14;
    static constexpr int32_t tag_account_name = 108;
    static constexpr int32_t tag_edit_account = 109;
    static constexpr int32_t tag_grid_lines = 203;
    static constexpr int32_t tag_grid_accounts = 303;
    static constexpr int32_t tag_order_no = 105;

    Thandlermodule_edit_jobhdr(tpage_controller_generic* aowner, thandler_type ahandler_type,
                               tgraphbox_generic* agraphbox);
    ~Thandlermodule_edit_jobhdr() override;
    const char* class_name() const override { return "Thandlermodule_edit_jobhdr"; }
    // Form Tform_page_edit_jobhdr, record tparams_edit_jobhdr.
    static const thandler_class& handler_class();

    void once_created() override;
    void save_params(tparams_generic& aparams) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;
    bool get_readonly() const override { return ftabno == 0; }

    // Columns: line number, part number, description, quantity, line total; "??" outside the list.
    std::u16string get_cell_text(int32_t arow, int32_t acol) const;
    int32_t job_id() const { return frecord.get_is_field_assigned(0) ? frecord.get_field_asl(0) : -1; }
    // 0 viewing, 1 choosing an account; any other step raises.
    void next_tab(int16_t atabno);

    tdbrecord_job_hdr frecord;
    tlist_flat<trecord_jobln> flist_lines;
    std::u16string faccount_text;
    std::u16string fsearch;
    int16_t ftabno = 0;
    int32_t frecord_id = -1;
    int16_t frecord_lineno = 0;
    std::unique_ptr<tjob_account_choice> fchoice;

private:
    bool key_viewing(uint16_t akey);
    bool key_choosing(uint16_t akey);
    void open_line();
};
