#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "database/fb_database.h"
#include "database_fixture.h"

extern char** environ;

using FbDatabase = tdatabase_test;

TEST_F(FbDatabase, ADatabaseAnotherProcessHoldsOpenIsRefusedWithAClearMessage) {
    std::string database = empty_database();
    // The engine's own command-line tool holds the database open while its input stays open.
    int input[2], output[2];
    ASSERT_EQ(0, pipe(input));
    ASSERT_EQ(0, pipe(output));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_addclose(&actions, input[1]);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    std::string db_arg = database;
    char* argv[] = {const_cast<char*>("isql-fb"), const_cast<char*>("-user"), const_cast<char*>("SYSDBA"),
                    db_arg.data(), nullptr};
    pid_t holder = 0;
    ASSERT_EQ(0, posix_spawnp(&holder, "isql-fb", &actions, nullptr, argv, environ));
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);
    // Once the tool answers a query it has the database open.
    const char query[] = "SELECT 'attached' FROM rdb$database;\n";
    ASSERT_EQ(static_cast<ssize_t>(sizeof query - 1), write(input[1], query, sizeof query - 1));
    std::string answer;
    char buffer[256];
    for (ssize_t n; answer.find("attached") == std::string::npos && (n = read(output[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, static_cast<size_t>(n));

    tfb_database db;
    db.fdatabase_name = database;
    std::string message = message_of([&] { db.open(); });
    close(input[1]);  // the tool ends at the end of its input
    close(output[0]);
    int status = 0;
    waitpid(holder, &status, 0);
    EXPECT_EQ(0, message.rfind("The database [" + database + "] is open in another copy of the program.\r\n", 0))
        << message;
}

TEST_F(FbDatabase, ALockFolderThatCannotBeCreatedIsReportedWithTheSystemsReason) {
    // The runtime folder is a plain file, so no folder can be made under it.
    const std::string blocker = path("not_a_folder");
    { std::ofstream(blocker) << "x"; }
    const std::string lock = getenv("FIREBIRD_LOCK"), runtime = getenv("XDG_RUNTIME_DIR") ? getenv("XDG_RUNTIME_DIR") : "";
    unsetenv("FIREBIRD_LOCK");
    setenv("XDG_RUNTIME_DIR", blocker.c_str(), 1);
    tfb_database db;
    db.fdatabase_name = path("never.fdb");
    std::string message = message_of([&] { db.open(); });
    setenv("FIREBIRD_LOCK", lock.c_str(), 1);
    if (runtime.empty()) unsetenv("XDG_RUNTIME_DIR");
    else setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    EXPECT_EQ("The database engine's lock folder \"" + blocker + "/velmor_accounts/firebird\" cannot be created: Not a directory.",
              message);
}
