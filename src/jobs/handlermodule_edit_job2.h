// The job-line view (page 13): one line of a job with its account's name, read only. Ctrl+Home
// (except in the notes, where it belongs to the memo) opens the job's order in place of this
// page; F7 opens the same line on the view with account choice (page 12), also in place.
#pragma once

#include <cstdint>
#include <string>

#include "pages/handlermodule_page.h"
#include "values/datarecord.h"

class thandler_class;

class Thandlermodule_edit_job2 : public Thandlermodule_page {
public:
    static constexpr int16_t pageno = 13;
    static constexpr int32_t tag_account_name = 105;
    static constexpr int32_t tag_edit_partno = 203;
    static constexpr int32_t tag_memo_notes = 219;
    static constexpr int32_t tag_fieldlinks = 102;

    Thandlermodule_edit_job2(tpage_controller_generic* aowner, thandler_type ahandler_type,
                             tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_edit_job2"; }
    // Form Tform_page_edit_job2, record tparams_edit_job.
    static const thandler_class& handler_class();

    void bind_data() override;
    void once_created() override;
    void save_params(tparams_generic& aparams) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    // The fields only show the line.
    bool get_readonly() const override { return true; }

    // The record's job id and line number; -1 when the line was not found.
    int32_t job_id() const;
    int16_t job_lineno() const;

    tdbconstruct_job frecord;
    std::u16string faccount_text;

protected:
    // Ctrl+Home outside the notes memo.
    bool is_order_key(uint16_t akey, tshift_state ashift, bool as_keyup) const;
    void open_order();
    // Loads the line of the parameters, looks its account's name up and fills the controls.
    void load_line();
    void show_account_name();
};
