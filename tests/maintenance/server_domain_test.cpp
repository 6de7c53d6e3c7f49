// Domains on a database server: opened over the network with the login the settings keep, the
// login kept scrambled in the settings file, the move made by the server's own services.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "accounts/accounts_fixture.h"
#include "controls/miscobjects.h"
#include "maintenance/datamodule_maintenance_dbpath.h"
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

}  // namespace

TEST_F(ServerDomain, opens_over_the_network_with_the_kept_login_and_keeps_data_files_on_this_machine) {
    fdatabase->open_database(0);
    EXPECT_EQ("TCPv4", text("SELECT TRIM( mon$remote_protocol ) FROM mon$attachments "
                            "WHERE mon$attachment_id = CURRENT_CONNECTION"));
    EXPECT_EQ(server().domain_path(fdomain_folder), fdatabase->database_path());
    EXPECT_EQ(0u, fdatabase->data_files_folder().rfind(tprogram_folders::get_program_data_folder(), 0));
    EXPECT_EQ(200, number("SELECT COUNT(*) FROM account"));
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
