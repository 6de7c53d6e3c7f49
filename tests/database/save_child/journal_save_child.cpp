// The child process of the kill tests: runs journaled saves over a database and is ended in the
// middle of them, by the fault switch ("exit at once") or by the parent's kill.
//   journal_save_child FOLDER point N   every kind's save once, ending the process at point N
//                                       (0: never); prints "saved K" after each save
//   journal_save_child FOLDER loop      account edits and invoice posts, round after round;
//                                       prints "ready", then "round R" after each round
// FOLDER holds accounts.fdb. The exit status is 0 when every save went through.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "../journal_saves.h"
#include "database/datamodule_database_customers.h"
#include "database/datamodule_ejt.h"
#include "database/datamodule_querys.h"
#include "database/fault_injection.h"
#include "database/fb_database.h"
#include "procs/program_folders.h"
#include "xml/datamodule_inifile.h"

namespace {

void say(const std::string& aline) {
    std::printf("%s\n", aline.c_str());
    std::fflush(stdout);
}

int run(const std::string& afolder, const std::string& amode, int64_t apoint) {
    tprogram_folders::set_program_folder(afolder);
    Tdatamodule_inifile settings;
    auto domain = std::make_unique<telement_domain>();
    domain->fname = "Demo Data";
    domain->fpath = afolder;
    settings.flist_domains.push_back(std::move(domain));
    Tdatamodule_database_customers database(&settings);
    database.open_database(0);
    Tdatamodule_querys querys(database);
    Tdatamodule_ejt ejt(database);
    if (amode == "point") {
        std::vector<tjournal_save> saves = journal_saves(1);
        tfault_injection::arm(apoint, tfault_action::exit_at_once);
        for (size_t k = 0; k < saves.size(); ++k) {
            saves[k].send();
            say("saved " + std::to_string(k + 1));
        }
        tfault_injection::disarm();
        say("points " + std::to_string(tfault_injection::count()));
        return 0;
    }
    say("ready");
    for (int32_t round = 1; round < 100000; ++round) {
        for (tjournal_save& save : journal_saves(round))
            if (save.kind == 101 || save.kind == 401) save.send();
        say("round " + std::to_string(round));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: journal_save_child FOLDER point N | FOLDER loop\n");
        return 2;
    }
    int code = 0;
    try {
        code = run(argv[1], argv[2], argc > 3 ? std::atoll(argv[3]) : 0);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        code = 1;
    }
    tfb_database::shutdown_engine_and_exit(code);
}
