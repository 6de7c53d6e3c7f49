// Domain paths on this machine and on a database server.
#include <gtest/gtest.h>

#include "procs/domain_location.h"
#include "procs/procs_scramble.h"
#include "procs/velmor_exception.h"

TEST(DomainLocation, splits_host_port_and_folder_and_names_the_engine_files) {
    struct tcase {
        const char* path;
        const char* host;
        int port;
        const char* folder;
        const char* database;
    };
    const tcase cases[] = {
        {"/home/firm/data/", "", 0, "/home/firm/data/", "/home/firm/data/accounts.fdb"},
        {"/home/firm/data", "", 0, "/home/firm/data/", "/home/firm/data/accounts.fdb"},
        {"/srv/a:b/", "", 0, "/srv/a:b/", "/srv/a:b/accounts.fdb"},  // a ":" inside a local folder
        {"office:/srv/firm/", "office", 0, "/srv/firm/", "office:/srv/firm/accounts.fdb"},
        {"10.0.0.5/3051:/srv/firm", "10.0.0.5", 3051, "/srv/firm/", "10.0.0.5/3051:/srv/firm/accounts.fdb"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.path);
        const tdomain_location l = tdomain_location::parse(c.path);
        EXPECT_EQ(c.host, l.fhost);
        EXPECT_EQ(c.port, l.fport);
        EXPECT_EQ(c.folder, l.ffolder);
        EXPECT_EQ(c.database, l.database_name("accounts.fdb"));
        EXPECT_EQ(*c.host != 0, l.is_server());
    }
    EXPECT_EQ("10.0.0.5/3051:service_mgr", tdomain_location::parse("10.0.0.5/3051:/x/").service_name());
    EXPECT_EQ("service_mgr", tdomain_location::parse("/x/").service_name());
}

TEST(DomainLocation, refuses_paths_that_name_no_folder_or_a_bad_port) {
    for (const char* path : {"", "relative/folder/", "office:", "office:relative/", ":/srv/", "office/0:/srv/",
                             "office/65536:/srv/", "office/30x:/srv/", "office/:/srv/"}) {
        SCOPED_TRACE(path);
        EXPECT_THROW(tdomain_location::parse(path), tvelmor_exception);
    }
}

TEST(ScrambleText, any_length_round_trips_and_never_shows_the_text) {
    for (const std::string& text : {std::string(), std::string("sysdba"), std::string(16, 'x'),
                                   std::string("a firm's password, 32 bytes long"), std::string(40, '7')}) {
        SCOPED_TRACE(text);
        const std::string scrambled = tprocs_scramble::scramble_text(text);
        EXPECT_EQ(text, tprocs_scramble::unscramble_text(scrambled));
        if (!text.empty()) {
            EXPECT_EQ(std::string::npos, scrambled.find(text));
        }
    }
}
