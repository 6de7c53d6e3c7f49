#include "property/property_pages.h"

#include "controls/dfm_component.h"
#include "pages/page_controller_generic.h"
#include "property/handlermodule_list_cpinvoicing.h"
#include "property/handlermodule_list_cpinvoicing2.h"
#include "property/handlermodule_show_cpinvoice.h"
#include "property/handlermodule_show_cpinvoice2.h"

void register_property_pages(tpage_controller_generic& acontroller) {
    // Invoicing: the run lists, an account's readings and the unit invoice.
    register_form_class("Tform_page_list_cpinvoicing");
    register_form_class("Tform_page_list_cpinvoicing2");
    register_form_class("Tform_page_show_cpinvoice");
    register_form_class("Tform_page_show_cpinvoice2");
    acontroller.register_page(Thandlermodule_list_cpinvoicing::pageno, Thandlermodule_list_cpinvoicing::handler_class());
    acontroller.register_page(Thandlermodule_list_cpinvoicing2::pageno, Thandlermodule_list_cpinvoicing2::handler_class());
    acontroller.register_page(Thandlermodule_show_cpinvoice::pageno, Thandlermodule_show_cpinvoice::handler_class());
    acontroller.register_page(Thandlermodule_show_cpinvoice2::pageno, Thandlermodule_show_cpinvoice2::handler_class());
}
