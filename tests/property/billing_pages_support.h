// Test support for the bill item and invoice template pages: the accounts page fixture with the
// commercial-property pages registered, keys that run the queued jobs after them, and a platform
// that keeps every message box shown.
#pragma once

#include <string>
#include <vector>

#include "support/edit_pages_support.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "property/debug_dumps.h"
#include "property/property_pages.h"

class tboxes_platform : public tfake_platform {
public:
    tmsgbox_result message_box(const std::u16string& atext, const std::u16string& atitle, tmsgbox_buttons abuttons,
                               tmsgbox_icon aicon) override {
        fboxes.push_back(atext);
        return tfake_platform::message_box(atext, atitle, abuttons, aicon);
    }
    std::vector<std::u16string> fboxes;
};

class tbilling_pages_test : public tedit_pages_test {
protected:
    void SetUp() override {
        tedit_pages_test::SetUp();
        tplatform::set_instance(&fboxes);
        tdebug_dumps::set_enabled(false);
    }
    void TearDown() override {
        fcontroller.reset();
        tdebug_dumps::set_enabled(false);
        tedit_pages_test::TearDown();
    }
    // The accounts menu with the commercial-property pages registered.
    void start_property() {
        start([](tpage_controller_generic& c) { register_property_pages(c); });
        fdatabase->open_database(0);
    }
    // Enters page apageno by class with its parameters over the accounts menu, as the page that
    // leads there would, and lets its jobs run.
    void enter(const thandler_class& aclass, std::initializer_list<tparam_value> aparams) {
        fcontroller->page_enter(aclass, std::span<const tparam_value>(aparams.begin(), aparams.size()), false);
        run_queue();
    }
    void enter(int16_t apageno) {
        fcontroller->page_enter(apageno, false);
        run_queue();
    }
    bool press(uint16_t akey, tshift_state ashift = 0) {
        const bool used = fcontroller->handle_keydown(akey, ashift, false);
        if (fcontroller) fcontroller->handle_keydown(akey, ashift, true);
        run_queue();
        return used;
    }
    void type_keys(const std::string& atext) {
        type(atext);
        run_queue();
    }
    // A button of the page (or the header's, by its main tag) pressed.
    void button(int32_t atag) {
        fcontroller->get_handler_main()->callback_message(nullptr, atag, tmsg_code::button_pressed);
        run_queue();
    }
    // The answer to the open question (Y or N).
    void answer(bool ayes) { press(ayes ? 'Y' : 'N'); }
    int32_t pageno() { return fcontroller->get_pageno(); }
    int64_t count(const std::string& asql) { return number(asql); }

    tboxes_platform fboxes;
};
