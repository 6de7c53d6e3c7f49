// The page menu: the main page's menu entries in a list at the top right of the page. The page
// learns the chosen row, or -1, through 1107 from overlay 9201.
#pragma once

#include <cstdint>

#include "pages/handlermodule_ontop.h"

class Thandlermodule_menu : public Thandlermodule_ontop_list {
public:
    static constexpr int32_t tag_ontop_menu = 9201;
    static constexpr int32_t menu_width = 200;
    static constexpr int32_t menu_inset = 6;

    // aid: the overlay tag (the controller passes 9201); atextlines: the page's menu entries, not
    // owned.
    Thandlermodule_menu(tpage_controller_generic* aowner, int32_t aid, tmiscobject_textlines* atextlines);
    const char* class_name() const override { return "Thandlermodule_menu"; }

    // 200 wide at the right of the main area, 6 in from its right and top edges.
    trect get_initial_bounds(const trect& aclientrect) override;
};
