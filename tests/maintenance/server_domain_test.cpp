// Domains on a database server: opened over the network with the login the settings keep, the
// login kept scrambled in the settings file, the move made by the server's own services.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/accounts_fixture.h"
#include "maintenance/kept_backup_run.h"
#include "controls/miscobjects.h"
#include "controls/control_messages.h"
#include "controls/key_codes.h"
#include "controls/text_controls.h"
#include "maintenance/datamodule_maintenance_dbpath.h"
#include "maintenance/datamodule_maintenance_server.h"
#include "maintenance/handlermodule_maintenance_dbpath1.h"
#include "maintenance/handlermodule_maintenance_server.h"
#include "maintenance/maintenance_pages.h"
#include "pages/handlermodule_menu.h"
#include "procs/message_format.h"
#include "procs/program_folders.h"
#include "support/firebird_server.h"

namespace fs = std::filesystem;

namespace {

class ServerDomain : public taccounts_page_test {
protected:
    void SetUp() override {
        taccounts_page_test::SetUp();
        auto& domain = static_cast<telement_domain&>(*finifile->flist_domains[0]);
        fdomain_folder = domain.fpath + "/";
        domain.fpath = server().domain_path(fdomain_folder);
        domain.fuser = server().fuser;
        domain.fpassword = server().fpassword;
    }
    static tfirebird_server& server() { return tfirebird_server::shared(); }
    std::string text(const std::string& asql) {
        std::string result;
        fdatabase->run_transaction([&] {
            tfb_query q(fdatabase->database_customers, fdatabase->Transaction1);
            q.set_sql(asql);
            q.execute();
            result = q.field(0).as_string();
            q.close();
        });
        return result;
    }
    std::string fdomain_folder;
};

// The first run on a machine without settings, set up on the test's server through the page the
// first-run page's menu leads to.
class ServerSetupPage : public taccounts_page_test {
protected:
    void SetUp() override {
        taccounts_page_test::SetUp();
        fs::create_directories(ffolder + "/install");
        for (const char* name : {"accounts.1.0.1.3.release.fbk", "data_files.zip"})
            fs::copy_file(std::string(VELMOR_BUILD_DIR) + "/bin/install/" + name, ffolder + "/install/" + name);
        start([](tpage_controller_generic& acontroller) { register_maintenance_pages(acontroller); });
        finifile->flist_domains.clear();
        fdatabase->close_database();
        fcontroller->page_enter(Thandlermodule_maintenance_dbpath1::pageno, true);
        fserver_folder = ffolder + "/on_server/";
        fs::create_directories(fserver_folder);
    }
    // F7 on the first-run page and the menu's only entry.
    Thandlermodule_maintenance_server& open_server_page() {
        fcontroller->handle_keydown(tvk::f7, 0, false);
        fcontroller->handle_keydown(tvk::enter, 0, false);
        run_queue();
        auto* page = dynamic_cast<Thandlermodule_maintenance_server*>(fcontroller->get_handler_main());
        if (!page) throw std::runtime_error("the server page did not open");
        return *page;
    }
    void fill(Thandlermodule_maintenance_server& apage, const tserver_details& adetails) {
        const std::pair<int32_t, std::string> fields[] = {
            {apage.tag_host, adetails.fhost},     {apage.tag_port, adetails.fport},
            {apage.tag_folder, adetails.ffolder}, {apage.tag_user, adetails.fuser},
            {apage.tag_password, adetails.fpassword}};
        for (const auto& [tag, value] : fields)
            dynamic_cast<tvelmor_edit&>(*apage.fcontrols->get_control(tag)).set_text(utf8_to_utf16(value));
    }
    tserver_details good_details() const {
        return {"127.0.0.1", std::to_string(server().port()), fserver_folder, server().fuser, server().fpassword};
    }
    static tfirebird_server& server() { return tfirebird_server::shared(); }
    static std::vector<std::string> texts(tvelmor_messagelines& alines) {
        std::vector<std::string> result;
        for (const auto& l : alines.lines) result.push_back(utf16_to_utf8(l.text));
        return result;
    }
    std::string fserver_folder;
};

}  // namespace

TEST_F(ServerDomain, opens_over_the_network_with_the_kept_login_and_keeps_data_files_on_this_machine) {
    fdatabase->open_database(0);
    EXPECT_EQ("TCPv4", text("SELECT TRIM( mon$remote_protocol ) FROM mon$attachments "
                            "WHERE mon$attachment_id = CURRENT_CONNECTION"));
    EXPECT_EQ(server().domain_path(fdomain_folder), fdatabase->database_path());
    EXPECT_EQ(0u, fdatabase->data_files_folder().rfind(tprogram_folders::get_program_data_folder(), 0));
    EXPECT_EQ(200, number("SELECT COUNT(*) FROM account"));
}

TEST_F(ServerDomain, kept_backups_are_left_to_the_server_and_nothing_is_written_here) {
    start();
    fdatabase->open_database(0);
    const auto a_week_later = std::chrono::system_clock::now() + std::chrono::hours(24 * 7);
    tkept_backup_run::before_close(*fcontroller, a_week_later);
    EXPECT_EQ("The database is on the server 127.0.0.1: its backups are taken on the server.",
              message_of([&] { tkept_backup_run::run(*fcontroller); }));
    EXPECT_FALSE(fs::exists(fdomain_folder + "backups"));
    EXPECT_FALSE(fs::exists("127.0.0.1"));  // no folder named after the server in the working folder
}

TEST_F(ServerDomain, a_wrong_or_missing_login_is_refused_and_leaves_no_domain_open) {
    auto& domain = static_cast<telement_domain&>(*finifile->flist_domains[0]);
    domain.fpassword = "not the password";
    EXPECT_NE("(no exception)", message_of([&] { fdatabase->open_database(0); }));
    EXPECT_EQ(-1, fdatabase->database_no());
    domain.fuser.clear();
    EXPECT_EQ("No user name is kept for the database server 127.0.0.1.",
              message_of([&] { fdatabase->open_database(0); }));
}

TEST_F(ServerDomain, the_settings_file_keeps_the_login_scrambled_and_reads_it_back) {
    Tdatamodule_inifile written;
    written.create_file_demo(server().domain_path("/srv/firm/"), server().fuser, server().fpassword);
    std::ifstream in(Tdatamodule_inifile::get_settings_filename());
    const std::string file((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(std::string::npos, file.find("path=\"" + server().domain_path("/srv/firm/") + "\""));
    EXPECT_EQ(std::string::npos, file.find(server().fpassword.substr(0, 8)));
    EXPECT_EQ(std::string::npos, file.find("user=\"" + server().fuser));
    Tdatamodule_inifile read;
    ASSERT_EQ(1, read.get_domain_count());
    EXPECT_EQ(server().fuser, read.get_domain_user(0));
    EXPECT_EQ(server().fpassword, read.get_domain_password(0));
}

TEST_F(ServerDomain, a_move_is_made_by_the_servers_services_into_a_folder_on_the_server) {
    fdatabase->open_database(0);
    const std::string target = ffolder + "/moved/";
    fs::create_directories(target);
    tvelmor_messagelines_lines lines(nullptr, 102);
    ASSERT_TRUE(Tdatamodule_maintenance_dbpath().run_moveto_dbpath(lines, target));
    EXPECT_TRUE(fs::exists(target + "accounts.fdb"));
    int backups = 0;
    for (const auto& entry : fs::directory_iterator(target))
        backups += entry.path().extension() == ".fbk";
    EXPECT_EQ(1, backups);
    // The open domain is back at its old place, over the server.
    EXPECT_EQ(server().domain_path(fdomain_folder), fdatabase->database_path());
    EXPECT_EQ(200, number("SELECT COUNT(*) FROM account"));
}

TEST_F(ServerDomain, a_move_whose_restore_fails_on_the_server_leaves_no_database_there) {
    const std::string cut = ffolder + "/cut.fbk";
    fs::copy_file(std::string(VELMOR_BUILD_DIR) + "/bin/install/accounts.1.0.1.3.release.fbk", cut);
    fs::resize_file(cut, fs::file_size(cut) / 2);
    const std::string target = ffolder + "/moved/";
    fs::create_directories(target);
    tvelmor_messagelines_lines lines(nullptr, 102);
    const tdomain_location server_location = tdomain_location::parse(server().domain_path(fdomain_folder));
    Tdatamodule_maintenance_dbpath move;
    EXPECT_ANY_THROW(move.restore_into_folder(lines, server_location, server().fuser, server().fpassword, cut, target));
    EXPECT_FALSE(fs::exists(target + "accounts.fdb"));
    // A database that was there before the failed restore stays.
    const std::string whole = std::string(VELMOR_BUILD_DIR) + "/bin/install/accounts.1.0.1.3.release.fbk";
    move.restore_into_folder(lines, server_location, server().fuser, server().fpassword, whole, target);
    const auto size = fs::file_size(target + "accounts.fdb");
    EXPECT_ANY_THROW(move.restore_into_folder(lines, server_location, server().fuser, server().fpassword, cut, target));
    ASSERT_TRUE(fs::exists(target + "accounts.fdb"));
    EXPECT_EQ(size, fs::file_size(target + "accounts.fdb"));
}

TEST_F(ServerSetupPage, the_server_setup_restores_on_the_server_unpacks_here_and_writes_the_login_to_the_settings) {
    Thandlermodule_maintenance_server& page = open_server_page();
    EXPECT_EQ(Thandlermodule_maintenance_server::pageno, fcontroller->get_pageno());
    const tserver_details details = good_details();
    fill(page, details);
    ASSERT_TRUE(page.run_setup()) << ::testing::PrintToString(texts(page.lines()));
    const std::vector<std::string> shown = texts(page.lines());
    EXPECT_EQ("Connected.", shown[1]);
    EXPECT_NE(shown.end(), std::find(shown.begin(), shown.end(), "Restore Finished."));
    EXPECT_TRUE(fs::exists(fserver_folder + "accounts.fdb"));
    const tdomain_location location = tdomain_location::parse(details.domain_path());
    EXPECT_TRUE(fs::exists(Tdatamodule_database_customers::data_files_folder_of(location) + "plu.idx"));
    Tdatamodule_inifile read;
    ASSERT_EQ(1, read.get_domain_count());
    EXPECT_EQ(details.domain_path(), read.get_domain_path(0));
    EXPECT_EQ(details.fpassword, read.get_domain_password(0));
    // The program opens it next, over the server.
    finifile = std::make_unique<Tdatamodule_inifile>();
    fdatabase->finifile = finifile.get();
    fdatabase->open_database(0);
    EXPECT_EQ(200, number("SELECT COUNT(*) FROM account"));
    fdatabase->close_database();

    // A second setup onto the same folder keeps the database there and this machine's data
    // files (an index rebuilt here describes that database, the shipped one does not).
    const std::string index = Tdatamodule_database_customers::data_files_folder_of(location) + "plu.idx";
    std::ofstream(index, std::ios::trunc) << "rebuilt here";
    tvelmor_messagelines_lines lines(nullptr, 102);
    ASSERT_TRUE(Tdatamodule_maintenance_server().run_setup(lines, details));
    const std::vector<std::string> again = texts(lines);
    EXPECT_EQ((std::vector<std::string>{"Existing Database, Skipped Restore..."}),
              std::vector<std::string>(again.begin() + 2, again.end()));
    EXPECT_EQ(12u, fs::file_size(index));
}

TEST_F(ServerSetupPage, details_that_cannot_work_write_nothing_and_say_why) {
    struct tcase {
        const char* what;
        tserver_details details;
        const char* shown;  // the first line, or "" for the engine's own words
    };
    tserver_details wrong_password = good_details();
    wrong_password.fpassword = "not it";
    tserver_details no_server = good_details();
    no_server.fport = std::to_string(tfirebird_server::shared().port() == 1 ? 2 : 1);
    tserver_details no_host = good_details();
    no_host.fhost.clear();
    tserver_details bad_port = good_details();
    bad_port.fport = "80x";
    tserver_details no_user = good_details();
    no_user.fuser.clear();
    const tcase cases[] = {
        {"wrong password", wrong_password, ""},
        {"nothing listening", no_server, ""},
        {"no host", no_host, "The server name is missing."},
        {"bad port", bad_port, "The port [80x] of the database path [127.0.0.1/80x:"},
        {"no user", no_user, "The user name is missing."},
    };
    Thandlermodule_maintenance_server& page = open_server_page();
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.what);
        page.lines().lines.clear();
        fill(page, c.details);
        EXPECT_FALSE(page.run_setup());
        const std::vector<std::string> shown = texts(page.lines());
        ASSERT_GE(shown.size(), 2u);
        if (*c.shown) {
            EXPECT_EQ(0u, shown[0].rfind(c.shown, 0)) << shown[0];
        }
        EXPECT_EQ("Setup Aborted.", shown.back());
        EXPECT_FALSE(fs::exists(Tdatamodule_inifile::get_settings_filename()));
        EXPECT_FALSE(fs::exists(fserver_folder + "accounts.fdb"));
    }
    // Cancel goes back to the first-run page.
    page.callback_message2(Thandlermodule_maintenance_server::tag_cancel, tmsg_code::button_pressed);
    EXPECT_EQ(Thandlermodule_maintenance_dbpath1::pageno, fcontroller->get_pageno());
}

TEST_F(ServerSetupPage, a_shipped_backup_cut_short_fails_the_restore_and_the_next_run_restores_afresh) {
    const std::string backup = ffolder + "/install/accounts.1.0.1.3.release.fbk";
    fs::copy_file(backup, backup + ".whole");
    fs::resize_file(backup, fs::file_size(backup) / 2);
    tvelmor_messagelines_lines lines(nullptr, 102);
    EXPECT_FALSE(Tdatamodule_maintenance_server().run_setup(lines, good_details()));
    std::string joined;
    for (const std::string& l : texts(lines)) joined += (joined.empty() ? "" : " ") + l;
    EXPECT_NE(std::string::npos, joined.find("The server could not restore the shipped database")) << joined;
    EXPECT_FALSE(fs::exists(fserver_folder + "accounts.fdb"));
    EXPECT_FALSE(fs::exists(Tdatamodule_inifile::get_settings_filename()));

    fs::rename(backup + ".whole", backup);
    tvelmor_messagelines_lines again(nullptr, 102);
    ASSERT_TRUE(Tdatamodule_maintenance_server().run_setup(again, good_details()));
    const std::vector<std::string> shown = texts(again);
    EXPECT_NE(shown.end(), std::find(shown.begin(), shown.end(), "Restore Finished."));
}

TEST_F(ServerSetupPage, the_password_edit_draws_a_dot_for_each_character) {
    Thandlermodule_maintenance_server& page = open_server_page();
    fill(page, good_details());
    surface(ht_main).fcanvas.clear();
    page.draw_control(Thandlermodule_maintenance_server::tag_password, false);
    const std::string drawn = surface(ht_main).fcanvas.text();
    EXPECT_EQ(std::string::npos, drawn.find("password"));
    EXPECT_NE(std::string::npos, drawn.find(utf16_to_utf8(std::u16string(server().fpassword.size(), u'\u2022'))));
}
