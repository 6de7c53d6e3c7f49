// Test support for the PLU pages: the accounts page fixture with the jobs pages registered, the
// demo database's word index written beside its copy, and a platform that keeps the posted
// messages with their parameters so a test delivers them when it chooses.
#pragma once

#include <deque>

#include <filesystem>

#include "support/edit_pages_support.h"
#include "controls/grid_controls.h"
#include "plu/handlermodule_edit_plu.h"
#include "plu/handlermodule_search_plu.h"
#include "maintenance/maintenance_pages.h"
#include "plu/plu_pages.h"
#include "plu/plu_word_index.h"

class tposting_platform : public tfake_platform {
public:
    void post_message(uint32_t amsg, int64_t awparam, int64_t alparam) override {
        fqueue.push_back({amsg, awparam, alparam});
    }
    tmsgbox_result message_box(const std::u16string& atext, const std::u16string&, tmsgbox_buttons,
                               tmsgbox_icon) override {
        fboxes.push_back(atext);
        return tmsgbox_result::ok;
    }
    std::deque<twindows_message> fqueue;
    std::vector<std::u16string> fboxes;
};

class tplu_pages_test : public tedit_pages_test {
protected:
    void SetUp() override {
        tedit_pages_test::SetUp();
        tplatform::set_instance(&fposting);
    }
    // The accounts menu with the PLU pages (and the maintenance menu, whose entry rebuilds the
    // index) registered and, unless told otherwise, the demo index.
    void start_plu(bool as_index = true) {
        start([](tpage_controller_generic& c) {
            register_plu_pages(c);
            register_maintenance_pages(c);
        });
        if (as_index) rebuild_plu_index_of_open_domain();
    }
    // "PLUs" on the menu, as the user does.
    void open_search(bool as_index = true) {
        start_plu(as_index);
        fcontroller->handle_keydown(tvk::down, 0, false);
        key(tvk::enter);
        ASSERT_EQ(3, fcontroller->get_pageno());
    }
    Thandlermodule_search_plu& search() { return page<Thandlermodule_search_plu>(); }
    Thandlermodule_edit_plu& editor() { return page<Thandlermodule_edit_plu>(); }

    // Delivers up to amax posted messages in order; the number delivered.
    int32_t deliver(int32_t amax = 100000) {
        int32_t n = 0;
        for (; n < amax && !fposting.fqueue.empty(); ++n) {
            const twindows_message m = fposting.fqueue.front();
            fposting.fqueue.pop_front();
            fcontroller->handle_windows_message(m);
        }
        return n;
    }
    // The PLU ids the index finds for a search, all of them.
    std::vector<int32_t> index_ids(const std::string& asearch) {
        Tdatamodule_word_index2 index(fdatabase->database_path());
        index.load_from_file_asbinary();
        std::vector<int32_t> ids, page;
        int32_t count = 0;
        for (index.search_first(asearch); !index.fsearch_eof;)
            if (index.search_get_records(page, count, 50)) ids.insert(ids.end(), page.begin(), page.begin() + count);
        return ids;
    }
    std::vector<int32_t> line_ids() {
        std::vector<int32_t> ids;
        for (const auto& line : search().flist_lines) ids.push_back(line.fid);
        return ids;
    }

    tposting_platform fposting;
};
