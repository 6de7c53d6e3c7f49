#include "property/handlermodule_menu_commercial_property.h"

#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "property/page_enter_params.h"
#include "pages/page_form.h"
#include "values/params_generic.h"

namespace {

using T = Thandlermodule_menu_commercial_property;
// Edit Sites & Units, Enter Unit Meter Readings, Invoicing (22), Invoicing2 (26), Maintenance (27), Exit.
constexpr int16_t row_pages_commercial_property[] = {T::action_edit_sites, T::action_readings, 22, 26, 27,
                                                     Thandlermodule_menu_list::page_exit_row};

const Tform_page2& menu_form() {
    static const Tform_page2 form("Tform_page_menu_commercial_property",
                                  Tform_page2::embedded_text("form_page_menu_commercial_property"));
    return form;
}

}  // namespace

const thandler_class& Thandlermodule_menu_commercial_property::handler_class() {
    static const thandler_class c("Thandlermodule_menu_commercial_property",
                                  &handler_factory_of<Thandlermodule_menu_commercial_property>, &menu_form(),
                                  &tparams_gridrow::static_class());
    return c;
}

std::span<const int16_t> Thandlermodule_menu_commercial_property::row_pages() const {
    return row_pages_commercial_property;
}

void Thandlermodule_menu_commercial_property::run_row_action(int16_t acode) {
    if (acode != action_edit_sites && acode != action_readings) return Thandlermodule_menu_list::run_row_action(acode);
    const tparam_value params[] = {int64_t{acode == action_edit_sites ? pageno_edit_cpsite : pageno_readings}};
    page_enter_params(*fowner, pageno_list_cpsite, params, false);
}
