#include "pages/handlermodule_combobox.h"

#include "controls/control_kinds.h"

namespace {
const Tform_page2& combobox_form() {
    static const Tform_page2 form = overlay_form("Tform_page_combobox", "form_page_combobox");
    return form;
}
}  // namespace

Thandlermodule_combobox::Thandlermodule_combobox(tpage_controller_generic* aowner, Thandlermodule_page* apage,
                                                 int32_t aid, tmiscobject_textlines* atextlines)
    : Thandlermodule_ontop_list(aowner, ho_combobox, aid, &combobox_form(), atextlines), fpage(apage) {}

trect Thandlermodule_combobox::get_initial_bounds(const trect& aclientrect) {
    trect box;
    fpage->fcontrols->get_viewport(ftag_ontop, box);
    return list_bounds(box.left + list_offset_x, box.bottom, box.right + list_offset_x, aclientrect.bottom);
}

int32_t Thandlermodule_combobox::initial_row() {
    const auto* combobox = fpage ? &fpage->control<tvelmor_combobox>(ftag_ontop) : nullptr;
    return combobox ? combobox->item_index : 0;
}
