// Build-time tool: creates the demo database from install/schema.sql and the demo word lists,
// sets its page buffers, backs it up into the shipped backup file and makes the data-file
// archive with the demo site pictures and the demo's PLU word index.
//   make_database <schema.sql> <demo_words.txt> <work folder> <backup file> <data_files.zip> [contacts plu]
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "database/fb_script.h"
#include "database/fb_service.h"
#include "plu/datamodule_word_index2.h"
#include "plu/plu_word_index.h"
#include "make_database_demo.h"
#include "make_database_pictures.h"

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
    if (argc != 6 && argc != 8) {
        std::fprintf(stderr, "usage: make_database schema.sql demo_words.txt work_folder backup.fbk data_files.zip"
                             " [contacts plu]\n");
        return 2;
    }
    try {
        namespace fs = std::filesystem;
        tdemo_scale scale;
        if (argc == 8) {
            scale.fcontacts = std::stoi(argv[6]);
            scale.fplu = std::stoi(argv[7]);
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
            // The sites use pictures 1 to 5 of the archive; the next one added is 6.
            tfb_script::execute(db, "ALTER SEQUENCE gn_cpsite_pic RESTART WITH " + std::to_string(tdemo_data::site_pictures) + ";");
            // The demo's PLU index ships beside the database, so a new installation searches at once.
            rebuild_plu_word_index(db, (fs::path(argv[3]) / "").string());
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
        std::vector<std::string> index_files;
        for (const char* name : {Tdatamodule_word_index2::file_header, Tdatamodule_word_index2::file_words,
                                 Tdatamodule_word_index2::file_records})
            index_files.push_back((fs::path(argv[3]) / name).string());
        tdemo_pictures::make_archive(argv[5], tdemo_data::site_pictures, index_files);
        std::printf("made %s and %s\n", backup.c_str(), argv[5]);
        tfb_database::shutdown_engine_and_exit(0);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_database: %s\n", e.what());
        tfb_database::shutdown_engine_and_exit(1);
    }
}
