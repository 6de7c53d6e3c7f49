// Build-time tool: creates the demo database from install/schema.sql and the demo word lists,
// sets its page buffers, and backs it up into the shipped backup file.
//   make_database <schema.sql> <demo_words.txt> <work folder> <backup file> [contacts plu]
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "database/fb_script.h"
#include "database/fb_service.h"
#include "make_database_demo.h"

namespace {

std::string read_file(const std::string& apath) {
    std::ifstream in(apath, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + apath);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Pages the engine caches for this database: the embedded engine takes the figure stored in the
// database header, and a restore keeps it.
constexpr int32_t page_buffers = 8192;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5 && argc != 7) {
        std::fprintf(stderr, "usage: make_database schema.sql demo_words.txt work_folder backup.fbk [contacts plu]\n");
        return 2;
    }
    try {
        namespace fs = std::filesystem;
        tdemo_scale scale;
        if (argc == 7) {
            scale.fcontacts = std::stoi(argv[5]);
            scale.fplu = std::stoi(argv[6]);
            scale.faccounts = std::max(200, scale.fcontacts / 3);
        }
        fs::create_directories(argv[3]);
        std::string database_path = (fs::path(argv[3]) / "accounts.fdb").string();
        fs::remove(database_path);
        {
            tfb_database db;
            db.params() = {"user_name=SYSDBA", "set_page_buffers=" + std::to_string(page_buffers)};
            db.fdatabase_name = database_path;
            db.create();
            tfb_script::execute(db, read_file(argv[1]));
            tdemo_data(read_file(argv[2]), scale).load(db);
            db.close();
        }
        fs::path backup = argv[4];
        fs::create_directories(backup.parent_path());
        fs::remove(backup);
        tfb_backup_service service;
        service.fparams = {"user_name=SYSDBA"};
        service.fdatabase_files = {database_path};
        service.fbackup_files = {backup.string()};
        service.fverbose = false;
        try {
            service.attach();
            service.start();
            while (!service.eof())
                service.get_next_line();
            service.detach();
        } catch (...) {
            service.detach();
            throw;
        }
        fs::remove(database_path);
        std::printf("made %s\n", backup.c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_database: %s\n", e.what());
        return 1;
    }
}
