#include "maintenance/handlermodule_maintenance_dbpath1.h"

#include <filesystem>

#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/container_controls_generic.h"
#include "controls/key_codes.h"
#include "controls/miscobjects.h"
#include "controls/platform.h"
#include "database/datamodule_database_customers.h"
#include "maintenance/datamodule_maintenance_dbrestore.h"
#include "maintenance/folder_choice.h"
#include "maintenance/handlermodule_maintenance_server.h"
#include "maintenance/service_lines.h"
#include "maintenance/site_pics_install.h"
#include "maintenance/zip_extract.h"
#include "pages/handler_class.h"
#include "pages/handlermodule_menu.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "procs/program_folders.h"
#include "values/params_generic.h"
#include "xml/datamodule_inifile.h"

namespace {

const Tform_page2& setup_form() {
    static const Tform_page2 form("Tform_page_maintenance_dbpath1",
                                  Tform_page2::embedded_text("form_page_maintenance_dbpath1"));
    return form;
}

using p = tprocs_maintenance;

}  // namespace

Thandlermodule_maintenance_dbpath1::Thandlermodule_maintenance_dbpath1(tpage_controller_generic* aowner,
                                                                       thandler_type ahandler_type,
                                                                       tgraphbox_generic* agraphbox)
    : Thandlermodule_maintenance_run(aowner, ahandler_type, agraphbox) {}

const thandler_class& Thandlermodule_maintenance_dbpath1::handler_class() {
    static const thandler_class c("Thandlermodule_maintenance_dbpath1",
                                  &handler_factory_of<Thandlermodule_maintenance_dbpath1>, &setup_form(),
                                  &tparams_null::static_class());
    return c;
}

std::string Thandlermodule_maintenance_dbpath1::get_base_path() {
    std::string base;
    try {
        base = tprogram_folders::get_program_data_folder();
    } catch (const tvelmor_exception&) {
    }
    if (base.empty())
        throw tvelmor_exception("Unable to get %PROGRAMDATA% folder in %s.get_base_path();", "Tdatamodule_inifile");
    return p::with_delimiter(base) + "velmor_accounts/";
}

void Thandlermodule_maintenance_dbpath1::once_created() {
    set_folder(get_base_path(), false);
    set_focused_tag(tag_go, true);
}

void Thandlermodule_maintenance_dbpath1::set_folder(const std::string& afolder, bool adraw) {
    fdbpath = p::with_delimiter(afolder);
    tfolder_choice::show_folder(*this, tag_folder, fdbpath, adraw);
    auto& go = tfolder_choice::button(*this, tag_go);
    if (!go.enabled && !frestored) {
        go.enabled = true;
        if (adraw) draw_control(tag_go, false);
    }
}

bool Thandlermodule_maintenance_dbpath1::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (!flocked && !frestored && !as_keyup && ashift == 0 && akey == tvk::f7) {
        fowner->run_menu(true);
        return true;
    }
    return Thandlermodule_maintenance_run::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_maintenance_dbpath1::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg == tmsg_code::ontop_closed && atag == Thandlermodule_menu::tag_ontop_menu) {
        // The server setup goes over this page, so that its Cancel comes back here.
        if (!flocked && !frestored && static_cast<tmsg_params_ontop_result*>(aparams)->result == 0)
            fowner->page_enter(Thandlermodule_maintenance_server::pageno, false);
        return true;
    }
    if (amsg != tmsg_code::button_pressed)
        return Thandlermodule_maintenance_run::callback_message(aparams, atag, amsg);
    if (flocked) return true;
    if (atag == tag_choose) choose_folder();
    if (atag == tag_go) run_setup();
    if (atag == tag_cancel && frestored) fowner->page_first(false);
    else if (atag == tag_cancel) fowner->page_exit();
    return true;
}

void Thandlermodule_maintenance_dbpath1::choose_folder() {
    std::string chosen = fdbpath;
    if (!tfolder_choice::select(chosen)) return;
    set_folder(chosen, true);
    set_focused_tag(tag_go, false);  // the next step is Go
}

bool Thandlermodule_maintenance_dbpath1::run_setup() {
    lock_for_run({tag_choose, tag_cancel, tag_go});
    bool done = false;
    bool restored_now = false;
    try {
        if (install(restored_now)) {
            write_settings();
            done = true;
        }
    } catch (const std::exception& e) {
        p::add_line(lines(), e.what(), p::margin_step);
    }
    if (!done && restored_now) {
        // A database this run made but could not finish setting up is taken away again, so
        // that the next run starts afresh rather than skipping its restore.
        std::error_code ec;
        std::filesystem::remove(staged_database_file(), ec);
        std::filesystem::remove(p::database_file(fdbpath), ec);
    }
    if (done) {
        show_finished();
    } else {
        p::add_line(lines(), "Setup Aborted.", p::margin_step);
        set_buttons_enabled({tag_choose, tag_cancel, tag_go}, true);
    }
    flocked = false;
    return done;
}

bool Thandlermodule_maintenance_dbpath1::install(bool& arestored_now) {
    // The settings file must be able to name the folder before anything is written.
    if (const std::string refusal = p::settings_refusal(fdbpath); !refusal.empty()) {
        p::add_line(lines(), refusal, p::margin_step);
        return false;
    }
    std::error_code ec;
    if (std::filesystem::is_regular_file(p::database_file(fdbpath), ec)) {
        p::add_line(lines(), "Existing Database, Skipped Restore...", p::margin_step);
        return true;
    }
    p::ensure_writable_folder(fdbpath);
    const std::string install = tprogram_folders::get_shared_folder() + "/install/";
    // The database is restored under a setup name and given its own name last, when its data
    // files are unpacked: a database a later run finds always has them. What a run killed on
    // the way left under the setup name is not trusted.
    const std::string staged = staged_database_file();
    std::filesystem::remove(staged, ec);
    Tdatamodule_maintenance_dbrestore restore;
    if (!restore.run_restore(lines(), install + "accounts.1.0.1.3.release.fbk", staged)) return false;
    arestored_now = true;
    p::add_line(lines(), "Extract Data Files...", p::margin_step);
    tzip_extract().extract_all(install + "data_files.zip", fdbpath);
    p::add_line(lines(), "Extract Finished.", p::margin_step);
    const std::string pics = install_site_pics(fdbpath, tplatform::instance().get_programdata_folder() + "velmor_accounts/pics/");
    if (!pics.empty()) p::add_line(lines(), pics, p::margin_step);
    std::filesystem::rename(staged, p::database_file(fdbpath), ec);
    if (ec)
        throw tvelmor_exception("Unable to rename [%s] to [%s] in %s.install(): %s.", staged,
                                p::database_file(fdbpath), class_name(), ec.message());
    return true;
}

std::string Thandlermodule_maintenance_dbpath1::staged_database_file() const {
    return p::database_file(fdbpath) + ".setup";
}

void Thandlermodule_maintenance_dbpath1::write_settings() {
    Tdatamodule_inifile* inifile = Tdatamodule_database_customers::instance().finifile;
    if (!inifile) throw tvelmor_exception("Settings module not assigned in %s.write_settings();", class_name());
    // A settings file whose first domain could not be opened gets that domain's folder mended;
    // without a settings file the domain "Demo Data" is written.
    if (inifile->get_domain_count() > 0)
        inifile->save_domain_path(0, fdbpath);
    else
        inifile->create_file_demo(fdbpath);
}

void Thandlermodule_maintenance_dbpath1::show_finished() {
    auto& cancel = dynamic_cast<tvelmor_button_bitbtn&>(tfolder_choice::button(*this, tag_cancel));
    cancel.kind = bk_ok;
    cancel.enabled = true;
    tfolder_choice::button(*this, tag_choose).enabled = false;
    draw_control(tag_choose, false);
    draw_control(tag_cancel, false);
    auto& go = tfolder_choice::button(*this, tag_go);
    go.enabled = false;
    go.visible = false;
    erase_viewport(tag_go, 0);
    erase_viewport(tag_run, 0);
    fcontrols->set_viewport_skip(tag_go, true);
    fcontrols->recalculate_viewports_from(tag_line);
    control<tvelmor_label>(tag_run).caption = u"Finished :";
    draw_control(tag_run, false);
    frestored = true;
    set_focused_tag(tag_cancel, false);
}
