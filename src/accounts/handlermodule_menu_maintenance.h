// The maintenance menu (page 7, from the accounts menu): the operators, moving the database to
// another folder, and Exit.
#pragma once

#include <cstdint>

#include "accounts/handlermodule_menu_list.h"

class thandler_class;

class Thandlermodule_menu_maintenance : public Thandlermodule_menu_list {
public:
    static constexpr int16_t pageno = 7;
    static constexpr int32_t tag_menu_items = 104;

    using Thandlermodule_menu_list::Thandlermodule_menu_list;
    const char* class_name() const override { return "Thandlermodule_menu_maintenance"; }
    // Form Tform_page_menu_maintenance, record tparams_gridrow.
    static const thandler_class& handler_class();

protected:
    int32_t menu_items_tag() const override { return tag_menu_items; }
    std::span<const int16_t> row_pages() const override;
};
