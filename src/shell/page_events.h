// Connects the main window to the page controller and the message queue: the program's target
// of the window's events.
#pragma once

#include <memory>

#include "shell/form_events.h"

class tpage_controller_generic;
class Thandlermodule_page;
class tvelmor_control;
class Tdatamodule_messages;

class tpage_events : public tform_main_events {
public:
    tpage_events(std::unique_ptr<tpage_controller_generic> acontroller, Tdatamodule_messages& amessages);
    ~tpage_events() override;

    void enter_first_page() override;
    bool is_locked() override;
    void handle_paint(int32_t aslot) override;
    void handle_resize(int32_t aslot) override;
    void handle_mousedown(int32_t aslot, int32_t abutton, uint32_t ashift, int32_t ax, int32_t ay,
                          bool as_mouseup) override;
    void handle_mousemove(int32_t aslot, uint32_t ashift, int32_t ax, int32_t ay) override;
    void handle_keydown(uint16_t akey, uint32_t ashift, bool as_keyup) override;
    void handle_character(char16_t ach) override;
    void handle_windows_message(const twindows_message& amsg) override;
    bool has_messages_available() override;
    void run_queued_message() override;
    bool queue_empty() override;
    int32_t get_pageno() override;
    void enter_page(int16_t apageno) override;
    void enter_page(int16_t apageno, int32_t aid) override;
    bool get_control_text(int32_t aslot, int32_t atag, std::u16string& atext) override;
    bool get_cell_text(int32_t aslot, int32_t atag, int32_t arow, int32_t acol, std::u16string& atext) override;
    void debug101() override;

    tpage_controller_generic& controller() { return *fcontroller; }

private:
    Thandlermodule_page* handler_of(int32_t aslot) const;
    tvelmor_control* control_of(int32_t aslot, int32_t atag) const;

    std::unique_ptr<tpage_controller_generic> fcontroller;
    Tdatamodule_messages& fmessages;
};
