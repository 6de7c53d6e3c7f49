#include "property/property_pages.h"

#include "controls/dfm_component.h"
#include "pages/page_controller_generic.h"
#include "property/handlermodule_show_cpinvoice2.h"

void register_property_pages(tpage_controller_generic& acontroller) {
    // Invoicing: the unit invoice.
    register_form_class("Tform_page_show_cpinvoice2");
    acontroller.register_page(Thandlermodule_show_cpinvoice2::pageno, Thandlermodule_show_cpinvoice2::handler_class());
}
