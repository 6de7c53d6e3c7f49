// A small stand-in for the page controller and its message queue: it records what the main
// window routes to it, one line per call, and runs a list of named jobs one per 1026.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "procs/message_format.h"
#include "procs/velmor_exception.h"
#include "shell/form_events.h"

class tstub_events : public tform_main_events {
public:
    std::vector<std::string> calls;
    std::deque<std::string> jobs;
    bool locked = false;        // a page change runs
    bool queue_locked = false;  // the message queue's lock is held
    int32_t pageno = 1;
    std::map<std::pair<int32_t, int32_t>, std::u16string> texts;
    std::map<std::array<int32_t, 4>, std::u16string> cells;  // slot, tag, row, col
    // Raised by the next key or job whose name matches, to test error handling.
    std::string fail_on;
    // Called from every paint, to draw.
    std::function<void(int32_t)> on_paint;
    std::function<void(uint16_t, uint32_t, bool)> on_key;

    void enter_first_page() override { calls.push_back("first page"); }
    bool is_locked() override { return locked; }
    void handle_paint(int32_t aslot) override {
        calls.push_back("paint " + std::to_string(aslot));
        if (on_paint) on_paint(aslot);
    }
    void handle_resize(int32_t aslot) override { calls.push_back("resize " + std::to_string(aslot)); }
    void handle_mousedown(int32_t aslot, int32_t abutton, uint32_t ashift, int32_t ax, int32_t ay,
                          bool as_mouseup) override {
        calls.push_back(std::string(as_mouseup ? "mouseup " : "mousedown ") + std::to_string(aslot) + " b" +
                        std::to_string(abutton) + " s" + std::to_string(ashift) + " " + std::to_string(ax) + "," +
                        std::to_string(ay));
    }
    void handle_mousemove(int32_t aslot, uint32_t ashift, int32_t ax, int32_t ay) override {
        calls.push_back("mousemove " + std::to_string(aslot) + " s" + std::to_string(ashift) + " " +
                        std::to_string(ax) + "," + std::to_string(ay));
    }
    void handle_keydown(uint16_t akey, uint32_t ashift, bool as_keyup) override {
        std::string line = std::string(as_keyup ? "keyup " : "keydown ") + std::to_string(akey) + " s" +
                           std::to_string(ashift);
        calls.push_back(line);
        if (!fail_on.empty() && line == fail_on) throw tvelmor_exception("Key failed: %s", line);
        if (on_key) on_key(akey, ashift, as_keyup);
    }
    void handle_character(char16_t ach) override { calls.push_back("char " + utf16_to_utf8(std::u16string(1, ach))); }
    void handle_windows_message(const twindows_message& amsg) override {
        calls.push_back("message " + std::to_string(amsg.msg) + " " + std::to_string(amsg.wparam) + " " +
                        std::to_string(amsg.lparam));
    }
    bool has_messages_available() override { return !jobs.empty() && !queue_locked; }
    void run_queued_message() override {
        if (queue_locked || jobs.empty()) return;
        std::string job = jobs.front();
        jobs.pop_front();
        calls.push_back("job " + job + " (" + std::to_string(jobs.size()) + " left)");
        if (job == fail_on) throw tvelmor_exception("Job failed: %s", job);
    }
    bool queue_empty() override { return jobs.empty(); }
    int32_t get_pageno() override { return pageno; }
    bool get_control_text(int32_t aslot, int32_t atag, std::u16string& atext) override {
        auto it = texts.find({aslot, atag});
        if (it == texts.end()) return false;
        atext = it->second;
        return true;
    }
    bool get_cell_text(int32_t aslot, int32_t atag, int32_t arow, int32_t acol, std::u16string& atext) override {
        auto it = cells.find({aslot, atag, arow, acol});
        if (it == cells.end()) return false;
        atext = it->second;
        return true;
    }

    // The calls that start with a prefix (or with a second one), in order.
    std::vector<std::string> with_prefix(const std::string& aprefix, const std::string& aother = "") const {
        std::vector<std::string> result;
        for (const std::string& c : calls)
            if (c.rfind(aprefix, 0) == 0 || (!aother.empty() && c.rfind(aother, 0) == 0)) result.push_back(c);
        return result;
    }
};
