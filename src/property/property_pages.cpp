#include "property/property_pages.h"

#include "controls/dfm_component.h"
#include "pages/page_controller_generic.h"
#include "property/handlermodule_edit_cpunit.h"

void register_property_pages(tpage_controller_generic& acontroller) {
    register_form_class("Tform_page_edit_cpunit");
    acontroller.register_page(Thandlermodule_edit_cpunit::pageno, Thandlermodule_edit_cpunit::handler_class());
}
