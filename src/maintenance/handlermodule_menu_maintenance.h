// The maintenance menu (page 7, from the accounts menu): the operators, moving the database to
// another folder, rebuilding the PLU index, a backup now, restoring a backup as a new domain, Exit.
#pragma once

#include <cstdint>

#include "pages/handlermodule_menu_list.h"

class thandler_class;

class Thandlermodule_menu_maintenance : public Thandlermodule_menu_list {
public:
    static constexpr int16_t pageno = 7;
    static constexpr int32_t tag_menu_items = 104;

    using Thandlermodule_menu_list::Thandlermodule_menu_list;
    const char* class_name() const override { return "Thandlermodule_menu_maintenance"; }
    // Form Tform_page_menu_maintenance, record tparams_gridrow.
    static const thandler_class& handler_class();

    static constexpr int16_t action_rebuild_plu_index = first_action_row;
    // A kept backup of the open domain (backups/ in its folder), its progress in the footer.
    static constexpr int16_t action_back_up_now = first_action_row - 1;
    // A kept backup restored into a new folder as a new domain.
    static constexpr int16_t action_restore_backup = first_action_row - 2;

protected:
    int32_t menu_items_tag() const override { return tag_menu_items; }
    std::span<const int16_t> row_pages() const override;
    void run_row_action(int16_t acode) override;
};
