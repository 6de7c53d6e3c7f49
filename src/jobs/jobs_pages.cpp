#include "jobs/jobs_pages.h"

#include "controls/dfm_component.h"
#include "jobs/handlermodule_edit_job.h"
#include "jobs/handlermodule_edit_job2.h"
#include "jobs/handlermodule_edit_jobhdr.h"
#include "jobs/handlermodule_search_job.h"
#include "pages/page_controller_generic.h"

void register_jobs_pages(tpage_controller_generic& acontroller) {
    register_form_class("Tform_page_search_job");
    register_form_class("Tform_page_edit_job");
    register_form_class("Tform_page_edit_job2");
    register_form_class("Tform_page_edit_jobhdr");
    acontroller.register_page(Thandlermodule_search_job::pageno, Thandlermodule_search_job::handler_class());
    acontroller.register_page(Thandlermodule_edit_job::pageno, Thandlermodule_edit_job::handler_class());
    acontroller.register_page(Thandlermodule_edit_job2::pageno, Thandlermodule_edit_job2::handler_class());
    acontroller.register_page(Thandlermodule_edit_jobhdr::pageno, Thandlermodule_edit_jobhdr::handler_class());
}
