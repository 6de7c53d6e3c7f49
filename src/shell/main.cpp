// Program entry. --help and --version are answered before any window or display is needed; then
// the process-wide modules are created in their fixed order, the main window last, and the
// message loop (or the script driver) runs until the last page is left.
#include <QGuiApplication>
#include <QMessageBox>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "database/datamodule_database_customers.h"
#include "database/datamodule_ejt.h"
#include "database/datamodule_querys.h"
#include "database/fb_database.h"
#include "controls/controls_registration.h"
#include "controls/platform.h"
#include "procs/message_format.h"
#include "procs/program_folders.h"
#include "procs/safe_file.h"
#include "property/procs_site_pics.h"
#include "pages/handlermodule_footer.h"
#include "pages/handlermodule_header.h"
#include "maintenance/kept_backup_run.h"
#include "pages/page_controller.h"
#include "pages/params_gridrow_hook.h"
#include "values/register_values.h"
#include "shell/application.h"
#include "shell/datamodule_images.h"
#include "shell/form_intro.h"
#include "shell/form_main.h"
#include "shell/page_events.h"
#include "shell/product_pages.h"
#include "shell/qt_platform.h"
#include "shell/script_driver.h"
#include "shell/shell_log.h"
#include "shell/startup_environment.h"
#include "xml/datamodule_inifile.h"
#include "xml/register_xml.h"

#ifndef VELMOR_VERSION
#define VELMOR_VERSION "0"
#endif

namespace {

constexpr int exit_no_display = 4;

struct toptions {
    bool help = false;
    bool version = false;
    std::string script;
    std::string error;
};

toptions parse_options(int argc, char** argv) {
    toptions o;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) o.version = true;
        else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) o.help = true;
        else if (std::strcmp(argv[i], "--script") == 0 && i + 1 < argc) o.script = argv[++i];
        else if (std::strcmp(argv[i], "--script") == 0) o.error = "--script needs a file";
        // Qt's own options (-platform, -display, ...) are left to the application object.
        else if (argv[i][0] == '-' && argv[i][1] == '-') o.error = std::string("unknown option ") + argv[i];
    }
    return o;
}

void print_usage() {
    std::printf("Velmor Accounts %s\n\n"
                "Usage: velmor_accounts [--script FILE] [-h|--help] [--version]\n"
                "  --script FILE   run the user actions in FILE against the program; the exit code is 0\n"
                "                  when every check passed (see %s)\n"
                "  -h, --help      show this help\n"
                "  --version       show the version\n",
                VELMOR_VERSION, tstartup_environment::scripts_document);
}

// What the first page depends on, answered by the modules created at start-up. A settings file
// whose first domain cannot be opened counts as none: the user is told what failed, naming the
// domain and its folder, and the first-run setup lets them choose the folder again.
class tstartup_state : public istartup_state {
public:
    tstartup_state(Tdatamodule_inifile& ainifile, Tdatamodule_database_customers& adatabase)
        : finifile(ainifile), fdatabase(adatabase) {}
    bool settings_loaded() override {
        if (!finifile.floaded) return false;
        try {
            fdatabase.open_database(0);
            return true;
        } catch (const std::exception& e) {
            const bool has_domain = finifile.get_domain_count() > 0;
            const std::string text =
                (has_domain ? "The database of the domain \"" + finifile.get_domain_name(0) + "\" in [" +
                                  finifile.get_domain_path(0) + "] cannot be opened:\r\n" + e.what()
                            : "The settings file " + Tdatamodule_inifile::get_settings_filename() + " names no domain.") +
                "\r\n\r\nChoose the database folder again, or press Esc to end the program.";
            tplatform::instance().message_box(utf8_to_utf16(text), u"Velmor Accounts", tmsgbox_buttons::ok,
                                              tmsgbox_icon::error);
            return false;
        }
    }
    void open_database(int32_t adomain) override { fdatabase.open_database(static_cast<int16_t>(adomain)); }
    int32_t domain_count() override { return finifile.get_domain_count(); }

private:
    Tdatamodule_inifile& finifile;
    Tdatamodule_database_customers& fdatabase;
};

// Every library's class registrations, once, before a settings file or page form is read:
// registries filled by static objects would be dropped by the linker from static libraries.
void register_libraries() {
    register_values_classes(tclass_registry::global());
    register_xml_classes(tclass_registry::global());
    register_controls_classes();
    register_renderers();
    install_params_gridrow_hook();
}

int run_window(tapplication& aapp, tqt_platform& aplatform, const toptions& aoptions) {
    register_libraries();
    // The process-wide modules, in start-up order. The database module learns of the settings
    // module once that exists: it answers the domain folders when a database is opened.
    Tdatamodule_database_customers database;
    Tdatamodule_ejt ejt(database);
    Tdatamodule_images images;
    Tdatamodule_inifile inifile;
    database.finifile = &inifile;
    Tdatamodule_querys querys(database);
    Tdatamodule_messages messages;
    tstartup_state startup(inifile, database);
    // Pictures are shared by the domains; what a killed copy left there goes now.
    tsafe_file::remove_leftovers(tprocs_site_pics::folder());

    Tform_main form;
    aplatform.set_form(&form);
    form.set_icon_source(&images);
    std::unique_ptr<tscript_driver> driver;
    if (!aoptions.script.empty()) {
        driver = std::make_unique<tscript_driver>(form, aplatform);
        if (!driver->load_file(aoptions.script)) {
            std::fprintf(stderr, "%s\n", driver->failure().c_str());
            return tscript_driver::exit_bad_script;
        }
    }
    form.form_create([&](Tform_main&, Tform_main::tgraphbox_array aboxes) -> std::unique_ptr<tform_main_events> {
        auto graphboxes = std::make_unique<tgraphboxes>();
        for (int slot = 0; slot < 4; ++slot) graphboxes->add(static_cast<thandler_type>(slot), std::move(aboxes[slot]));
        auto controller = std::make_unique<tpage_controller>(std::move(graphboxes), messages, startup,
                                                             register_product_pages, &header_handler_class(),
                                                             &footer_handler_class());
        // A kept backup when the newest is older than a day, before the window closes.
        tpage_controller_generic& pages = *controller;
        controller->fon_closing = [&pages] { tkept_backup_run::before_close(pages, std::chrono::system_clock::now()); };
        return std::make_unique<tpage_events>(std::move(controller), messages);
    });
    // The intro greets a user; a script sees it only when it asks for it.
    if (!driver || driver->wants_intro()) {
        form.set_first_show_handler([&form] {
            Tform_intro::run(&form, tprogram_folders::get_shared_folder() + "/data/assets_001.dat");
        });
    }
    form.show();
    if (!driver) return aapp.exec();
    int rc = driver->run();
    if (rc != tscript_driver::exit_ok) std::fprintf(stderr, "%s\n", driver->failure().c_str());
    return rc;
}

}  // namespace

int main(int argc, char** argv) {
    toptions options = parse_options(argc, argv);
    if (options.version) {
        std::printf("Velmor Accounts %s\n", VELMOR_VERSION);
        return 0;
    }
    if (options.help) {
        print_usage();
        return 0;
    }
    if (!options.error.empty()) {
        std::fprintf(stderr, "velmor_accounts: %s (try --help)\n", options.error.c_str());
        return 2;
    }
    // Without a display the toolkit would abort the process: say what is missing instead.
    const std::string missing = tstartup_environment::missing_display({argv, argv + argc}, !options.script.empty());
    if (!missing.empty()) {
        std::fprintf(stderr, "velmor_accounts: %s\n", missing.c_str());
        return exit_no_display;
    }
    tstartup_environment::prepare_runtime_dir();
    tstartup_environment::begin_display_guard(exit_no_display);
    tapplication app(argc, argv);
    tstartup_environment::end_display_guard();
    tshell_log::write(std::string("start Velmor Accounts ") + VELMOR_VERSION + " on " +
                      QGuiApplication::platformName().toStdString() + (options.script.empty() ? "" : ", with a script"));
    tqt_platform platform;
    tplatform::set_instance(&platform);
    int rc = 1;
    try {
        rc = run_window(app, platform, options);
    } catch (const std::exception& e) {
        // An error before the message loop runs (an unreadable settings file, a broken window
        // design) ends the program with its message.
        std::fprintf(stderr, "velmor_accounts: %s\n", e.what());
        tshell_log::error_shown(e.what());
        if (options.script.empty()) QMessageBox::critical(nullptr, "Velmor Accounts", QString::fromUtf8(e.what()));
    }
    tplatform::set_instance(nullptr);
    tfb_database::shutdown_engine();
    tshell_log::write("end, exit code " + std::to_string(rc));
    return rc;
}
