// The platform services over Qt and the main window. The script driver can take over the modal
// windows (message boxes, folder and file choosers) so that a run never waits for a hand.
#pragma once

#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "controls/platform.h"

class Tform_main;

class tqt_platform : public tplatform {
public:
    explicit tqt_platform(Tform_main* aform = nullptr) : fform(aform) {}
    ~tqt_platform() override;

    void post_message(uint32_t amsg, int64_t awparam, int64_t alparam) override;
    void process_messages() override;
    int32_t start_timer(int32_t ainterval_ms, std::function<void()> acallback) override;
    void stop_timer(int32_t aid) override;
    tsize get_main_clientsize() override;
    void set_main_clientsize(int32_t awidth, int32_t aheight) override;
    void close_main_window() override;
    trect get_workarea() override;
    tsize get_screen_size() override;
    std::string get_program_folder() override;
    std::string get_programdata_folder() override;
    bool get_capslock() override;
    tmsgbox_result message_box(const std::u16string& atext, const std::u16string& acaption,
                               tmsgbox_buttons abuttons, tmsgbox_icon aicon) override;
    bool select_folder(std::u16string& afolder, const std::u16string& acaption) override;
    bool select_file(std::u16string& afilename, const std::u16string& acaption, const std::u16string& afilter,
                     bool as_save) override;
    void write_pdf_a4(const std::string& afilename, int32_t apage_count,
                      const std::function<void(tcanvas&, tsize, int32_t)>& adraw_page) override;

    // Replaces the modal windows: a message box gets its answer from the first, a chooser its
    // path (or nullopt for cancel) from the second.
    using tmessage_box_answer =
        std::function<tmsgbox_result(const std::u16string&, const std::u16string&, tmsgbox_buttons)>;
    using tpath_answer = std::function<std::optional<std::u16string>(const std::u16string& acaption)>;
    void set_modal_answers(tmessage_box_answer amessage_box, tpath_answer apath);
    // The platform exists before the main window (the modules created first may ask for
    // folders); the window is given to it once created.
    void set_form(Tform_main* aform) { fform = aform; }

    int32_t active_timer_count() const { return static_cast<int32_t>(ftimers.size()); }

private:
    Tform_main& form(const char* aoperation);

    Tform_main* fform;
    std::map<int32_t, std::unique_ptr<QTimer>> ftimers;
    int32_t fnext_timer = 1;
    tmessage_box_answer fmessage_box_answer;
    tpath_answer fpath_answer;
};
