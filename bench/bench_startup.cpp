// Start to the first page drawn, as a user meets it: the built program started as a whole process
// on the shipped demo database (installed the way the program installs it), its script waiting
// until the first page is painted and the queued work has drained, then ending. Beside it, in
// turn, a process that only loads the engine and attaches to the same database, the engine's own
// share of any start-up. Wall and processor time of each finished process (wait4's usage).
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_data.h"
#include "bench_timing.h"
#include "database/fb_client.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

struct tprocess_times {
    double fwall_ms = 0;
    double fcpu_ms = 0;
};

// Runs a command to its end; false when it could not start or did not exit 0.
bool run_process(const std::vector<std::string>& aargs, tprocess_times& atimes) {
    std::vector<char*> argv;
    for (const std::string& a : aargs) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return false;
    atimes.fwall_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; };
    atimes.fcpu_ms = ms(usage.ru_utime) + ms(usage.ru_stime);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The engine alone: loaded, attached to the database and detached, as a process of its own.
int attach_only(const char* adatabase) {
    try {
        tfb_client::ensure_lock_folder();
        tfb_status st;
        Firebird::IXpbBuilder* dpb = tfb_client::util()->getXpbBuilder(&st, Firebird::IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&st, isc_dpb_user_name, "SYSDBA");
        dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
        Firebird::IProvider* provider = tfb_client::master()->getDispatcher();
        Firebird::IAttachment* attachment =
            provider->attachDatabase(&st, adatabase, dpb->getBufferLength(&st), dpb->getBuffer(&st));
        attachment->detach(&st);
        dpb->dispose();
        provider->release();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

// A program folder of its own beside the benchmark databases: the program's copy (its folder is
// where its file lies), settings naming the demo database, and the script.
std::string prepare_program(const std::string& adatabase_folder) {
    const fs::path folder = fs::path(adatabase_folder).parent_path() / "startup_program";
    fs::create_directories(folder / "data");
    fs::copy_file(VELMOR_PROGRAM_FILE, folder / "velmor_accounts", fs::copy_options::overwrite_existing);
    std::ofstream(folder / "data" / "velmor.ini")
        << "<inifile>\n    <domains>\n        <domain name=\"Demo Data\" path=\"" << adatabase_folder
        << "/\" />\n    </domains>\n</inifile>\n";
    std::ofstream(folder / "first_page.script") << "idle\n";
    return folder.string();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--attach") == 0) return attach_only(argv[2]);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string database = tbench_data::database_folder(0);
    const std::string program = prepare_program(database);
    const std::vector<std::string> program_run = {program + "/velmor_accounts", "--script",
                                                  program + "/first_page.script"};
    const std::vector<std::string> engine_run = {fs::read_symlink("/proc/self/exe").string(), "--attach",
                                                 database + "/accounts.fdb"};
    std::printf("Start-up on the demo database; %s; %s\n", tbench_data::engine_settings(database + "/accounts.fdb").c_str(),
                tbench_data::load_average().c_str());
    const int asked = argc > 1 ? std::atoi(argv[1]) : 0;
    const int runs = asked > 0 ? asked : 15;
    std::vector<double> program_wall, program_cpu, engine_wall, engine_cpu;
    for (int i = 0; i <= runs; ++i) {
        tprocess_times p, e;
        if (!run_process(program_run, p) || !run_process(engine_run, e)) {
            std::fprintf(stderr, "a start-up run failed\n");
            return 1;
        }
        if (i == 0) continue;  // the first run fills the file cache
        program_wall.push_back(p.fwall_ms);
        program_cpu.push_back(p.fcpu_ms);
        engine_wall.push_back(e.fwall_ms);
        engine_cpu.push_back(e.fcpu_ms);
    }
    const tbench_figure pw = bench_figure(program_wall), pc = bench_figure(program_cpu);
    const tbench_figure ew = bench_figure(engine_wall), ec = bench_figure(engine_cpu);
    char beside[96];
    std::snprintf(beside, sizeof beside, "engine attach alone %s", bench_format(ew).c_str());
    bench_target("Start to the first page drawn, demo database (process)", pw, beside, "< 150 ms", pw.fmedian_ms < 150);
    std::snprintf(beside, sizeof beside, "engine attach alone %s", bench_format(ec).c_str());
    bench_target("  the same, processor time", pc, beside, "", true);
    std::printf("%d runs of each, in turn, after one of each to fill the file cache\n", runs);
    return 0;
}
