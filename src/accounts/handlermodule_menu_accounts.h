// The accounts menu (page 1): the program's main menu. Enter on an entry opens the customer
// search, the PLU search or the maintenance menu over it, or leaves; Esc leaves.
#pragma once

#include <cstdint>

#include "pages/handlermodule_page.h"

class thandler_class;
class tvelmor_grid;

class Thandlermodule_menu_accounts : public Thandlermodule_page {
public:
    static constexpr int32_t tag_grid = 201;
    // The entries shown; list 104 also names the commercial-property menu and is not shown.
    static constexpr int32_t tag_menu_items = 105;
    static constexpr int16_t database_no = 0;

    Thandlermodule_menu_accounts(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                 tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_menu_accounts"; }
    // The class as the page controller knows it: form Tform_page_menu_accounts, record tparams_gridrow.
    static const thandler_class& handler_class();

    void once_created() override;
    // The chosen row travels with the page stack, so that coming back lands on it again.
    void save_params(tparams_generic& aparams) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;

private:
    tvelmor_grid& grid();
    // Acts on the grid's current row; false when the row names no entry.
    bool choose_current_row();
};
