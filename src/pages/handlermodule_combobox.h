// The drop-down list of a combo box: the combo box's choices in a list just below it, starting on
// the current choice. The controller applies the chosen row to the combo box (1109) and tells
// the page with 1107 under the combo box's own tag.
#pragma once

#include <cstdint>

#include "pages/handlermodule_ontop.h"

class Thandlermodule_combobox : public Thandlermodule_ontop_list {
public:
    // How far right of the combo box the list drops.
    static constexpr int32_t list_offset_x = 20;

    // apage: the main page holding the combo box, not owned; aid: the combo box's tag;
    // atextlines: its choices, not owned.
    Thandlermodule_combobox(tpage_controller_generic* aowner, Thandlermodule_page* apage, int32_t aid,
                            tmiscobject_textlines* atextlines);
    const char* class_name() const override { return "Thandlermodule_combobox"; }

    // Below the combo box's cell on the page, moved 20 right, cut at the bottom of the page.
    trect get_initial_bounds(const trect& aclientrect) override;

    Thandlermodule_page* fpage;

protected:
    // The combo box's current choice, when it has one.
    int32_t initial_row() override;
};
