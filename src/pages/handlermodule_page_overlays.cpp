// The overlays a page opens itself: a combo box's drop-down list, the yes/no question and the
// large text viewer. The page controller shows them and reports their results back with 1107.
#include "controls/control_kinds.h"
#include "controls/miscobject_textlines.h"
#include "pages/handlermodule_big_edit.h"
#include "pages/handlermodule_combobox.h"
#include "pages/handlermodule_dialog.h"
#include "pages/handlermodule_page.h"
#include "pages/page_controller_generic.h"

void Thandlermodule_page::run_combobox_list(tvelmor_combobox& acombobox) {
    if (!fowner || fhandler_type != ht_main || get_readonly() || acombobox.header == 0) return;
    auto* choices = dynamic_cast<tmiscobject_textlines*>(fcontrols->get_miscobject(acombobox.header));
    if (!choices)
        throw tvelmor_exception("Combo box %d names no list of choices (%d) in %s.run_combobox_list();",
                                acombobox.tag, acombobox.header, class_name());
    fowner->run_ontop(std::make_unique<Thandlermodule_combobox>(fowner, this, acombobox.tag, choices));
}

void Thandlermodule_page::run_dialog(int32_t atag_ontop, const std::u16string& aquestion) {
    if (!fowner) return;
    fowner->run_ontop(std::make_unique<Thandlermodule_dialog>(fowner, atag_ontop, aquestion));
}

void Thandlermodule_page::run_big_edit(int32_t atag_ontop, int32_t atag_control, const std::u16string& avalue) {
    if (!fowner) return;
    trect r;
    fcontrols->get_viewport(atag_control, r);
    fowner->run_ontop(std::make_unique<Thandlermodule_big_edit>(fowner, atag_ontop, r, avalue));
}
