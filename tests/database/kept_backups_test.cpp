#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "database/fb_database.h"
#include "database/kept_backups.h"
#include "database/fb_service.h"
#include "database/datamodule_database_customers.h"
#include "database_fixture.h"

namespace fs = std::filesystem;
using std::chrono::hours;
using std::chrono::system_clock;

namespace {

class KeptBackups : public tdatabase_test {
protected:
    void SetUp() override {
        tdatabase_test::SetUp();
        fdomain = path("domain") + "/";
        fs::create_directories(fdomain + "backups");
    }
    void touch(const std::string& aname, const std::string& atext = "old") {
        std::ofstream(fdomain + "backups/" + aname) << atext;
    }
    std::vector<std::string> files() {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(fdomain + "backups")) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string fdomain;
};

TEST_F(KeptBackups, names_carry_the_local_time_to_the_millisecond_and_read_back) {
    const auto now = system_clock::now();
    const std::string name = tkept_backups::file_name(now);
    ASSERT_EQ(30u, name.size()) << name;
    system_clock::time_point back;
    ASSERT_TRUE(tkept_backups::time_of(name, back));
    EXPECT_EQ(std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count(),
              std::chrono::duration_cast<std::chrono::milliseconds>(back.time_since_epoch()).count());
    for (const char* other : {"accounts.fbk", "accounts.2026121017000000.fbk", "accounts.2026121017000000x0.fbk",
                              "accounts.20261210170000000.fbk.writing", "notes.20261210170000000.fbk"}) {
        SCOPED_TRACE(other);
        EXPECT_FALSE(tkept_backups::time_of(other, back));
    }
}

TEST_F(KeptBackups, a_backup_is_due_without_one_or_when_the_newest_is_older_than_a_day) {
    const auto now = system_clock::now();
    EXPECT_TRUE(tkept_backups::is_due(path("nowhere"), now));
    EXPECT_TRUE(tkept_backups::is_due(fdomain, now));
    touch("notes.txt");
    EXPECT_TRUE(tkept_backups::is_due(fdomain, now));
    touch(tkept_backups::file_name(now - hours(30)));
    EXPECT_TRUE(tkept_backups::is_due(fdomain, now));
    touch(tkept_backups::file_name(now - hours(23)));
    EXPECT_FALSE(tkept_backups::is_due(fdomain, now));
    EXPECT_TRUE(tkept_backups::is_due(fdomain, now + hours(2)));
}

// A real backup of a real database joins eleven older ones: the newest ten stay, and files that
// are not backups of the pattern are never touched.
TEST_F(KeptBackups, taking_a_backup_keeps_the_newest_ten_and_nothing_else_is_touched) {
    schema_database("domain/accounts.fdb");
    const auto now = system_clock::now();
    std::vector<std::string> older;
    for (int i = 11; i >= 1; --i) older.push_back(tkept_backups::file_name(now - hours(24 * i)));
    for (const auto& name : older) touch(name);
    touch("notes.txt");
    touch("accounts.fbk");
    int32_t lines = 0;
    const std::string taken = tkept_backups::take(fdomain, [&](const std::string&) { ++lines; });
    EXPECT_GT(lines, 0);
    ASSERT_TRUE(fs::exists(taken));
    EXPECT_EQ(fdomain + "backups/", taken.substr(0, fdomain.size() + 8));
    EXPECT_GT(fs::file_size(taken), 1000u);
    std::vector<std::string> expected(older.begin() + 2, older.end());
    expected.push_back(fs::path(taken).filename().string());
    expected.push_back("accounts.fbk");
    expected.push_back("notes.txt");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, files());
    // The backup restores into a database.
    tfb_restore_service restore;
    restore.fparams = {"user_name=" + Tdatamodule_database_customers::user_name()};
    restore.fdatabase_files = {path("restored.fdb")};
    restore.fbackup_files = {taken};
    restore.attach();
    restore.start();
    while (!restore.eof()) restore.get_next_line();
    restore.detach();
    EXPECT_TRUE(fs::exists(path("restored.fdb")));
}

TEST_F(KeptBackups, a_failed_backup_leaves_no_file_and_removes_no_older_backup) {
    // No database in the folder: the engine refuses.
    for (int i = 12; i >= 1; --i) touch(tkept_backups::file_name(system_clock::now() - hours(24 * i)));
    const std::vector<std::string> before = files();
    EXPECT_NE("(no exception)", message_of([&] { tkept_backups::take(fdomain, {}); }));
    EXPECT_EQ(before, files());
    // A backups folder that cannot be made is said.
    const std::string blocked = path("blocked") + "/";
    fs::create_directories(blocked);
    std::ofstream(blocked + "backups") << "a file in the way";
    EXPECT_EQ("Unable to create the backups folder [" + blocked + "backups].",
              message_of([&] { tkept_backups::take(blocked, {}); }));
}

}  // namespace
