#include "plu/plu_pages.h"

#include "controls/dfm_component.h"
#include "pages/page_controller_generic.h"
#include "plu/handlermodule_edit_plu.h"
#include "plu/handlermodule_search_plu.h"

void register_plu_pages(tpage_controller_generic& acontroller) {
    register_form_class("Tform_page_search_plu");
    register_form_class("Tform_page_edit_plu");
    acontroller.register_page(Thandlermodule_search_plu::pageno, Thandlermodule_search_plu::handler_class());
    acontroller.register_page(Thandlermodule_edit_plu::pageno, Thandlermodule_edit_plu::handler_class());
}
