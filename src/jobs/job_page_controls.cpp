#include "jobs/job_page_controls.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/text_controls.h"
#include "pages/datamodule_messages.h"
#include "pages/handlermodule_page.h"
#include "pages/page_controller_generic.h"

namespace {

template <typename T>
T& control_of(Thandlermodule_page& apage, int32_t atag, const char* akind) {
    auto* c = dynamic_cast<T*>(apage.fcontrols->get_control(atag));
    if (!c) throw tvelmor_exception("%s %d not found in %s.control();", akind, atag, apage.class_name());
    return *c;
}

}  // namespace

tvelmor_edit& page_edit(Thandlermodule_page& apage, int32_t atag) {
    return control_of<tvelmor_edit>(apage, atag, "Edit");
}

tvelmor_label& page_label(Thandlermodule_page& apage, int32_t atag) {
    return control_of<tvelmor_label>(apage, atag, "Label");
}

tvelmor_memo& page_memo(Thandlermodule_page& apage, int32_t atag) {
    return control_of<tvelmor_memo>(apage, atag, "Memo");
}

void show_control(Thandlermodule_page& apage, int32_t atag, bool avisible) {
    tvelmor_control* c = apage.fcontrols->get_control(atag);
    if (!c) throw tvelmor_exception("Control %d not found in %s.show_control();", atag, apage.class_name());
    c->visible = avisible;
    if (avisible) apage.fowner->get_messages().add_message(501, jt_draw_control, apage.fhandler_type, atag);
}
