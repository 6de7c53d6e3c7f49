// The program's log: where it goes, what it keeps at the default level, and its size cap.
#include "shell/shell_log.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string read(const std::string& afile) {
    std::ifstream in(afile);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct tlog_folder {
    QTemporaryDir dir;
    tlog_folder() {
        setenv("XDG_STATE_HOME", dir.path().toUtf8().constData(), 1);
        unsetenv("VELMOR_LOG");
    }
};

TEST(ShellLog, ErrorTextsAreKeptOnlyAtTheDebugLevel) {
    tlog_folder folder;
    EXPECT_EQ(folder.dir.path().toStdString() + "/velmor_accounts/velmor_accounts.log", tshell_log::get_filename());
    tshell_log::error_shown("Customer Smith owes 12.00");
    setenv("VELMOR_LOG", "debug", 1);
    tshell_log::error_shown("Field [x] not found");
    std::string text = read(tshell_log::get_filename());
    EXPECT_EQ(std::string::npos, text.find("Smith"));
    EXPECT_NE(std::string::npos, text.find(" error shown\n"));
    EXPECT_NE(std::string::npos, text.find(" error shown: Field [x] not found\n"));
}

TEST(ShellLog, AFullLogBecomesTheOlderFileAndANewOneStarts) {
    tlog_folder folder;
    const std::string file = tshell_log::get_filename();
    for (int i = 0; i < 10; ++i) tshell_log::write("line " + std::to_string(i), 100);
    EXPECT_LE(std::filesystem::file_size(file), 200u);
    EXPECT_TRUE(std::filesystem::exists(file + ".1"));
    EXPECT_NE(std::string::npos, read(file).find("line 9"));
}

}  // namespace
