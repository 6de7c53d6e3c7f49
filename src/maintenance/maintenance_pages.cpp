#include "maintenance/maintenance_pages.h"

#include "controls/dfm_component.h"
#include "maintenance/handlermodule_maintenance_dbpath.h"
#include "maintenance/handlermodule_maintenance_dbpath1.h"
#include "maintenance/handlermodule_maintenance_server.h"
#include "maintenance/handlermodule_menu_maintenance.h"
#include "pages/page_controller_generic.h"

void register_maintenance_pages(tpage_controller_generic& acontroller) {
    register_form_class("Tform_page_menu_maintenance");
    acontroller.register_page(Thandlermodule_menu_maintenance::pageno, Thandlermodule_menu_maintenance::handler_class());
    register_form_class("Tform_page_maintenance_dbpath");
    register_form_class("Tform_page_maintenance_dbpath1");
    acontroller.register_page(Thandlermodule_maintenance_dbpath::pageno,
                              Thandlermodule_maintenance_dbpath::handler_class());
    acontroller.register_page(Thandlermodule_maintenance_dbpath1::pageno,
                              Thandlermodule_maintenance_dbpath1::handler_class());
    register_form_class("Tform_page_maintenance_server");
    acontroller.register_page(Thandlermodule_maintenance_server::pageno,
                              Thandlermodule_maintenance_server::handler_class());
}
