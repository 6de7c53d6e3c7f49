// The site list (page 20): every site with its address; Enter (or Ctrl+Page Down) opens the page
// the list was entered for (the site editor or the meter readings) on the chosen site, keeping the
// list beneath, which selects that site again when the user comes back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "property/handlermodule_list_keyed.h"

class thandler_class;

class Thandlermodule_list_cpsite : public Thandlermodule_list_keyed {
public:
    static constexpr int16_t pageno = 20;

    using Thandlermodule_list_keyed::Thandlermodule_list_keyed;
    const char* class_name() const override { return "Thandlermodule_list_cpsite"; }
    // Form Tform_page_list_cpsite, record tparams_launch2 (kept until the first layout reads it).
    static const thandler_class& handler_class();

    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;

protected:
    // The sites are shown at once, with the first layout.
    bool loads_with_layout() const override { return true; }
    std::vector<tkeyed_line> load_lines() override;
    // Opens the launch page (the site editor or the readings) on site aid.
    void open_line(int32_t aid) override;
    std::u16string header_caption(int32_t acol) const override;
};
