#include "pages/handlermodule_menu.h"

namespace {
const Tform_page2& menu_form() {
    static const Tform_page2 form = overlay_form("Tform_page_menu", "form_page_menu");
    return form;
}
}  // namespace

Thandlermodule_menu::Thandlermodule_menu(tpage_controller_generic* aowner, int32_t aid,
                                         tmiscobject_textlines* atextlines)
    : Thandlermodule_ontop_list(aowner, ho_menu, aid, &menu_form(), atextlines) {}

trect Thandlermodule_menu::get_initial_bounds(const trect& aclientrect) {
    const int32_t right = aclientrect.right - menu_inset;
    return list_bounds(right - menu_width, aclientrect.top + menu_inset, right, aclientrect.bottom - menu_inset);
}
