#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "database/fb_query.h"
#include "database/fb_script.h"
#include "database/fb_service.h"
#include "database_fixture.h"

namespace {

class FbService : public tdatabase_test {
protected:
    // Runs a service to its end and returns its output lines; detaches also on error.
    static std::vector<std::string> run(tfb_service& aservice) {
        aservice.fparams = {"user_name=SYSDBA"};
        std::vector<std::string> lines;
        try {
            aservice.attach();
            aservice.start();
            while (!aservice.eof())
                if (std::string line = aservice.get_next_line(); !line.empty())
                    lines.push_back(line);
            aservice.detach();
        } catch (...) {
            aservice.detach();
            throw;
        }
        return lines;
    }
    std::string make_source() {
        std::string p = empty_database("source.fdb");
        tfb_database db;
        db.fdatabase_name = p;
        db.open();
        tfb_script::execute(db, "CREATE TABLE w (id INTEGER, name VARCHAR(20));"
                                "INSERT INTO w VALUES (1, 'Åsa');INSERT INTO w VALUES (2, 'Ümit');");
        return p;
    }
    static int32_t count_rows(const std::string& apath) {
        tfb_database db;
        db.fdatabase_name = apath;
        db.open();
        tfb_transaction t(db);
        tfb_query q(db, t, qoStartTransaction | qoAutoCommit);
        q.set_sql("SELECT COUNT(*) FROM w");
        q.execute();
        return q.field(0).as_integer();
    }
};

}  // namespace

TEST_F(FbService, BackupThenRestoreCopiesTheDataAndReportsVerboseLines) {
    tfb_backup_service backup;
    backup.fdatabase_files = {make_source()};
    backup.fbackup_files = {path("copy.fbk")};
    std::vector<std::string> backup_lines = run(backup);
    EXPECT_TRUE(std::filesystem::exists(path("copy.fbk")));
    ASSERT_FALSE(backup_lines.empty());
    EXPECT_NE(std::string::npos, backup_lines.front().find("gbak:")) << backup_lines.front();

    tfb_restore_service restore;
    restore.fbackup_files = {path("copy.fbk")};
    restore.fdatabase_files = {path("restored.fdb")};
    std::vector<std::string> restore_lines = run(restore);
    EXPECT_GT(restore_lines.size(), 3u);
    EXPECT_EQ(2, count_rows(path("restored.fdb")));
}

TEST_F(FbService, RestoreNeverReplacesAFileAndLeavesNothingBehindWhenTheBackupIsDamaged) {
    tfb_backup_service backup;
    backup.fdatabase_files = {make_source()};
    backup.fbackup_files = {path("copy.fbk")};
    run(backup);

    tfb_restore_service over;
    over.fbackup_files = {path("copy.fbk")};
    over.fdatabase_files = {path("source.fdb")};
    EXPECT_THROW(run(over), tvelmor_exception);
    EXPECT_EQ(2, count_rows(path("source.fdb")));

    // A backup cut short ends the engine's run without an error (the engine asks at the terminal
    // for the next volume: a terminal on standard input must not make it wait); one with garbage
    // fails. Either leaves no file behind.
    std::string full = read_text_file(path("copy.fbk"));
    std::ofstream(path("cut.fbk"), std::ios::binary) << full.substr(0, full.size() / 2);
    std::ofstream(path("garbage.fbk"), std::ios::binary)
        << full.substr(0, full.size() / 2) << std::string(full.size() - full.size() / 2, 'Z');
    int saved_stdin = dup(0);
    int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(0, grantpt(terminal));
    ASSERT_EQ(0, unlockpt(terminal));
    int terminal_input = open(ptsname(terminal), O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal_input, 0);
    dup2(terminal_input, 0);
    for (const char* damage : {"cut", "garbage"}) {
        SCOPED_TRACE(damage);
        tfb_restore_service damaged;
        damaged.fbackup_files = {path(std::string(damage) + ".fbk")};
        damaged.fdatabase_files = {path("damaged.fdb")};
        EXPECT_THROW(run(damaged), tvelmor_exception);
        EXPECT_FALSE(std::filesystem::exists(path("damaged.fdb")));
        EXPECT_FALSE(std::filesystem::exists(tfb_restore_service::temporary_name(path("damaged.fdb"))));
    }
    dup2(saved_stdin, 0);
    close(saved_stdin);
    close(terminal_input);
    close(terminal);
}

TEST_F(FbService, ARestoreClearsWhatAKilledRunLeftAndNamesTheDatabaseOnlyWhenFinished) {
    tfb_backup_service backup;
    backup.fdatabase_files = {make_source()};
    backup.fbackup_files = {path("copy.fbk")};
    run(backup);
    // A killed run left half a file under the temporary name.
    std::ofstream(tfb_restore_service::temporary_name(path("accounts.fdb")), std::ios::binary) << "half a database";
    tfb_restore_service restore;
    restore.fbackup_files = {path("copy.fbk")};
    restore.fdatabase_files = {path("accounts.fdb")};
    restore.fparams = {"user_name=SYSDBA"};
    restore.attach();
    restore.start();
    EXPECT_FALSE(std::filesystem::exists(path("accounts.fdb")));  // still being written
    while (!restore.eof()) restore.get_next_line();
    restore.detach();
    EXPECT_EQ(2, count_rows(path("accounts.fdb")));
    EXPECT_FALSE(std::filesystem::exists(tfb_restore_service::temporary_name(path("accounts.fdb"))));
}

// File names reach the engine as UTF-8 whatever the locale: the C locale of a test process is
// the harder case.
TEST_F(FbService, BackupRestoreAndOpenWorkInFoldersWithNonAsciiNames) {
    for (const char* folder : {"données", "Büro"}) {
        SCOPED_TRACE(folder);
        std::filesystem::create_directories(path(folder));
        tfb_backup_service backup;
        backup.fdatabase_files = {make_source()};
        backup.fbackup_files = {path(std::string(folder) + "/copy.fbk")};
        run(backup);
        tfb_restore_service restore;
        restore.fbackup_files = backup.fbackup_files;
        restore.fdatabase_files = {path(std::string(folder) + "/accounts.fdb")};
        run(restore);
        EXPECT_EQ(2, count_rows(restore.fdatabase_files.front()));
        std::filesystem::remove(path("source.fdb"));
    }
}

TEST_F(FbService, AServiceWithoutAUserNameIsRefusedBeforeTheEngineCouldAsk) {
    tfb_backup_service backup;
    backup.fdatabase_files = {make_source()};
    backup.fbackup_files = {path("copy.fbk")};
    EXPECT_EQ("No user name given in tfb_backup_service.attach();", message_of([&] { backup.attach(); }));
}
