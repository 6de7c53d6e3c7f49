#include "maintenance/handlermodule_menu_maintenance.h"

#include "maintenance/kept_backup_run.h"
#include "controls/platform.h"
#include "pages/handler_class.h"
#include "pages/page_form.h"
#include "plu/plu_word_index.h"
#include "procs/message_format.h"
#include "values/params_generic.h"

namespace {

// Operators (page 10), Move Database... (page 8), Rebuild PLU Index, Back Up Now, Restore Backup...,
// Exit.
constexpr int16_t row_pages_maintenance[] = {10, 8, Thandlermodule_menu_maintenance::action_rebuild_plu_index,
                                             Thandlermodule_menu_maintenance::action_back_up_now,
                                             Thandlermodule_menu_maintenance::action_restore_backup,
                                             Thandlermodule_menu_list::page_exit_row};

const Tform_page2& menu_form() {
    static const Tform_page2 form("Tform_page_menu_maintenance",
                                  Tform_page2::embedded_text("form_page_menu_maintenance"));
    return form;
}

}  // namespace

const thandler_class& Thandlermodule_menu_maintenance::handler_class() {
    static const thandler_class c("Thandlermodule_menu_maintenance",
                                  &handler_factory_of<Thandlermodule_menu_maintenance>, &menu_form(),
                                  &tparams_gridrow::static_class());
    return c;
}

std::span<const int16_t> Thandlermodule_menu_maintenance::row_pages() const { return row_pages_maintenance; }

void Thandlermodule_menu_maintenance::run_row_action(int16_t acode) {
    if (acode == action_back_up_now) {
        const std::u16string done = tkept_backup_run::run(*fowner);
        tplatform::instance().message_box(done, u"Back Up Now", tmsgbox_buttons::ok, tmsgbox_icon::information);
        return;
    }
    if (acode == action_restore_backup) {
        const std::u16string done = tkept_backup_run::restore(*fowner);
        if (!done.empty())
            tplatform::instance().message_box(done, u"Restore Backup", tmsgbox_buttons::ok, tmsgbox_icon::information);
        return;
    }
    if (acode != action_rebuild_plu_index) return Thandlermodule_menu_list::run_row_action(acode);
    // A failure reaches the message loop, which shows it; the old index stays as it was.
    const tword_index_figures figures = rebuild_plu_index_of_open_domain();
    const std::string done = tprocs_message::format("The PLU index was rebuilt: %d words.", {figures.fwords});
    tplatform::instance().message_box(std::u16string(done.begin(), done.end()), u"Rebuild PLU Index",
                                      tmsgbox_buttons::ok, tmsgbox_icon::information);
}
