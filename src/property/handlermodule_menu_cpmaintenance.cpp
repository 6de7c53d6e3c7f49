#include "property/handlermodule_menu_cpmaintenance.h"

#include "pages/handler_class.h"
#include "pages/page_form.h"
#include "values/params_generic.h"

namespace {

// Invoice Templates (page 28), Bill Items (page 30), Exit.
constexpr int16_t row_pages_cpmaintenance[] = {28, 30, Thandlermodule_menu_list::page_exit_row};

const Tform_page2& menu_form() {
    static const Tform_page2 form("Tform_page_menu_cpmaintenance",
                                  Tform_page2::embedded_text("form_page_menu_cpmaintenance"));
    return form;
}

}  // namespace

const thandler_class& Thandlermodule_menu_cpmaintenance::handler_class() {
    static const thandler_class c("Thandlermodule_menu_cpmaintenance",
                                  &handler_factory_of<Thandlermodule_menu_cpmaintenance>, &menu_form(),
                                  &tparams_gridrow::static_class());
    return c;
}

std::span<const int16_t> Thandlermodule_menu_cpmaintenance::row_pages() const { return row_pages_cpmaintenance; }
