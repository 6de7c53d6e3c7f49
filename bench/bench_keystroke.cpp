// A key typed on the customer search page until its grid is painted, through the real window:
// the program's modules, main window, page controller and pages as the program entry makes them
// (offscreen), driven in process by the script driver. Databases: the shipped demo and
// 1,000,000 contacts, both installed the way the program installs them (forced writes on).
// Also: one full repaint of the page (every control and the visible grid rows), with the canvas's
// kept painter and with a painter per primitive.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "accounts/accounts_pages.h"
#include "bench_data.h"
#include "bench_timing.h"
#include "controls/controls_registration.h"
#include "controls/controls_registration.h"
#include "database/datamodule_database_customers.h"
#include "database/datamodule_ejt.h"
#include "database/datamodule_querys.h"
#include "pages/datamodule_messages.h"
#include "pages/handlermodule_footer.h"
#include "pages/handlermodule_header.h"
#include "pages/page_controller.h"
#include "pages/params_gridrow_hook.h"
#include "procs/program_folders.h"
#include "shell/application.h"
#include "shell/datamodule_images.h"
#include "shell/form_main.h"
#include "shell/orv_panel.h"
#include "shell/page_events.h"
#include "shell/qt_platform.h"
#include "shell/script_driver.h"
#include "values/register_values.h"
#include "xml/datamodule_inifile.h"
#include "xml/register_xml.h"

namespace fs = std::filesystem;

namespace {

class tstartup : public istartup_state {
public:
    tstartup(Tdatamodule_inifile& ainifile, Tdatamodule_database_customers& adatabase)
        : finifile(ainifile), fdatabase(adatabase) {}
    bool settings_loaded() override { return finifile.floaded; }
    void open_database(int32_t adomain) override { fdatabase.open_database(static_cast<int16_t>(adomain)); }

private:
    Tdatamodule_inifile& finifile;
    Tdatamodule_database_customers& fdatabase;
};

void register_product_pages(tpage_controller_generic& acontroller) { register_accounts_pages(acontroller); }

bool run_script(Tform_main& aform, tqt_platform& aplatform, const std::string& atext) {
    tscript_driver driver(aform, aplatform);
    if (!driver.load_text(atext, "bench") || driver.run() != tscript_driver::exit_ok) {
        std::fprintf(stderr, "%s\n", driver.failure().c_str());
        return false;
    }
    return true;
}

// The window over one database: the customer search page entered from the accounts menu, then
// keys typed in turn and the page repainted whole.
void measure(int32_t acontacts, tqt_platform& aplatform) {
    const std::string database = tbench_data::database_folder(acontacts);
    const std::string program = database + "_program";
    fs::create_directories(program + "/data");
    tprogram_folders::set_program_folder(program);
    Tdatamodule_database_customers modules_database;
    Tdatamodule_ejt ejt(modules_database);
    Tdatamodule_images images;
    Tdatamodule_inifile inifile;
    if (!inifile.floaded) inifile.create_file_demo(database + "/");
    modules_database.finifile = &inifile;
    Tdatamodule_querys querys(modules_database);
    Tdatamodule_messages messages;
    tstartup startup(inifile, modules_database);
    try {
        modules_database.open_database(0);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "cannot open %s: %s\n", database.c_str(), e.what());
        return;
    }
    Tform_main form;
    aplatform.set_form(&form);
    form.set_icon_source(&images);
    form.form_create([&](Tform_main&, Tform_main::tgraphbox_array aboxes) -> std::unique_ptr<tform_main_events> {
        auto graphboxes = std::make_unique<tgraphboxes>();
        for (int slot = 0; slot < 4; ++slot) graphboxes->add(static_cast<thandler_type>(slot), std::move(aboxes[slot]));
        auto controller = std::make_unique<tpage_controller>(std::move(graphboxes), messages, startup,
                                                             register_product_pages, &header_handler_class(),
                                                             &footer_handler_class());
        return std::make_unique<tpage_events>(std::move(controller), messages);
    });
    form.resize(1024, 768);
    form.show();
    if (!run_script(form, aplatform, "idle\nexpect-page 1\nkey Enter\nidle\nexpect-page 2\ntype m\nidle\nkey Backspace\nidle\n")) return;

    // The texts searched: "m", "ma", "m", "" (every contact).
    const char* const keys[] = {"M", "A", "Backspace", "Backspace"};
    std::vector<double> times, cpu_times, per_key[4];
    for (int round = 0; round < 40; ++round)
        for (int k = 0; k < 4; ++k) {
            tscript_driver driver(form, aplatform);
            driver.load_text(std::string("key ") + keys[k] + "\nidle\n", "key");
            double ms = 0;
            double cpu = bench_cpu_ms([&] { ms = bench_time_ms([&] { driver.run(); }); });
            if (round == 0) continue;
            times.push_back(ms);
            cpu_times.push_back(cpu);
            per_key[k].push_back(ms);
        }
    std::string scale = acontacts == 0 ? "demo database" : std::to_string(acontacts) + " contacts";
    const char* const searched[] = {"\"m\"", "\"ma\"", "\"m\" again", "\"\" (all)"};
    for (int k = 0; k < 4; ++k)
        std::printf("    search %-12s %s\n", searched[k], bench_format(bench_figure(per_key[k])).c_str());
    bench_target("Key typed -> grid painted, " + scale, bench_figure(times), "(keys M, A, Backspace x2)", "< 2 ms",
                 bench_figure(times).fmedian_ms < 2.0);
    bench_target("  the same, processor time of the program", bench_figure(cpu_times), "", "< 2 ms",
                 bench_figure(cpu_times).fmedian_ms < 2.0);

    torv_panel& panel = *form.panel(0);
    auto repaint = [&] {
        panel.invalidate_all();
        panel.repaint();
    };
    auto [kept, own] = bench_paired(repaint, [&] {
        panel.canvas().set_keep_painter(false);
        repaint();
        panel.canvas().set_keep_painter(true);
    }, 100);
    char compared[96];
    std::snprintf(compared, sizeof compared, "painter per primitive %s", bench_format(own).c_str());
    bench_target("Whole page repainted (grid rows and controls), " + scale, kept, compared, "rows < 0.7 ms",
                 kept.fmedian_ms < 0.7);
    run_script(form, aplatform, "key Esc\nidle\nkey Esc\n");
    aplatform.set_form(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    tapplication app(argc, argv);
    tqt_platform platform;
    tplatform::set_instance(&platform);
    register_values_classes(tclass_registry::global());
    register_xml_classes(tclass_registry::global());
    register_controls_classes();
    register_renderers();
    install_params_gridrow_hook();
    std::printf("%s\n", tbench_data::load_average().c_str());
    const char* env = std::getenv("VELMOR_BENCH_CONTACTS");
    std::vector<int32_t> scales = env && *env ? std::vector<int32_t>{std::atoi(env)} : std::vector<int32_t>{0, 1000000};
    for (int32_t n : scales) measure(n, platform);
    tplatform::set_instance(nullptr);
    tfb_database::shutdown_engine();
    return 0;
}
