// The services of the platform that the layers below the shell need: the main window's private
// messages, timers, screen and folder queries, the keyboard state, message boxes and dialogs.
// The shell installs the one instance at start-up; tests install a fake of their own.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/geometry.h"
#include "procs/velmor_exception.h"

// Private window messages of the main window (WM_USER and on).
namespace tprivate_message {
constexpr uint32_t wm_user = 1024;           // a page's own background work
constexpr uint32_t wm_user_lines = 1025;     // a page's stepwise loading of list lines
constexpr uint32_t wm_run_queued = 1026;     // run one queued job
}  // namespace tprivate_message

struct twindows_message {
    uint32_t msg = 0;
    int64_t wparam = 0;
    int64_t lparam = 0;
};

enum class tmsgbox_buttons : uint8_t { ok, ok_cancel, yes_no, yes_no_cancel };
enum class tmsgbox_icon : uint8_t { none, information, warning, error, question };
enum class tmsgbox_result : uint8_t { none, ok, cancel, yes, no };

class tcanvas;

class tplatform {
public:
    virtual ~tplatform() = default;

    // The installed instance; raises when none is installed.
    static tplatform& instance();
    // Installs (or, with nullptr, removes) the instance; returns the one it replaces.
    static tplatform* set_instance(tplatform* aplatform);

    // Posts a private message to the main window; messages are delivered in posting order,
    // each as its own window message.
    virtual void post_message(uint32_t amsg, int64_t awparam, int64_t alparam) = 0;
    // Lets pending window messages (paints, input, posted messages) run now.
    virtual void process_messages() = 0;

    // Calls acallback every ainterval_ms milliseconds on the user-interface thread until
    // stopped; returns the timer's id (never 0). Stopping an unknown id does nothing.
    virtual int32_t start_timer(int32_t ainterval_ms, std::function<void()> acallback) = 0;
    virtual void stop_timer(int32_t aid) = 0;

    // The main window: its client size, a new client size, and closing it (which ends the
    // program once the current event is done).
    virtual tsize get_main_clientsize() = 0;
    virtual void set_main_clientsize(int32_t awidth, int32_t aheight) = 0;
    virtual void close_main_window() = 0;

    // The desktop minus the task bar, and the whole screen, in logical pixels.
    virtual trect get_workarea() = 0;
    virtual tsize get_screen_size() = 0;
    // Folders end with "/": the executable's folder, and the common program-data folder
    // ($XDG_DATA_HOME, else ~/.local/share).
    virtual std::string get_program_folder() = 0;
    virtual std::string get_programdata_folder() = 0;

    virtual bool get_capslock() = 0;

    // A modal message box over the main window.
    virtual tmsgbox_result message_box(const std::u16string& atext, const std::u16string& acaption,
                                       tmsgbox_buttons abuttons, tmsgbox_icon aicon) = 0;
    // Modal folder and file choosers. On OK they store the choice and return true; on cancel
    // they change nothing and return false. afilter is like "Backups (*.fbk)".
    virtual bool select_folder(std::u16string& afolder, const std::u16string& acaption) = 0;
    virtual bool select_file(std::u16string& afilename, const std::u16string& acaption,
                             const std::u16string& afilter, bool as_save) = 0;

    // Writes a PDF document of apage_count A4 pages to afilename: adraw_page draws page apage on
    // a canvas of asize pixels (1/96 inch each). The file appears whole or not at all; raises
    // when it cannot be written. A platform without documents raises.
    virtual void write_pdf_a4(const std::string& afilename, int32_t apage_count,
                              const std::function<void(tcanvas& acanvas, tsize asize, int32_t apage)>& adraw_page) {
        (void)afilename;
        (void)apage_count;
        (void)adraw_page;
        throw tvelmor_exception("PDF documents are not supported in %s.write_pdf_a4();", "tplatform");
    }
};

namespace tplatform_detail {
inline tplatform*& current() {
    static tplatform* fcurrent = nullptr;
    return fcurrent;
}
}  // namespace tplatform_detail

inline tplatform& tplatform::instance() {
    tplatform* p = tplatform_detail::current();
    if (!p) throw tvelmor_exception("No platform services installed in %s.instance();", "tplatform");
    return *p;
}

inline tplatform* tplatform::set_instance(tplatform* aplatform) {
    tplatform* old = tplatform_detail::current();
    tplatform_detail::current() = aplatform;
    return old;
}
