// The bill item list (page 30): the bill items that are not deleted, opened in the bill item
// editor (page 31) with Enter, Ctrl+Page Down or the header's edit button, added with the header
// plus and marked deleted with the header minus after a question.
#pragma once

#include <cstdint>

#include "property/handlermodule_list_keyed.h"

class thandler_class;

class Thandlermodule_list_billitem : public Thandlermodule_list_keyed {
public:
    static constexpr int16_t pageno = 30;
    static constexpr int32_t tag_ontop_delete = 9101;

    using Thandlermodule_list_keyed::Thandlermodule_list_keyed;
    const char* class_name() const override { return "Thandlermodule_list_billitem"; }
    // Form Tform_page_list_billitem, record tparams_launch2 (kept after creation).
    static const thandler_class& handler_class();

    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;

    int32_t fdeleting_id = 0;

protected:
    std::vector<tkeyed_line> load_lines() override;
    void open_line(int32_t aid) override;
    std::u16string header_caption(int32_t acol) const override;

private:
    void ask_delete();
};
