// A platform for tests that run pages without a window: it records posted messages and whether
// the main window was asked to close, and answers every dialog with OK or Cancel. Timers run only
// when a test ticks them (tick_timers), so what they do happens at a point the test chooses.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "controls/platform.h"

class tfake_platform : public tplatform {
public:
    void post_message(uint32_t amsg, int64_t, int64_t) override { fposted.push_back(amsg); }
    void process_messages() override {}
    int32_t start_timer(int32_t, std::function<void()> acallback) override {
        ftimers[++ftimer_last] = std::move(acallback);
        return ftimer_last;
    }
    void stop_timer(int32_t aid) override { ftimers.erase(aid); }
    // One tick of every running timer, in the order they were started; timers started during
    // the round wait for the next one, and one stopped by an earlier callback does not tick.
    // False when no timer runs.
    bool tick_timers() {
        if (ftimers.empty()) return false;
        std::vector<int32_t> ids;
        for (const auto& [id, callback] : ftimers) ids.push_back(id);
        for (int32_t id : ids) {
            auto it = ftimers.find(id);
            if (it == ftimers.end()) continue;
            const std::function<void()> callback = it->second;  // the callback may stop its timer
            callback();
        }
        return true;
    }
    tsize get_main_clientsize() override { return fclient; }
    void set_main_clientsize(int32_t awidth, int32_t aheight) override { fclient = {awidth, aheight}; }
    void close_main_window() override { fclosed = true; }
    trect get_workarea() override { return {0, 0, 1920, 1040}; }
    tsize get_screen_size() override { return {1920, 1080}; }
    std::string get_program_folder() override { return "/nonexistent/"; }
    std::string get_programdata_folder() override { return "/nonexistent/"; }
    bool get_capslock() override { return false; }
    tmsgbox_result message_box(const std::u16string& atext, const std::u16string&, tmsgbox_buttons,
                               tmsgbox_icon) override {
        flast_message = atext;
        return tmsgbox_result::ok;
    }
    // A folder dialog answers fanswer_folder when a test has set one, else Cancel.
    bool select_folder(std::u16string& afolder, const std::u16string&) override {
        if (fanswer_folder.empty()) return false;
        afolder = fanswer_folder;
        return true;
    }
    // A file dialog answers fanswer_file when a test has set one, else Cancel.
    bool select_file(std::u16string& afilename, const std::u16string&, const std::u16string&, bool) override {
        if (fanswer_file.empty()) return false;
        afilename = fanswer_file;
        return true;
    }

    tsize fclient{770, 710};
    std::u16string flast_message;  // the text of the last message box shown
    std::u16string fanswer_file;
    std::u16string fanswer_folder;
    bool fclosed = false;
    std::vector<uint32_t> fposted;
    std::map<int32_t, std::function<void()>> ftimers;
    int32_t ftimer_last = 0;
};
