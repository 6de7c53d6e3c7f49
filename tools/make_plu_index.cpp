// Writes the PLU word index of a database beside it (or into another folder): the three index
// files the PLU search reads, renamed into place only when all three are complete.
//   make_plu_index <accounts.fdb> [folder]
#include <cstdio>
#include <filesystem>

#include "database/fb_database.h"
#include "plu/plu_word_index.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make_plu_index <database file> [folder]\n");
        return 2;
    }
    namespace fs = std::filesystem;
    try {
        std::string folder = argc == 3 ? argv[2] : fs::absolute(argv[1]).parent_path().string();
        if (folder.empty() || folder.back() != '/') folder += '/';
        tword_index_figures figures;
        {
            tfb_database database;
            database.params() = {"user_name=SYSDBA"};
            database.fdatabase_name = fs::absolute(argv[1]).string();
            database.open();
            figures = rebuild_plu_word_index(database, folder);
            database.close();
        }
        std::printf("PLU index in %s: %d words, %lld ids, %d blocks, %d prefixes\n", folder.c_str(), figures.fwords,
                    static_cast<long long>(figures.fids), figures.fblocks, figures.fvalues);
        tfb_database::shutdown_engine_and_exit(0);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_plu_index: %s\n", e.what());
        tfb_database::shutdown_engine_and_exit(1);
    }
}
