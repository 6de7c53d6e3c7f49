// The base of the menu pages: one list grid (201) showing a text-lines object; Enter on a row
// enters the page the row leads to with the menu kept beneath, or leaves the menu; Esc leaves.
#pragma once

#include <cstdint>
#include <span>

#include "pages/handlermodule_page.h"

class tvelmor_grid;

class Thandlermodule_menu_list : public Thandlermodule_page {
public:
    static constexpr int32_t tag_grid = 201;
    // A row that leaves the menu.
    static constexpr int16_t page_exit_row = -1;
    // Rows at or below this run an action of the menu itself (run_row_action) instead of a page.
    static constexpr int16_t first_action_row = -2;

    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_menu_list"; }

    // Points the grid at the menu's text lines, sets its row count and focuses it.
    void once_created() override;
    // The chosen row travels with the page stack, so that coming back lands on it again.
    void save_params(tparams_generic& aparams) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;

    tvelmor_grid& grid();

protected:
    // The text-lines object shown.
    virtual int32_t menu_items_tag() const = 0;
    // What each row leads to, by row: a page number, page_exit_row or an action code.
    virtual std::span<const int16_t> row_pages() const = 0;
    // Runs the action of a row whose code is at or below first_action_row.
    virtual void run_row_action(int16_t acode);

private:
    // Acts on the grid's current row; false when the row names no entry.
    bool choose_current_row();
};
