// What the page controller needs of the header and footer modules and of a page's screen
// parameters; the modules themselves implement these interfaces.
#pragma once

#include <cstdint>
#include <string>

#include "controls/control_types.h"
#include "pages/page_types.h"

// A page's declared screen settings (its screen-parameters misc object).
struct tscreen_params {
    bool ffooter_visible = false;
    uint16_t ffooter_buttons_invisible = 0;  // bits of the footer buttons (2 F2, 4 F3, 64 F7, 256 F9)
    uint16_t ffooter_buttons_enabled = 0;
    bool fheader_visible = false;
    int16_t fheader_caption_width = 0;
    std::u16string fheader_caption;
    uint16_t fheader_buttons_visible = 0;   // bit 0 menu, 1 plus, 2 minus, 3 edit
    uint16_t fheader_buttons_disabled = 0;  // bits 1 plus, 2 minus, 3 edit
};

class iheader_settings {
public:
    virtual ~iheader_settings() = default;
    virtual void set_header_param(tparams_header aparam_header, const std::u16string& avalue) = 0;
    // True when the setting changed.
    virtual bool set_header_param(tparams_header aparam_header, int16_t avalue) = 0;
    virtual void set_header_param(tparams_header aparam_header, bool avalue, bool as_skip_draw) = 0;
};

class ifooter_settings {
public:
    virtual ~ifooter_settings() = default;
    virtual void default_button_captions() = 0;
    virtual void set_buttons_invisible(uint16_t avalue, bool as_skip_draw) = 0;
    virtual void set_buttons_enabled(uint16_t avalue, bool as_skip_draw) = 0;
    // The button's caption becomes its key, " - " and acaption until the next page switch.
    virtual void set_footer_button_param(tfooter_button abutton, const std::u16string& acaption) = 0;
    // A line of progress between the legends (drawn at once), until the next page switch.
    virtual void set_footer_status(const std::u16string&) {}
};
