// Drives the real window from a script of user actions (keys, typed text, clicks), waits for the
// queued work to drain, saves screenshots and checks what the user would see. The syntax is in
// docs/scripts.md. A run ends at the first failed check.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "controls/platform.h"

class Tform_main;
class tqt_platform;
class QWidget;

class tscript_driver {
public:
    // Exit codes of a run.
    static constexpr int exit_ok = 0;
    static constexpr int exit_failed = 1;
    static constexpr int exit_bad_script = 2;

    tscript_driver(Tform_main& aform, tqt_platform& aplatform);
    ~tscript_driver();

    // Reads and checks the whole script; false (with failure() set) when it cannot be read or
    // a line is not understood.
    bool load_file(const std::string& afilename);
    bool load_text(const std::string& atext, const std::string& aname);
    // Runs the loaded steps; returns one of the exit codes.
    int run();
    // The script asked for the intro ("intro on"); without it the driver skips the intro.
    bool wants_intro() const { return fwants_intro; }
    // Why the run failed, as "NAME line N: ...".
    const std::string& failure() const { return ffailure; }

    struct tstep {
        int32_t line = 0;
        std::string command;
        std::vector<std::string> args;
    };

private:
    bool parse_line(const std::string& aline, int32_t alineno);
    bool run_step(const tstep& astep);
    bool fail(const tstep& astep, const std::string& amessage);
    bool check_errors(const tstep& astep);
    bool idle(const tstep& astep);
    bool send_keystroke(const tstep& astep, const std::string& aname, bool adown, bool aup);
    bool type_text(const std::u16string& atext);
    bool click(const tstep& astep);
    bool expect_text(const tstep& astep);
    bool expect_cell(const tstep& astep);
    bool screenshot(const tstep& astep);
    bool wait_intro(const tstep& astep);
    QWidget& key_target();

    Tform_main& fform;
    tqt_platform& fplatform;
    std::string fname;
    std::vector<tstep> fsteps;
    std::string ffailure;
    std::deque<std::string> ferrors;                       // reported, not yet expected
    std::deque<tmsgbox_result> fanswers;                   // for the next message boxes
    std::deque<std::optional<std::u16string>> fpaths;      // for the next choosers
    std::vector<std::u16string> fmessages;                 // texts of the message boxes shown
    std::string fmodal_failure;                            // a modal window nobody answered
    bool fignore_errors = false;                           // errors are printed, not failures
    bool fwants_intro = false;
};
