#include "property/property_pages.h"

#include "controls/dfm_component.h"
#include "pages/page_controller_generic.h"
#include "property/billing_pages.h"
#include "property/handlermodule_edit_cpsite.h"
#include "property/handlermodule_edit_cpunit.h"
#include "property/handlermodule_editlist_cpsite.h"
#include "property/handlermodule_edits_cpsite_pics.h"
#include "property/handlermodule_enter_cpunit_readings.h"
#include "property/handlermodule_list_cpinvoicing.h"
#include "property/handlermodule_list_cpinvoicing2.h"
#include "property/handlermodule_list_cpsite.h"
#include "property/handlermodule_menu_commercial_property.h"
#include "property/handlermodule_menu_cpmaintenance.h"
#include "property/handlermodule_show_cpinvoice.h"
#include "property/handlermodule_show_cpinvoice2.h"

void register_property_pages(tpage_controller_generic& acontroller) {
    // Sites: the menus, the site list, the site editor, the site pictures and the site edit-list.
    register_form_class("Tform_page_menu_commercial_property");
    register_form_class("Tform_page_menu_cpmaintenance");
    register_form_class("Tform_page_list_cpsite");
    register_form_class("Tform_page_edit_cpsite");
    register_form_class("Tform_page_edits_cpsite_pics");
    register_form_class("Tform_page_editlist_cpsite");
    acontroller.register_page(Thandlermodule_menu_commercial_property::pageno,
                              Thandlermodule_menu_commercial_property::handler_class());
    acontroller.register_page(Thandlermodule_menu_cpmaintenance::pageno, Thandlermodule_menu_cpmaintenance::handler_class());
    acontroller.register_page(Thandlermodule_list_cpsite::pageno, Thandlermodule_list_cpsite::handler_class());
    acontroller.register_page(Thandlermodule_edit_cpsite::pageno, Thandlermodule_edit_cpsite::handler_class());
    acontroller.register_page(Thandlermodule_edits_cpsite_pics::pageno, Thandlermodule_edits_cpsite_pics::handler_class());
    acontroller.register_page(Thandlermodule_editlist_cpsite::pageno, Thandlermodule_editlist_cpsite::handler_class());
    register_billing_pages(acontroller);
    register_form_class("Tform_page_edit_cpunit");
    acontroller.register_page(Thandlermodule_edit_cpunit::pageno, Thandlermodule_edit_cpunit::handler_class());
    register_form_class("Tform_page_enter_cpunit_readings");
    acontroller.register_page(Thandlermodule_enter_cpunit_readings::pageno,
                              Thandlermodule_enter_cpunit_readings::handler_class());
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
