// The job-line view with account choice (page 12): the line view's fields (without the title),
// and Ctrl+Home outside the notes switches to choosing another account for the line: the edit in
// the name's place searches the accounts below, Enter on one takes it (in the page's record only)
// and Esc returns to viewing.
#pragma once

#include <cstdint>
#include <memory>

#include "jobs/handlermodule_edit_job2.h"
#include "jobs/job_account_choice.h"

class Thandlermodule_edit_job : public Thandlermodule_edit_job2 {
public:
    static constexpr int16_t pageno = 12;
    static constexpr int32_t tag_edit_account = 104;
    static constexpr int32_t tag_grid_accounts = 303;

    Thandlermodule_edit_job(tpage_controller_generic* aowner, thandler_type ahandler_type,
                            tgraphbox_generic* agraphbox);
    ~Thandlermodule_edit_job() override;
    const char* class_name() const override { return "Thandlermodule_edit_job"; }
    // Form Tform_page_edit_job, record tparams_edit_job.
    static const thandler_class& handler_class();

    void once_created() override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;
    // Only the account edit takes typing, while choosing.
    bool get_readonly() const override { return ftabno == 0; }

    // 0 viewing, 1 choosing an account; any other step raises.
    void next_tab(int16_t atabno);

    int16_t ftabno = 0;
    std::u16string fsearch;
    std::unique_ptr<tjob_account_choice> fchoice;

private:
    bool key_choosing(uint16_t akey, tshift_state ashift);
};
