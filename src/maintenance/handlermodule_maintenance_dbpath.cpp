#include "maintenance/handlermodule_maintenance_dbpath.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/key_codes.h"
#include "controls/miscobjects.h"
#include "controls/platform.h"
#include "database/datamodule_database_customers.h"
#include "maintenance/datamodule_maintenance_dbpath.h"
#include "maintenance/folder_choice.h"
#include "maintenance/service_lines.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "values/params_generic.h"

namespace {

const Tform_page2& move_form() {
    static const Tform_page2 form("Tform_page_maintenance_dbpath",
                                  Tform_page2::embedded_text("form_page_maintenance_dbpath"));
    return form;
}

}  // namespace

Thandlermodule_maintenance_dbpath::Thandlermodule_maintenance_dbpath(tpage_controller_generic* aowner,
                                                                     thandler_type ahandler_type,
                                                                     tgraphbox_generic* agraphbox)
    : Thandlermodule_maintenance_run(aowner, ahandler_type, agraphbox) {}

const thandler_class& Thandlermodule_maintenance_dbpath::handler_class() {
    static const thandler_class c("Thandlermodule_maintenance_dbpath",
                                  &handler_factory_of<Thandlermodule_maintenance_dbpath>, &move_form(),
                                  &tparams_null::static_class());
    return c;
}

void Thandlermodule_maintenance_dbpath::once_created() {
    tfolder_choice::show_folder(*this, tag_current, Tdatamodule_database_customers::instance().database_path(), false);
    set_focused_tag(tag_choose, true);
}

bool Thandlermodule_maintenance_dbpath::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg != tmsg_code::button_pressed)
        return Thandlermodule_maintenance_run::callback_message(aparams, atag, amsg);
    if (flocked) return true;
    if (atag == tag_choose) choose_folder();
    if (atag == tag_go) run_move();
    if (atag == tag_cancel) fowner->page_exit();
    return true;
}

void Thandlermodule_maintenance_dbpath::choose_folder() {
    std::string chosen = fdbpath_moveto.empty() ? Tdatamodule_database_customers::instance().database_path()
                                                : fdbpath_moveto;
    if (!tfolder_choice::select(chosen)) return;
    fdbpath_moveto = chosen;
    tfolder_choice::show_folder(*this, tag_target, fdbpath_moveto, true);
    tvelmor_button& go = tfolder_choice::button(*this, tag_go);
    if (!go.enabled) {
        go.enabled = true;
        draw_control(tag_go, false);
    }
    set_focused_tag(tag_go, false);  // the next step is Go
}

bool Thandlermodule_maintenance_dbpath::run_move() {
    lock_for_run({tag_choose, tag_cancel, tag_go});
    bool moved = false;
    try {
        moved = Tdatamodule_maintenance_dbpath().run_moveto_dbpath(lines(), fdbpath_moveto);
    } catch (const std::exception& e) {
        tprocs_maintenance::add_line(lines(), e.what(), tprocs_maintenance::margin_step);
    }
    auto& cancel = dynamic_cast<tvelmor_button_bitbtn&>(tfolder_choice::button(*this, tag_cancel));
    cancel.kind = bk_close;
    cancel.enabled = true;
    draw_control(tag_cancel, false);
    set_focused_tag(tag_cancel, false);
    flocked = false;
    return moved;
}
