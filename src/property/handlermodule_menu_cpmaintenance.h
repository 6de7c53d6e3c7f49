// The commercial-property maintenance menu (page 27): the invoice templates, the bill items, Exit.
#pragma once

#include <cstdint>

#include "pages/handlermodule_menu_list.h"

class thandler_class;

class Thandlermodule_menu_cpmaintenance : public Thandlermodule_menu_list {
public:
    static constexpr int16_t pageno = 27;
    static constexpr int32_t tag_menu_items = 104;

    using Thandlermodule_menu_list::Thandlermodule_menu_list;
    const char* class_name() const override { return "Thandlermodule_menu_cpmaintenance"; }
    // Form Tform_page_menu_cpmaintenance, record tparams_gridrow.
    static const thandler_class& handler_class();

protected:
    int32_t menu_items_tag() const override { return tag_menu_items; }
    std::span<const int16_t> row_pages() const override;
};
