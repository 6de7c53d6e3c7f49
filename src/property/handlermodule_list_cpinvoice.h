// The invoice template list (page 28): every template by id and name; Enter opens the template
// editor (page 29) on its details, Esc leaves.
#pragma once

#include <cstdint>

#include "property/handlermodule_list_keyed.h"

class thandler_class;

class Thandlermodule_list_cpinvoice : public Thandlermodule_list_keyed {
public:
    static constexpr int16_t pageno = 28;

    using Thandlermodule_list_keyed::Thandlermodule_list_keyed;
    const char* class_name() const override { return "Thandlermodule_list_cpinvoice"; }
    // Form Tform_page_list_cpinvoice, record tparams_launch2 (kept after creation).
    static const thandler_class& handler_class();

    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;

protected:
    std::vector<tkeyed_line> load_lines() override;
    void open_line(int32_t aid) override;
    std::u16string header_caption(int32_t acol) const override;
};
