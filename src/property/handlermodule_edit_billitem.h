// The bill item editor (page 31): one bill item's code, description, supplier, group, unit
// captions and price, saved through journal 331. Entered from the bill item list with the item's
// id, or -1 for a new item, which starts in editing.
#pragma once

#include <cstdint>

#include "pages/handlermodule_edit_generic.h"

class thandler_class;

class Thandlermodule_edit_billitem : public Thandlermodule_edit_generic {
public:
    static constexpr int16_t pageno = 31;
    static constexpr int32_t tag_label_id = 205;
    static constexpr int32_t tag_edit_code = 208;
    static constexpr int32_t tag_edit_price = 226;

    Thandlermodule_edit_billitem(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                 tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_edit_billitem"; }
    // Form Tform_page_edit_billitem, record tparams_id (kept until the first layout).
    static const thandler_class& handler_class();

    // Loads the item its parameters name; without them the first layout raises.
    void once_created() override;
    void handle_resize(bool as_skip_draw) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;

    // The item's id; -1 while a new item is not saved.
    int32_t item_id() const;

private:
    void load_item();

    bool floaded = false;
};
