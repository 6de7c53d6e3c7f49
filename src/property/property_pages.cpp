#include "property/property_pages.h"

#include "controls/dfm_component.h"
#include "pages/page_controller_generic.h"
#include "property/billing_pages.h"
#include "property/handlermodule_edit_cpunit.h"
#include "property/handlermodule_enter_cpunit_readings.h"

void register_property_pages(tpage_controller_generic& acontroller) {
    register_billing_pages(acontroller);
    register_form_class("Tform_page_edit_cpunit");
    acontroller.register_page(Thandlermodule_edit_cpunit::pageno, Thandlermodule_edit_cpunit::handler_class());
    register_form_class("Tform_page_enter_cpunit_readings");
    acontroller.register_page(Thandlermodule_enter_cpunit_readings::pageno,
                              Thandlermodule_enter_cpunit_readings::handler_class());
}
