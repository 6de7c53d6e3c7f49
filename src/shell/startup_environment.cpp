#include "shell/startup_environment.h"

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

int guard_exit_code = 1;
// The first complaint of the platform plugin (say "could not connect to display :1"): the reason
// given when no display could be opened.
std::string guard_reason;

// A fatal message while connecting means no display could be opened: say so in one line and end
// before the toolkit aborts. The other messages of that moment are held back, so that the one
// line is all the user reads.
void display_guard_handler(QtMsgType atype, const QMessageLogContext&, const QString& amessage) {
    if (atype != QtFatalMsg) {
        if (guard_reason.empty()) guard_reason = amessage.section(QLatin1Char('\n'), 0, 0).toStdString();
        return;
    }
    std::fprintf(stderr,
                 "velmor_accounts: the window cannot be shown (%s); to run without a display, drive the program "
                 "with a script: QT_QPA_PLATFORM=offscreen velmor_accounts --script FILE\n",
                 guard_reason.empty() ? "no window system could be started" : guard_reason.c_str());
    std::fflush(stderr);
    std::_Exit(guard_exit_code);
}

bool is_set(const char* aname) {
    const char* value = std::getenv(aname);
    return value && *value;
}

}  // namespace

std::string tstartup_environment::missing_display(const std::vector<std::string>& aarguments, bool ahas_script) {
    if (ahas_script || is_set("DISPLAY") || is_set("WAYLAND_DISPLAY")) return {};
    for (const std::string& argument : aarguments)
        if (argument == "-platform") return {};
    if (is_set("QT_QPA_PLATFORM")) {
        const std::string_view platform = std::getenv("QT_QPA_PLATFORM");
        if (!platform.starts_with("xcb") && !platform.starts_with("wayland")) return {};
    }
    return "no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set); to run without one, "
           "drive the program with a script: QT_QPA_PLATFORM=offscreen velmor_accounts --script FILE "
           "(see " +
           std::string(scripts_document) + ")";
}

bool tstartup_environment::prepare_runtime_dir() {
    if (is_set("XDG_RUNTIME_DIR")) return true;
    const char* tmp = std::getenv("TMPDIR");
    const std::string folder = std::string(tmp && *tmp ? tmp : "/tmp") + "/runtime-" + std::to_string(getuid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat st {};
    // Only a folder of this user's that no one else may enter will do.
    if (lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid()) return false;
    if ((st.st_mode & 0777) != 0700 && chmod(folder.c_str(), 0700) != 0) return false;
    return setenv("XDG_RUNTIME_DIR", folder.c_str(), 1) == 0;
}

void tstartup_environment::begin_display_guard(int aexit_code) {
    guard_exit_code = aexit_code;
    qInstallMessageHandler(display_guard_handler);
}

void tstartup_environment::end_display_guard() { qInstallMessageHandler(nullptr); }
