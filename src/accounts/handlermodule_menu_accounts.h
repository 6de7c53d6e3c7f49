// The accounts menu (page 1): the program's main menu. Enter on an entry opens the customer
// search, the PLU search, the maintenance menu, the commercial-property menu or the job search
// over it, or leaves; Esc leaves.
#pragma once

#include <cstdint>

#include "pages/handlermodule_menu_list.h"

class thandler_class;

class Thandlermodule_menu_accounts : public Thandlermodule_menu_list {
public:
    // The entries shown: list 104, the one that names the commercial-property menu.
    static constexpr int32_t tag_menu_items = 104;
    // The domain opened when none is open yet.
    static constexpr int16_t database_no = 0;

    using Thandlermodule_menu_list::Thandlermodule_menu_list;
    const char* class_name() const override { return "Thandlermodule_menu_accounts"; }
    // The class as the page controller knows it: form Tform_page_menu_accounts, record tparams_gridrow.
    static const thandler_class& handler_class();

    // Keeps the domain chosen on the domains menu open; opens domain 0 when none is.
    void once_created() override;

protected:
    int32_t menu_items_tag() const override { return tag_menu_items; }
    std::span<const int16_t> row_pages() const override;
};
