#include "property/billing_pages.h"

#include "controls/dfm_component.h"
#include "pages/page_controller_generic.h"
#include "property/handlermodule_edit_billitem.h"
#include "property/handlermodule_edit_cpinvoice.h"
#include "property/handlermodule_edit_cpinvoice_billitem.h"
#include "property/handlermodule_editlist_billitem.h"
#include "property/handlermodule_list_billitem.h"
#include "property/handlermodule_list_cpinvoice.h"

void register_billing_pages(tpage_controller_generic& acontroller) {
    register_form_class("Tform_page_list_billitem");
    register_form_class("Tform_page_edit_billitem");
    acontroller.register_page(Thandlermodule_list_billitem::pageno, Thandlermodule_list_billitem::handler_class());
    acontroller.register_page(Thandlermodule_edit_billitem::pageno, Thandlermodule_edit_billitem::handler_class());
    register_form_class("Tform_page_editlist_billitem");
    acontroller.register_page(Thandlermodule_editlist_billitem::pageno, Thandlermodule_editlist_billitem::handler_class());

    register_form_class("Tform_page_list_cpinvoice");
    register_form_class("Tform_page_edit_cpinvoice");
    register_form_class("Tform_page_edit_cpinvoice_billitem");
    acontroller.register_page(Thandlermodule_list_cpinvoice::pageno, Thandlermodule_list_cpinvoice::handler_class());
    acontroller.register_page(Thandlermodule_edit_cpinvoice::pageno, Thandlermodule_edit_cpinvoice::handler_class());
    acontroller.register_page(Thandlermodule_edit_cpinvoice_billitem::pageno,
                              Thandlermodule_edit_cpinvoice_billitem::handler_class());
}
