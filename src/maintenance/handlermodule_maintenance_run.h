// The base of the two maintenance pages: each shows its run in message lines 103, locks itself
// while the run goes on (every key and control message is ignored until it ends), and leaves on
// Esc otherwise.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "pages/handlermodule_page.h"

class tvelmor_messagelines;

class Thandlermodule_maintenance_run : public Thandlermodule_page {
public:
    static constexpr int32_t tag_lines = 103;

    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_maintenance_run"; }

    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    tvelmor_messagelines& lines();

    bool flocked = false;

protected:
    // Enables or disables the buttons and draws them.
    void set_buttons_enabled(std::initializer_list<int32_t> atags, bool aenabled);
    // Locks the page, disables the buttons and lets the window show it before the long work.
    void lock_for_run(std::initializer_list<int32_t> atags);
};
