#include "jobs/job_page_controls.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "pages/datamodule_messages.h"
#include "pages/handlermodule_page.h"
#include "pages/page_controller_generic.h"

void show_control(Thandlermodule_page& apage, int32_t atag, bool avisible) {
    apage.control<tvelmor_control>(atag).visible = avisible;
    if (avisible) apage.fowner->get_messages().add_message(501, jt_draw_control, apage.fhandler_type, atag);
}
