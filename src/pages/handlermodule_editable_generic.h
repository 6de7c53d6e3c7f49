// The base of pages that switch between viewing and editing their data: the viewing/editing and
// modified states, the looks that show them (theme exchange) and the footer's indications.
#pragma once

#include <cstdint>

#include "controls/key_codes.h"
#include "pages/handlermodule_page.h"

// Function keys the editable pages use.
class Thandlermodule_editable_generic : public Thandlermodule_page {
public:
    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_editable_generic"; }

    // 1104, 1109 and 1113 mark the page modified for the control that sent them.
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    bool get_readonly() const override { return !fmode_editing; }

    // atag -1: no control gets the modified look.
    virtual void set_modified(bool amodified, int32_t atag);
    // adraw 0 queues the draws of what changed, 1 draws nothing.
    virtual void set_mode_editing(bool amode_editing, int32_t atag_panel, int32_t adraw);

    bool fmode_editing = false;
    bool fmodified = false;

protected:
    // Enables control atag of the footer or header module (labels and buttons); queues its draw
    // when it changed and as_queue_draw.
    void set_bar_control_enabled(Thandlermodule_page* ahandler, int32_t atag, bool aenabled, bool as_queue_draw);

private:
    // Queues the draws of the edits, combo boxes and check boxes on the panels shown.
    void queue_shown_editable_draws();
};
