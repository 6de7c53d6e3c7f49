// The commercial-property menu (page 19, from the accounts menu): the site list for editing sites
// and units or for entering meter readings, the two invoicing lists, the maintenance menu, Exit.
#pragma once

#include <cstdint>

#include "pages/handlermodule_menu_list.h"

class thandler_class;

class Thandlermodule_menu_commercial_property : public Thandlermodule_menu_list {
public:
    static constexpr int16_t pageno = 19;
    static constexpr int32_t tag_menu_items = 104;
    // The site list and the pages it launches for a site.
    static constexpr int16_t pageno_list_cpsite = 20;
    static constexpr int16_t pageno_edit_cpsite = 25;
    static constexpr int16_t pageno_readings = 21;
    static constexpr int16_t action_edit_sites = first_action_row;
    static constexpr int16_t action_readings = first_action_row - 1;

    using Thandlermodule_menu_list::Thandlermodule_menu_list;
    const char* class_name() const override { return "Thandlermodule_menu_commercial_property"; }
    // Form Tform_page_menu_commercial_property, record tparams_gridrow.
    static const thandler_class& handler_class();

protected:
    int32_t menu_items_tag() const override { return tag_menu_items; }
    std::span<const int16_t> row_pages() const override;
    // The site list is entered with the page it launches (no site preselected).
    void run_row_action(int16_t acode) override;
};
