// Every journaled write kind over the demo database, failed at each of its statement executions,
// fetches and commits in turn: the database keeps its content, no transaction stays open and the
// error reaches the caller. The points are found by counting, so new statements are covered too.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "database/datamodule_ejt.h"
#include "database/datamodule_querys.h"
#include "database/fault_injection.h"
#include "database/fb_service.h"
#include "database_fixture.h"
#include "journal_saves.h"
#include "procs/program_folders.h"
#include "support/process_folder.h"
#include "support/shipped_database.h"
#include "xml/datamodule_inifile.h"

namespace fs = std::filesystem;

extern char** environ;

namespace {

// The program's modules over a copy of the demo database.
class EjtFaults : public tdatabase_test {
protected:
    void SetUp() override {
        tdatabase_test::SetUp();
        tprogram_folders::set_program_folder(ffolder);
        fs::create_directories(path("d0"));
        fs::copy_file(restored_shipped_database(test_process_folder("velmor_dbtest_"), "database"), path("d0/accounts.fdb"));
        finifile = std::make_unique<Tdatamodule_inifile>();
        auto domain = std::make_unique<telement_domain>();
        domain->fname = "Demo Data";
        domain->fpath = path("d0");
        finifile->flist_domains.push_back(std::move(domain));
        fdatabase = std::make_unique<Tdatamodule_database_customers>(finifile.get());
        fdatabase->open_database(0);
        fquerys = std::make_unique<Tdatamodule_querys>(*fdatabase);
        fejt = std::make_unique<Tdatamodule_ejt>(*fdatabase);
    }
    void TearDown() override {
        tfault_injection::disarm();
        fejt.reset();
        fquerys.reset();
        fdatabase.reset();
        finifile.reset();
        tprogram_folders::set_program_folder("");
        tdatabase_test::TearDown();
    }
    std::unique_ptr<Tdatamodule_inifile> finifile;
    std::unique_ptr<Tdatamodule_database_customers> fdatabase;
    std::unique_ptr<Tdatamodule_querys> fquerys;
    std::unique_ptr<Tdatamodule_ejt> fejt;
};

}  // namespace

TEST_F(EjtFaults, EverySaveFailedAtAnyPointLeavesTheDatabaseAsItWas) {
    for (tjournal_save& save : journal_saves(1)) {
        SCOPED_TRACE(save.name);
        const std::string before = database_fingerprint();
        const int64_t open_before = open_transactions();
        ASSERT_EQ(0, save.parts_present());
        // Point n fails; once a run passes every point without reaching n, all points were tried.
        int64_t n = 1;
        for (;; ++n) {
            SCOPED_TRACE("fault at point " + std::to_string(n));
            tfault_injection::arm(n);
            const std::string message = message_of(save.send);
            const bool fired = tfault_injection::fired();
            tfault_injection::disarm();
            if (!fired) {
                EXPECT_EQ("(no exception)", message);
                break;
            }
            EXPECT_NE(std::string::npos, message.find("injected fault at")) << message;
            EXPECT_FALSE(fdatabase->Transaction1.active());
            EXPECT_EQ(open_before, open_transactions());
            EXPECT_EQ(before, database_fingerprint());
            ASSERT_LT(n, 50) << "a save that never ends";
        }
        // At least an execution and the commit; then the save went through whole.
        EXPECT_GE(n - 1, 2);
        EXPECT_EQ(save.fparts, save.parts_present());
        EXPECT_NE(before, database_fingerprint());
        EXPECT_EQ(open_before, open_transactions());
    }
}

namespace {

// A child process running saves over the database in afolder, its output read line by line.
class tsave_child {
public:
    explicit tsave_child(const std::vector<std::string>& aargs) {
        int out[2];
        if (pipe(out) != 0) throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::vector<std::string> args{VELMOR_SAVE_CHILD};
        args.insert(args.end(), aargs.begin(), aargs.end());
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&fpid, VELMOR_SAVE_CHILD, &actions, nullptr, argv.data(), environ) != 0)
            throw std::runtime_error("cannot start " VELMOR_SAVE_CHILD);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        fout = fdopen(out[0], "r");
    }
    // A child still running when a check failed is not left behind.
    ~tsave_child() {
        if (fpid > 0) {
            kill_now();
            wait_exit();
        }
        if (fout) fclose(fout);
    }
    // The next line of output, "" at its end.
    std::string line() {
        char buffer[256];
        if (!fgets(buffer, sizeof buffer, fout)) return "";
        std::string l(buffer);
        if (!l.empty() && l.back() == '\n') l.pop_back();
        return l;
    }
    void kill_now() { kill(fpid, SIGKILL); }
    // The exit status, or 128 + the signal that ended it.
    int wait_exit() {
        int status = 0;
        waitpid(fpid, &status, 0);
        fpid = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    pid_t fpid = 0;
    FILE* fout = nullptr;
};

// The engine's validation of the file finds nothing wrong. The one warning a crash may leave is
// allowed: a pointer page's copy of a data page's "swept" hint bit, written later than the data
// page itself; it only tells the sweep which pages it may skip.
void expect_database_valid(const std::string& adatabase) {
    tfb_validation_service validation;
    validation.fparams = {"user_name=SYSDBA"};
    validation.fdatabase_files = {adatabase};
    validation.attach();
    validation.start();
    while (!validation.eof()) validation.get_next_line();
    validation.detach();
    EXPECT_EQ(std::vector<std::string>{}, validation.errors());
    for (const std::string& warning : validation.warnings())
        EXPECT_TRUE(warning.find("are not consistent with data page") != std::string::npos &&
                    warning.find("swept}") != std::string::npos)
            << warning;
}

}  // namespace

TEST_F(EjtFaults, AProcessEndedBeforeOrAtAnyCommitLeavesEverySaveWholeOrAbsent) {
    // The saves as the child makes them, from the database before any of them.
    std::vector<tjournal_save> saves = journal_saves(1);
    fejt.reset();
    fquerys.reset();
    fdatabase->close_database();
    const std::string pristine = path("pristine.fdb");
    fs::copy_file(path("d0/accounts.fdb"), pristine);
    // A run without a fault counts the points.
    int64_t points = 0;
    {
        tsave_child child({path("d0"), "point", "0"});
        for (std::string l = child.line(); !l.empty(); l = child.line())
            if (l.rfind("points ", 0) == 0) points = std::stoll(l.substr(7));
        ASSERT_EQ(0, child.wait_exit());
    }
    ASSERT_GT(points, 12);
    for (int64_t n = 1; n <= points; ++n) {
        SCOPED_TRACE("ended at point " + std::to_string(n));
        // A new file, not the old one overwritten: the engine may still hold pages of that one.
        fs::remove(path("d0/accounts.fdb"));
        fs::copy_file(pristine, path("d0/accounts.fdb"));
        size_t saved = 0;
        {
            tsave_child child({path("d0"), "point", std::to_string(n)});
            for (std::string l = child.line(); !l.empty(); l = child.line())
                if (l.rfind("saved ", 0) == 0) saved = std::stoul(l.substr(6));
            ASSERT_EQ(tfault_injection::exit_code, child.wait_exit());
        }
        expect_database_valid(path("d0/accounts.fdb"));
        fdatabase->open_database(0);
        // Every save the child finished is whole; the one it was in and the later ones are absent.
        for (size_t k = 0; k < saves.size(); ++k)
            EXPECT_EQ(k < saved ? saves[k].fparts : 0, saves[k].parts_present()) << saves[k].name;
        fdatabase->close_database();
    }
}

TEST_F(EjtFaults, AProcessKilledWhileSavingLeavesEverySaveWholeOrAbsent) {
    fejt.reset();
    fquerys.reset();
    fdatabase->close_database();
    // Kills spread over the rounds land before, inside and after commits alike.
    for (int kill_after_rounds : {0, 1, 2, 3, 5, 8}) {
        for (int delay_us : {0, 700, 1900, 3100}) {
            SCOPED_TRACE("killed " + std::to_string(delay_us) + " us after round " + std::to_string(kill_after_rounds));
            {
                tsave_child child({path("d0"), "loop"});
                ASSERT_EQ("ready", child.line());
                for (int r = 0; r < kill_after_rounds; ++r) ASSERT_EQ("round " + std::to_string(r + 1), child.line());
                usleep(static_cast<useconds_t>(delay_us));
                child.kill_now();
                ASSERT_EQ(128 + SIGKILL, child.wait_exit());
            }
            expect_database_valid(path("d0/accounts.fdb"));
            fdatabase->open_database(0);
            // The account's two changed fields come from one round; every invoice has all its lines.
            EXPECT_EQ(0, database_number("SELECT COUNT(*) FROM account WHERE id = (SELECT MIN(id) FROM account) AND "
                                         "name STARTING WITH 'Fault F' AND name <> 'Fault ' || zipcode"));
            EXPECT_EQ(0, database_number("SELECT COUNT(*) FROM invoice i WHERE total <> 4.5 OR 2 <> (SELECT COUNT(*) "
                                         "FROM invoice_billitem b WHERE b.invoice = i.id) OR 1 <> (SELECT COUNT(*) FROM "
                                         "invoice_data d WHERE d.invoice = i.id)"));
            EXPECT_EQ(0, database_number("SELECT COUNT(*) FROM invoice_billitem b WHERE NOT EXISTS (SELECT 1 FROM "
                                         "invoice i WHERE i.id = b.invoice)"));
            fdatabase->close_database();
        }
    }
}
