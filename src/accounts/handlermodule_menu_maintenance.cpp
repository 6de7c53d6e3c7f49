#include "accounts/handlermodule_menu_maintenance.h"

#include "pages/handler_class.h"
#include "pages/page_form.h"
#include "values/params_generic.h"

namespace {

// Operators (page 10), Move Database... (page 8), Exit.
constexpr int16_t row_pages_maintenance[] = {10, 8, Thandlermodule_menu_list::page_exit_row};

const Tform_page2& menu_form() {
    static const Tform_page2 form("Tform_page_menu_maintenance",
                                  Tform_page2::embedded_text("form_page_menu_maintenance"));
    return form;
}

}  // namespace

const thandler_class& Thandlermodule_menu_maintenance::handler_class() {
    static const thandler_class c("Thandlermodule_menu_maintenance",
                                  &handler_factory_of<Thandlermodule_menu_maintenance>, &menu_form(),
                                  &tparams_gridrow::static_class());
    return c;
}

std::span<const int16_t> Thandlermodule_menu_maintenance::row_pages() const { return row_pages_maintenance; }
