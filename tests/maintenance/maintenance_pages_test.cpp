#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/accounts_fixture.h"
#include "controls/control_kinds.h"
#include "controls/controls_registration.h"
#include "controls/container_controls_generic.h"
#include "controls/miscobjects.h"
#include "database/fb_service.h"
#include "maintenance/datamodule_maintenance_dbpath.h"
#include "maintenance/handlermodule_maintenance_dbpath.h"
#include "maintenance/handlermodule_maintenance_dbpath1.h"
#include "maintenance/maintenance_pages.h"
#include "maintenance/service_lines.h"
#include "procs/message_format.h"
#include "procs/program_folders.h"
#include "zip_writer.h"

namespace fs = std::filesystem;

namespace {

const std::string backup_name = "accounts.1.0.1.3.release.fbk";

class MaintenancePages : public taccounts_page_test {
protected:
    void SetUp() override {
        taccounts_page_test::SetUp();
        register_renderers();
        fs::create_directories(ffolder + "/install");
        for (const char* name : {"accounts.1.0.1.3.release.fbk", "data_files.zip"})
            fs::copy_file(std::string(VELMOR_BUILD_DIR) + "/bin/install/" + name, ffolder + "/install/" + name);
        start([](tpage_controller_generic& acontroller) { register_maintenance_pages(acontroller); });
    }
    template <typename T> T& page() {
        auto* p = dynamic_cast<T*>(fcontroller->get_handler_main());
        if (!p) throw std::runtime_error("another page is the main page");
        return *p;
    }
    // The setup page as it shows without a settings file.
    Thandlermodule_maintenance_dbpath1& setup_page() {
        finifile->flist_domains.clear();
        fdatabase->close_database();
        fcontroller->page_enter(9, true);
        return page<Thandlermodule_maintenance_dbpath1>();
    }
    template <typename T> T& control(Thandlermodule_page& apage, int32_t atag) {
        return dynamic_cast<T&>(*apage.fcontrols->get_control(atag));
    }
    static std::vector<std::string> lines(tvelmor_messagelines& alines) {
        std::vector<std::string> texts;
        for (const auto& l : alines.lines) texts.push_back(utf16_to_utf8(l.text));
        return texts;
    }
    std::string settings() const {
        std::ifstream in(ffolder + "/data/velmor.ini");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

}  // namespace

TEST_F(MaintenancePages, TheSetupPageProposesTheFolderAndItsRunInstallsAndWritesTheSettings) {
    Thandlermodule_maintenance_dbpath1& setup = setup_page();
    const std::string proposed = tprogram_folders::get_program_data_folder() + "/velmor_accounts/";
    EXPECT_EQ(proposed, setup.fdbpath);
    EXPECT_EQ(utf8_to_utf16(proposed), control<tvelmor_label>(setup, 104).caption);
    EXPECT_TRUE(control<tvelmor_button>(setup, 108).enabled);
    EXPECT_EQ(u"Set Database Path", header().ftitle);

    // A folder whose name is not ASCII, made by the run with its missing parents.
    setup.fdbpath = ffolder + "/données/büro/";
    ASSERT_TRUE(setup.run_setup());
    const std::vector<std::string> shown = lines(setup.lines());
    // The engine's status lines, as many as it prints, stand between the restore's start and end.
    ASSERT_GE(shown.size(), 5u) << testing::PrintToString(shown);
    EXPECT_EQ("Restore Database Started...", shown.front());
    for (size_t i = 1; i + 3 < shown.size(); ++i)
        EXPECT_EQ(tprocs_maintenance::margin_engine, setup.lines().lines[i].margin) << shown[i];
    EXPECT_EQ((std::vector<std::string>{"Restore Finished.", "Extract Data Files...", "Extract Finished."}),
              std::vector<std::string>(shown.end() - 3, shown.end()));
    EXPECT_TRUE(fs::is_regular_file(setup.fdbpath + "accounts.fdb"));
    EXPECT_TRUE(fs::is_directory(setup.fdbpath + "pics"));
    EXPECT_NE(std::string::npos, settings().find("name=\"Demo Data\" path=\"" + setup.fdbpath + "\""));
    EXPECT_EQ(bk_ok, control<tvelmor_button_bitbtn>(setup, 107).kind);
    EXPECT_TRUE(control<tvelmor_button>(setup, 107).enabled);
    EXPECT_FALSE(control<tvelmor_button>(setup, 108).visible);
    EXPECT_EQ(u"Finished :", control<tvelmor_label>(setup, 109).caption);
    EXPECT_TRUE(setup.frestored);
    EXPECT_FALSE(setup.flocked);
}

TEST_F(MaintenancePages, ASetupThatFailsSaysWhyLeavesNothingAndUnlocksThePage) {
    struct tcase {
        const char* what;
        std::string folder;
        std::function<void()> prepare;
        std::string message;
    };
    const std::string backup = ffolder + "/install/" + backup_name;
    std::ofstream(ffolder + "/a_file") << "x";
    const tcase cases[] = {
        {"missing backup", ffolder + "/m/", [&] { fs::rename(backup, backup + ".away"); },
         "Backup file [" + backup + "] not found."},
        {"damaged backup", ffolder + "/d/",
         [&] {
             fs::rename(backup + ".away", backup);
             fs::resize_file(backup, fs::file_size(backup) / 2);
         },
         "Restore of [" + backup + "] did not finish in tfb_restore_service.get_next_line();"},
        {"double quote", ffolder + "/say \"hi\"/", [] {},
         "The folder name [" + ffolder + "/say \"hi\"/] holds a double quote, which the settings file cannot hold."},
        {"cannot be created", ffolder + "/a_file/db/", [] {},
         "Unable to create database folder [" + ffolder +
             "/a_file/db/] in Tdatamodule_maintenance_dbrestore.DataModuleCreate();"},
        {"cannot be written", "/proc/1/", [] {},
         "Unable to create database folder [/proc/1/] in Tdatamodule_maintenance_dbrestore.DataModuleCreate();"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        Thandlermodule_maintenance_dbpath1& setup = setup_page();
        setup.fdbpath = c.folder;
        EXPECT_FALSE(setup.run_setup());
        const std::vector<std::string> shown = lines(setup.lines());
        ASSERT_GE(shown.size(), 2u);
        // Long lines are wrapped at spaces: joined again, they hold the message.
        std::string joined;
        for (const std::string& l : shown) joined += (joined.empty() ? "" : " ") + l;
        EXPECT_NE(std::string::npos, joined.find(c.message)) << joined;
        EXPECT_EQ("Setup Aborted.", shown.back());
        EXPECT_FALSE(fs::exists(c.folder + "accounts.fdb"));
        EXPECT_FALSE(fs::exists(c.folder + "accounts.fdb.setup"));
        EXPECT_FALSE(fs::exists(c.folder + "accounts.fdb.setup.restoring"));
        EXPECT_FALSE(fs::exists(ffolder + "/data/velmor.ini"));
        for (int32_t tag : {105, 107, 108}) EXPECT_TRUE(control<tvelmor_button>(setup, tag).enabled) << tag;
        EXPECT_FALSE(setup.flocked);
        EXPECT_FALSE(setup.frestored);
    }
}

TEST_F(MaintenancePages, DataFilesThatWouldLeaveTheFolderStopTheSetupAndLeaveNothing) {
    write_zip(ffolder + "/install/data_files.zip", {{"wordhdr.idx", "fine"}, {"../escaped.txt", "x"}});
    Thandlermodule_maintenance_dbpath1& setup = setup_page();
    const std::string folder = ffolder + "/firm/";
    setup.fdbpath = folder;
    EXPECT_FALSE(setup.run_setup());
    std::string joined;
    for (const std::string& l : lines(setup.lines())) joined += (joined.empty() ? "" : " ") + l;
    EXPECT_NE(std::string::npos, joined.find("Entry [../escaped.txt] of the data files would be written outside"))
        << joined;
    EXPECT_FALSE(fs::exists(ffolder + "/escaped.txt"));
    EXPECT_FALSE(fs::exists(folder + "wordhdr.idx"));
    EXPECT_FALSE(fs::exists(folder + "accounts.fdb"));
    EXPECT_FALSE(fs::exists(ffolder + "/data/velmor.ini"));
    EXPECT_FALSE(setup.flocked);
}

TEST_F(MaintenancePages, WhatAKilledSetupLeftIsSetUpAfreshAndTheDatabaseIsNamedOnlyWithItsDataFiles) {
    Thandlermodule_maintenance_dbpath1& setup = setup_page();
    const std::string folder = ffolder + "/killed/";
    fs::create_directories(folder);
    std::ofstream(folder + "accounts.fdb.setup") << "what a killed run left";
    std::ofstream(folder + "plu.idx") << "cut short";
    setup.fdbpath = folder;
    ASSERT_TRUE(setup.run_setup());
    EXPECT_FALSE(fs::exists(folder + "accounts.fdb.setup"));
    EXPECT_GT(fs::file_size(folder + "accounts.fdb"), 100000u);
    for (const char* name : {"wordhdr.idx", "wordlns.idx", "pics/0001.jpg"}) EXPECT_TRUE(fs::exists(folder + name)) << name;
    EXPECT_GT(fs::file_size(folder + "plu.idx"), 1000u);
}

TEST_F(MaintenancePages, AFolderHoldingADatabaseSkipsTheRestoreAndStillGetsTheSettings) {
    Thandlermodule_maintenance_dbpath1& setup = setup_page();
    setup.fdbpath = ffolder + "/d0/";
    ASSERT_TRUE(setup.run_setup());
    EXPECT_EQ((std::vector<std::string>{"Existing Database, Skipped Restore..."}), lines(setup.lines()));
    EXPECT_FALSE(fs::exists(ffolder + "/d0/pics"));
    EXPECT_NE(std::string::npos, settings().find("path=\"" + ffolder + "/d0/\""));
}

TEST_F(MaintenancePages, AMoveCopiesTheDatabaseAndASecondMoveToTheSameFolderChangesNothing) {
    fcontroller->page_enter(8, false);
    auto& move = page<Thandlermodule_maintenance_dbpath>();
    EXPECT_EQ(utf8_to_utf16(ffolder + "/d0/"), control<tvelmor_label>(move, 104).caption);
    EXPECT_FALSE(control<tvelmor_button>(move, 112).enabled);
    fs::create_directories(ffolder + "/moved");
    move.fdbpath_moveto = ffolder + "/moved/";
    ASSERT_TRUE(move.run_move());
    const std::vector<std::string> first = lines(move.lines());
    EXPECT_EQ((std::vector<std::string>{"Move Database Path Started...", "- Backups Folder Created."}),
              std::vector<std::string>(first.begin(), first.begin() + 2));
    EXPECT_EQ((std::vector<std::string>{"- Database Restore Finished.", "Move Database Finished."}),
              std::vector<std::string>(first.end() - 2, first.end()));
    EXPECT_TRUE(fs::is_regular_file(ffolder + "/moved/accounts.fdb"));
    EXPECT_EQ(bk_close, control<tvelmor_button_bitbtn>(move, 111).kind);
    // The program goes on at the old place.
    EXPECT_EQ(ffolder + "/d0/", fdatabase->database_path());
    EXPECT_EQ(200, number("SELECT COUNT(*) FROM account"));

    const auto written = fs::last_write_time(ffolder + "/moved/accounts.fdb");
    const auto size = fs::file_size(ffolder + "/moved/accounts.fdb");
    move.lines().lines.clear();
    EXPECT_FALSE(move.run_move());
    const std::vector<std::string> second = lines(move.lines());
    EXPECT_NE(second.end(), std::find_if(second.begin(), second.end(), [](const std::string& aline) {
                  return aline.find("already exists") != std::string::npos;
              })) << testing::PrintToString(second);
    EXPECT_EQ("Move Database Aborted.", second.back());
    EXPECT_EQ(written, fs::last_write_time(ffolder + "/moved/accounts.fdb"));
    EXPECT_EQ(size, fs::file_size(ffolder + "/moved/accounts.fdb"));
    EXPECT_EQ(2, std::distance(fs::directory_iterator(ffolder + "/moved/backups"), fs::directory_iterator()));
    EXPECT_EQ(ffolder + "/d0/", fdatabase->database_path());
    EXPECT_EQ(200, number("SELECT COUNT(*) FROM account"));

    // A target folder that does not exist: its backups folder cannot be made.
    move.lines().lines.clear();
    move.fdbpath_moveto = ffolder + "/nowhere/";
    EXPECT_FALSE(move.run_move());
    EXPECT_EQ((std::vector<std::string>{"Move Database Path Started...",
                                        "Unable to create the backups folder [" + ffolder + "/nowhere/backups].",
                                        "Move Database Aborted."}),
              lines(move.lines()));
    EXPECT_EQ(200, number("SELECT COUNT(*) FROM account"));
}

TEST_F(MaintenancePages, BackupNamesCarryTheTimeToTheMillisecond) {
    const std::string name = Tdatamodule_maintenance_dbpath::backup_file_name();
    ASSERT_EQ(std::string("accounts.").size() + 17 + 4, name.size()) << name;
    EXPECT_EQ(0u, name.find("accounts.20"));
    EXPECT_EQ(".fbk", name.substr(name.size() - 4));
    EXPECT_EQ(std::string::npos, name.substr(9, 17).find_first_not_of("0123456789")) << name;
}

// During a run every key waits (the run lets window messages through); before it, Esc on the
// setup page leaves it, which with nothing beneath ends the program.
TEST_F(MaintenancePages, EscWaitsWhileARunGoesOnAndEndsTheProgramOtherwise) {
    Thandlermodule_maintenance_dbpath1& setup = setup_page();
    setup.flocked = true;
    EXPECT_TRUE(fcontroller->handle_keydown(27, 0, false));
    EXPECT_EQ(9, fcontroller->get_pageno());
    EXPECT_FALSE(fplatform.fclosed);
    setup.flocked = false;
    fcontroller->handle_keydown(27, 0, false);
    EXPECT_TRUE(fplatform.fclosed);
}
