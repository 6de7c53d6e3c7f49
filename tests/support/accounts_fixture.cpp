#include "support/accounts_fixture.h"

#include "database/fb_query.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

#include <sys/stat.h>
#include <unistd.h>

#include "accounts/accounts_pages.h"
#include "controls/controls_registration.h"
#include "controls/grid_controls.h"
#include "controls/theme.h"
#include "database/fb_service.h"
#include "pages/handler_class.h"
#include "pages/page_form.h"
#include "procs/program_folders.h"
#include "support/firebird_server.h"
#include "support/process_folder.h"
#include "support/shipped_database.h"

namespace fs = std::filesystem;

namespace {

const std::string& process_folder() { return test_process_folder("velmor_acctest_"); }

std::string shipped_database() { return restored_shipped_database(process_folder(), "accounts"); }

// Forms that declare only their size: the stand-ins build nothing.
const Tform_page2 form_strip("Tform_page2", "object form_strip: Tform_page2\n ClientWidth = 1090\n ClientHeight = 54\nend\n");
const Tform_page2 form_probe("Tform_page2", "object form_probe: Tform_page2\n ClientWidth = 1090\n ClientHeight = 860\nend\n");

}  // namespace

// ---- header and footer, stand-in page ----

void Thandlermodule_test_strip::set_header_param(tparams_header aparam_header, const std::u16string& avalue) {
    if (aparam_header == ph_title_caption) ftitle = avalue;
}

bool Thandlermodule_test_strip::set_header_param(tparams_header aparam_header, int16_t avalue) {
    if (aparam_header != ph_title_caption_width || avalue == ftitle_width) return false;
    ftitle_width = avalue;
    return true;
}

const thandler_class& test_strip_class() {
    static const thandler_class c("Thandlermodule_test_strip", &handler_factory_of<Thandlermodule_test_strip>,
                                  &form_strip, nullptr);
    return c;
}

const thandler_class& probe_class() {
    static const thandler_class c("Thandlermodule_probe", &handler_factory_of<Thandlermodule_probe>, &form_probe,
                                  &tparams_null::static_class());
    return c;
}

// ---- recording grid renderer ----

void PrintTo(const tpainted_cell& acell, std::ostream* aos) {
    *aos << "'" << acell.text << "' (" << acell.row << ", " << acell.col << ") font " << acell.font << " alignment "
         << acell.alignment << " margin " << acell.margin;
}

int32_t trecording_grid_renderer::get_maximum_visible_rowcount(const tvelmor_customgrid& acontrol,
                                                               const trect& arect) const {
    return acontrol.row_height > 0 ? arect.height() / acontrol.row_height : 0;
}

void trecording_grid_renderer::draw_grid(int32_t&, tcanvas&, tvelmor_customgrid& acontrol,
                                         tvelmor_theme_grid_brief* atheme, const trect& arect) const {
    acontrol.draw_rows(atheme, arect, -1);
}

void trecording_grid_renderer::control_paint(int32_t&, tcanvas&, tvelmor_customgrid&, tvelmor_theme_grid_brief*,
                                             const trect&, const std::u16string& atext, int32_t arow, int32_t acol,
                                             int32_t afont_tag_new, TAlignment aalignment,
                                             int32_t aalignment_margin) const {
    fcells.push_back({utf16_to_utf8(atext), arow, acol, afont_tag_new, static_cast<int32_t>(aalignment),
                      aalignment_margin});
}

// A cursor move redraws the rows it leaves and enters.
void trecording_grid_renderer::draw_row2(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme,
                                         const trect& arect, int32_t arow1, int32_t arow2) const {
    acontrol.draw_row(atheme, arect, -1, arow1);
    if (arow2 != -1 && arow2 != arow1) acontrol.draw_row(atheme, arect, -1, arow2);
}

void trecording_grid_renderer::draw_rows(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme,
                                         const trect& arect, int32_t arow_from) const {
    acontrol.draw_rows(atheme, arect, arow_from);
}

// ---- fixture ----

void taccounts_page_test::SetUp() {
    process_folder();
    ffolder = make_temp_folder("velmor_acccase_");
    tprogram_folders::set_program_folder(ffolder);
    finifile = std::make_unique<Tdatamodule_inifile>();
    add_domain("Demo Data");
    fdatabase = std::make_unique<Tdatamodule_database_customers>(finifile.get());
    fejt = std::make_unique<Tdatamodule_ejt>(*fdatabase);
    fquerys = std::make_unique<Tdatamodule_querys>(*fdatabase);

    register_controls_classes();
    register_renderers();
    // Themes take their renderer when the page is read, so the recording one goes in first.
    auto& table = trenderer_table::global();
    std::copy(std::begin(table.grid), std::end(table.grid), fsaved_grid_renderers);
    std::fill(std::begin(table.grid), std::end(table.grid), &fgrid_renderer);
    fprevious_platform = tplatform::set_instance(&fplatform);
}

void taccounts_page_test::TearDown() {
    fcontroller.reset();
    tplatform::set_instance(fprevious_platform);
    std::copy(std::begin(fsaved_grid_renderers), std::end(fsaved_grid_renderers), trenderer_table::global().grid);
    fquerys.reset();
    fejt.reset();
    fdatabase.reset();
    finifile.reset();
    tprogram_folders::set_program_folder("");
    if (!HasFailure()) {
        std::error_code ec;
        fs::remove_all(ffolder, ec);
    } else {
        std::cerr << "test folder kept: " << ffolder << "\n";
    }
}

int64_t taccounts_page_test::number(const std::string& asql) {
    tfb_query q(fdatabase->database_customers, fdatabase->Transaction1, qoStartTransaction | qoAutoCommit);
    q.set_sql(asql);
    q.execute();
    const int64_t n = q.field(0).as_int64();
    q.close();
    return n;
}

void taccounts_page_test::execute(const std::string& asql) {
    tfb_query q(fdatabase->database_customers, fdatabase->Transaction1, qoStartTransaction | qoAutoCommit);
    q.set_sql(asql);
    q.execute();
    q.close();
}

void taccounts_page_test::add_domain(const std::string& aname) {
    const std::string folder = ffolder + "/d" + std::to_string(finifile->get_domain_count());
    fs::create_directories(folder);
    fs::copy_file(shipped_database(), folder + "/accounts.fdb");
    auto domain = std::make_unique<telement_domain>();
    domain->fname = aname;
    domain->fpath = folder;
    // The same journeys run over a database server when the test run asks for it.
    if (std::getenv("VELMOR_TEST_SERVER")) {
        tfirebird_server& server = tfirebird_server::shared();
        domain->fpath = server.domain_path(folder + "/");
        domain->fuser = server.fuser;
        domain->fpassword = server.fpassword;
    }
    finifile->flist_domains.push_back(std::move(domain));
}

void taccounts_page_test::run_queue() {
    while (fcontroller->run_next_queued_message()) {
    }
}

void taccounts_page_test::start(const std::function<void(tpage_controller_generic&)>& aextra_pages) {
    start_registered([&](tpage_controller_generic& acontroller) {
        register_accounts_pages(acontroller);
        if (aextra_pages) aextra_pages(acontroller);
    });
}

void taccounts_page_test::start_registered(const std::function<void(tpage_controller_generic&)>& aregister_pages) {
    auto boxes = std::make_unique<tgraphboxes>();
    boxes->add(ht_main, std::make_unique<tfake_surface>(101, trect{0, 0, 1090, 860}));
    boxes->add(ht_header, std::make_unique<tfake_surface>(102, trect{0, 0, 1090, 54}));
    boxes->add(ht_footer, std::make_unique<tfake_surface>(103, trect{0, 0, 1090, 54}));
    boxes->add(ht_ontop, std::make_unique<tfake_surface>(104, trect{0, 0, 300, 200}));
    fstartup = std::make_unique<tstartup>(fstartup_opened, *finifile);
    fcontroller = std::make_unique<tpage_controller>(
        std::move(boxes), fmessages, *fstartup, aregister_pages, &test_strip_class(), &test_strip_class());
    fcontroller->page_first(true);
}
