#include "jobs/handlermodule_search_job.h"

#include "pages/page_support.h"
#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/panel.h"
#include "controls/text_controls.h"
#include "database/datamodule_database_customers.h"
#include "jobs/datamodule_jobs.h"
#include "jobs/handlermodule_edit_job2.h"
#include "jobs/job_page_controls.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"

namespace {

constexpr int32_t tag_lines_accounts = 106;
constexpr int32_t tag_lines_jobs = 107;

const Tform_page2& search_job_form() {
    static const Tform_page2 form("Tform_page_search_job", Tform_page2::embedded_text("form_page_search_job"));
    return form;
}

}  // namespace

const tclass_info& tparams_search_job::static_class() {
    return describe_class<tparams_search_job, tparams_generic>(
        "tparams_search_job",
        {prop<&tparams_search_job::ftabno>("tabno"), prop<&tparams_search_job::faccount>("account").def(-1)});
}

Thandlermodule_search_job::Thandlermodule_search_job(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                                     tgraphbox_generic* agraphbox)
    : Thandlermodule_page(aowner, ahandler_type, agraphbox),
      fmodule_account(std::make_unique<Tdatamodule_search_account>(Tdatamodule_database_customers::instance())),
      fmodule_job(std::make_unique<Tdatamodule_search_job>(Tdatamodule_database_customers::instance())),
      faccounts(std::make_unique<tsearch_grid_link>(*this, *fmodule_account, tag_grid_accounts, tag_lines_accounts, 2)),
      fjobs(std::make_unique<tsearch_grid_link>(*this, *fmodule_job, tag_grid_jobs, tag_lines_jobs, 3)) {}

Thandlermodule_search_job::~Thandlermodule_search_job() = default;

const thandler_class& Thandlermodule_search_job::handler_class() {
    static const thandler_class c("Thandlermodule_search_job", &handler_factory_of<Thandlermodule_search_job>,
                                  &search_job_form(), &tparams_search_job::static_class());
    return c;
}

tsearch_grid_link& Thandlermodule_search_job::current() { return ftabno == 0 ? *faccounts : *fjobs; }

std::u16string Thandlermodule_search_job::account_caption() {
    return control<tvelmor_label>(tag_label_account).caption;
}

void Thandlermodule_search_job::once_created() {
    faccounts->install();
    fjobs->install();
    set_focused_tag(tag_edit_account, true);
    // Entered from an account: its lines at once.
    if (const auto* params = dynamic_cast<const tparams_search_job*>(fparams.get()); params && params->ftabno == 1) {
        std::u16string name;
        if (params->faccount != Tdatamodule_search_job::all_accounts)
            name = Tdatamodule_jobs(Tdatamodule_database_customers::instance()).get_account_name(params->faccount);
        to_lines(params->faccount, name);
    }
}

void Thandlermodule_search_job::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_search_job*>(&aparams)) {
        params->ftabno = ftabno;
        params->faccount = faccount;
    }
}

void Thandlermodule_search_job::once_laid_out() {
    // The grids know their visible rows only now.
    if (ftabno == 0)
        faccounts->search(fsearch);
    else
        fjobs->search(u"");
}

bool Thandlermodule_search_job::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (as_keyup || (ashift != 0 && ashift != ss_shift)) return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
    const bool shift = ashift == ss_shift;
    switch (akey) {
        case tvk::tab:
            // Tab takes all accounts in step 0, Shift+Tab goes back from step 1; the other way
            // round there is nowhere to go.
            if (ftabno == 0 && !shift) choose_account(-1);
            if (ftabno == 1 && shift) back_to_accounts();
            return true;
        case tvk::enter:
            if (ftabno == 0)
                choose_account(faccounts->grid().row);
            else
                open_line();
            return true;
        case tvk::escape: fowner->page_exit(); return true;
        case tvk::prior:
        case tvk::next:
        case tvk::up:
        case tvk::down:
            return fcontrols->send_key(current().tag_grid(), canvas(), fgraphbox->ffont_tag, get_readonly(), akey,
                                       ashift, as_keyup);
        default: break;
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

void Thandlermodule_search_job::choose_account(int32_t agrid_row) {
    if (!faccounts->has_line(agrid_row)) {
        to_lines(Tdatamodule_search_job::all_accounts, u"");
        return;
    }
    to_lines(fmodule_account->line_id(agrid_row), fmodule_account->line_name(agrid_row));
}

void Thandlermodule_search_job::to_lines(int32_t aaccount, const std::u16string& aname) {
    control<tvelmor_control>(tag_edit_account).visible = false;
    control<tvelmor_label>(tag_label_account).caption = aname;
    show_control(*this, tag_label_account, true);
    control<tvelmor_edit>(tag_edit_job).set_text(u"");
    swap_panels(tag_panel_accounts, tag_panel_jobs);
    // The account edit losing the focus is hidden: only the job edit is drawn.
    set_focused_tag(tag_edit_job, true);
    if (is_laid_out()) get_messages().add_message(501, jt_draw_control, fhandler_type, tag_edit_job);
    fmodule_account->close();
    faccounts->grid().set_rowcount(0);
    faccount = aaccount;
    fmodule_job->initialize_search(aaccount);
    ftabno = 1;
    if (is_laid_out()) fjobs->search(u"");
}

void Thandlermodule_search_job::back_to_accounts() {
    control<tvelmor_control>(tag_label_account).visible = false;
    control<tvelmor_edit>(tag_edit_account).set_text(u"");
    show_control(*this, tag_edit_account, true);
    swap_panels(tag_panel_jobs, tag_panel_accounts);
    set_focused_tag(tag_edit_account, true);
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_edit_job);
    fmodule_job->close();
    fjobs->grid().set_rowcount(0);
    ftabno = 0;
    fsearch.clear();
    faccounts->search(fsearch);
}

// The bevel's area is erased and the bevel and the panel now shown drawn again.
void Thandlermodule_search_job::swap_panels(int32_t apanel_old, int32_t apanel_new) {
    fcontrols->get_panel(apanel_old)->visible = false;
    fcontrols->get_panel(apanel_new)->visible = true;
    if (!is_laid_out()) return;
    get_messages().add_message(501, jt_erase_panel, fhandler_type, apanel_old, 0);
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_bevel);
    get_messages().add_message(501, jt_draw_panel, fhandler_type, apanel_new);
}

void Thandlermodule_search_job::open_line() {
    const int32_t row = fjobs->grid().row;
    if (!fjobs->has_line(row)) return;
    const tparam_value params[] = {int64_t{fmodule_job->line_id(row)}, int64_t{fmodule_job->line_lineno(row)}};
    // In place of this page.
    fowner->page_enter(Thandlermodule_edit_job2::handler_class(), params, true);
}

bool Thandlermodule_search_job::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    switch (amsg) {
        case tmsg_code::grid_moved: {
            const uint8_t how = static_cast<tmsg_params_grid_moved*>(aparams)->how;
            if (atag == tag_grid_accounts) faccounts->data_request(how);
            if (atag == tag_grid_jobs) fjobs->data_request(how);
            return true;
        }
        case tmsg_code::edit_text_changed:
            if (atag == tag_edit_account && ftabno == 0) {
                fsearch = trim_search_text(control<tvelmor_edit>(tag_edit_account).get_text());
                faccounts->search(fsearch);
            }
            if (atag == tag_edit_job && ftabno == 1) fjobs->search(trim_search_text(control<tvelmor_edit>(tag_edit_job).get_text()));
            return true;
        default: return Thandlermodule_page::callback_message(aparams, atag, amsg);
    }
}

void Thandlermodule_search_job::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                                              int32_t arow, int32_t acol) {
    if (!faccounts->paint(acontrol, atheme, arect, arow, acol)) fjobs->paint(acontrol, atheme, arect, arow, acol);
}
