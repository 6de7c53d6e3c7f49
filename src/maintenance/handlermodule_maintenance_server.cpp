#include "maintenance/handlermodule_maintenance_server.h"

#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/container_controls_generic.h"
#include "controls/text_controls.h"
#include "maintenance/folder_choice.h"
#include "maintenance/service_lines.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "procs/message_format.h"
#include "values/params_generic.h"

namespace {

const Tform_page2& server_form() {
    static const Tform_page2 form("Tform_page_maintenance_server",
                                  Tform_page2::embedded_text("form_page_maintenance_server"));
    return form;
}

}  // namespace

Thandlermodule_maintenance_server::Thandlermodule_maintenance_server(tpage_controller_generic* aowner,
                                                                     thandler_type ahandler_type,
                                                                     tgraphbox_generic* agraphbox)
    : Thandlermodule_maintenance_run(aowner, ahandler_type, agraphbox) {}

const thandler_class& Thandlermodule_maintenance_server::handler_class() {
    static const thandler_class c("Thandlermodule_maintenance_server",
                                  &handler_factory_of<Thandlermodule_maintenance_server>, &server_form(),
                                  &tparams_null::static_class());
    return c;
}

void Thandlermodule_maintenance_server::once_created() { set_focused_tag(tag_host, true); }

std::u16string Thandlermodule_maintenance_server::edit_text(int32_t atag) const {
    return control<tvelmor_edit>(atag).get_text();
}

tserver_details Thandlermodule_maintenance_server::details() const {
    tserver_details d;
    d.fhost = utf16_to_utf8(edit_text(tag_host));
    d.fport = utf16_to_utf8(edit_text(tag_port));
    d.ffolder = utf16_to_utf8(edit_text(tag_folder));
    d.fuser = utf16_to_utf8(edit_text(tag_user));
    d.fpassword = utf16_to_utf8(edit_text(tag_password));
    return d;
}

bool Thandlermodule_maintenance_server::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg != tmsg_code::button_pressed)
        return Thandlermodule_maintenance_run::callback_message(aparams, atag, amsg);
    if (flocked) return true;
    if (atag == tag_go) run_setup();
    if (atag == tag_cancel && ffinished) fowner->page_first(false);
    else if (atag == tag_cancel) fowner->page_exit();
    return true;
}

bool Thandlermodule_maintenance_server::run_setup() {
    lock_for_run({tag_cancel, tag_go});
    bool done = false;
    try {
        done = Tdatamodule_maintenance_server().run_setup(lines(), details());
    } catch (const std::exception& e) {
        tprocs_maintenance::add_line(lines(), e.what(), tprocs_maintenance::margin_step);
    }
    if (done) {
        show_finished();
    } else {
        tprocs_maintenance::add_line(lines(), "Setup Aborted.", tprocs_maintenance::margin_step);
        set_buttons_enabled({tag_cancel, tag_go}, true);
    }
    flocked = false;
    return done;
}

void Thandlermodule_maintenance_server::show_finished() {
    auto& cancel = dynamic_cast<tvelmor_button_bitbtn&>(tfolder_choice::button(*this, tag_cancel));
    cancel.kind = bk_ok;
    cancel.enabled = true;
    draw_control(tag_cancel, false);
    auto& go = tfolder_choice::button(*this, tag_go);
    go.enabled = false;
    draw_control(tag_go, false);
    control<tvelmor_label>(tag_run).caption = u"Finished :";
    draw_control(tag_run, false);
    ffinished = true;
    set_focused_tag(tag_cancel, false);
}
