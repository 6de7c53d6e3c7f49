// The job search (page 11), in two steps: step 0 chooses an account (Enter on an account, or Tab
// for all accounts), step 1 searches the job lines of that choice by part-number prefix or by a
// text in the description or notes; Shift+Tab goes back to step 0, Enter opens the line view in
// place of this page.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "accounts/datamodule_search_account.h"
#include "jobs/datamodule_search_job.h"
#include "pages/search_grid_link.h"
#include "pages/handlermodule_page.h"
#include "values/params_generic.h"

class thandler_class;

// Where the search starts: step 0, or step 1 with faccount chosen (-1: all accounts).
class tparams_search_job : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_search_job(tdrop_point adrop_point = dp_once_created) : tparams_generic(adrop_point) {
        apply_defaults();
    }
    int16_t ftabno = 0;
    int32_t faccount = -1;
};

class Thandlermodule_search_job : public Thandlermodule_page {
public:
    static constexpr int16_t pageno = 11;
    static constexpr int32_t tag_edit_account = 103;
    static constexpr int32_t tag_label_account = 104;
    static constexpr int32_t tag_edit_job = 107;
    static constexpr int32_t tag_bevel = 108;
    static constexpr int32_t tag_panel_accounts = 2102;
    static constexpr int32_t tag_panel_jobs = 2103;
    static constexpr int32_t tag_grid_accounts = 203;
    static constexpr int32_t tag_grid_jobs = 303;

    Thandlermodule_search_job(tpage_controller_generic* aowner, thandler_type ahandler_type,
                              tgraphbox_generic* agraphbox);
    ~Thandlermodule_search_job() override;
    const char* class_name() const override { return "Thandlermodule_search_job"; }
    // Form Tform_page_search_job, record tparams_search_job.
    static const thandler_class& handler_class();

    void once_created() override;
    void save_params(tparams_generic& aparams) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;

    tsearch_grid_link& accounts() { return *faccounts; }
    tsearch_grid_link& jobs() { return *fjobs; }
    // The chosen account's name as shown in step 1.
    std::u16string account_caption();

    std::u16string fsearch;
    int16_t ftabno = 0;
    // The account whose lines step 1 searches; -1 for all accounts.
    int32_t faccount = Tdatamodule_search_job::all_accounts;

protected:
    void once_laid_out() override;

private:
    // Step 0 to step 1 with the account of agrid_row (no row: all accounts).
    void choose_account(int32_t agrid_row);
    void to_lines(int32_t aaccount, const std::u16string& aname);
    void back_to_accounts();
    void swap_panels(int32_t apanel_old, int32_t apanel_new);
    void open_line();
    tsearch_grid_link& current();

    std::unique_ptr<Tdatamodule_search_account> fmodule_account;
    std::unique_ptr<Tdatamodule_search_job> fmodule_job;
    std::unique_ptr<tsearch_grid_link> faccounts;
    std::unique_ptr<tsearch_grid_link> fjobs;
};
