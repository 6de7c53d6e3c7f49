#include "jobs/jobs_pages.h"

#include "controls/dfm_component.h"
#include "jobs/handlermodule_edit_plu.h"
#include "jobs/handlermodule_search_plu.h"
#include "pages/page_controller_generic.h"

void register_jobs_pages(tpage_controller_generic& acontroller) {
    register_form_class("Tform_page_search_plu");
    register_form_class("Tform_page_edit_plu");
    acontroller.register_page(Thandlermodule_search_plu::pageno, Thandlermodule_search_plu::handler_class());
    acontroller.register_page(Thandlermodule_edit_plu::pageno, Thandlermodule_edit_plu::handler_class());
}
