// What the main window routes its events to: the page controller with the message queue in the
// program, a small stand-in in tests. Slots are 0 main, 1 header, 2 footer, 3 overlay.
#pragma once

#include <cstdint>
#include <string>

#include "controls/platform.h"

class tform_main_events {
public:
    virtual ~tform_main_events() = default;

    // Enters the first page (a jump without a resize pass; the surfaces' first resize and paint
    // events lay it out).
    virtual void enter_first_page() = 0;
    // True while a page change runs; resize events are then ignored.
    virtual bool is_locked() = 0;

    virtual void handle_paint(int32_t aslot) = 0;
    virtual void handle_resize(int32_t aslot) = 0;
    virtual void handle_mousedown(int32_t aslot, int32_t abutton, uint32_t ashift, int32_t ax, int32_t ay,
                                  bool as_mouseup) = 0;
    virtual void handle_mousemove(int32_t aslot, uint32_t ashift, int32_t ax, int32_t ay) = 0;
    // To the overlay's handler when one is open, else the main page's.
    virtual void handle_keydown(uint16_t akey, uint32_t ashift, bool as_keyup) = 0;
    // A character the platform delivered as text (another layout's key, a dead-key composition,
    // an input method's commit), to the same handler as keys.
    virtual void handle_character(char16_t ach) = 0;
    // Private messages 1024 and 1025.
    virtual void handle_windows_message(const twindows_message& amsg) = 0;

    // Some job is queued and the queue is not locked.
    virtual bool has_messages_available() = 0;
    // One 1026: take the queue's lock (or do nothing), pull one job and run it, release the lock
    // also when the job raises.
    virtual void run_queued_message() = 0;
    // Nothing queued at all, locked or not (the script driver's idle).
    virtual bool queue_empty() = 0;

    // For the script driver: the page number in the main slot, and the caption or text of a
    // control on a surface (false when there is no such control).
    virtual int32_t get_pageno() = 0;
    virtual bool get_control_text(int32_t /*aslot*/, int32_t /*atag*/, std::u16string& /*atext*/) { return false; }
    // The text a grid shows in a cell, from the text source it names (false without one, or for a
    // cell outside its rows and columns).
    virtual bool get_cell_text(int32_t /*aslot*/, int32_t /*atag*/, int32_t /*arow*/, int32_t /*acol*/,
                               std::u16string& /*atext*/) {
        return false;
    }
    // Enters page apageno over the main page, as a menu would (pages no menu leads to).
    virtual void enter_page(int16_t /*apageno*/) {}
    // The same with the page's first parameter (a key such as a site's id) set to aid.
    virtual void enter_page(int16_t /*apageno*/, int32_t /*aid*/) {}

    // The hidden debug command: the main handler's state dump.
    virtual void debug101() {}
};
