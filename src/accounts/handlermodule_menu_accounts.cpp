#include "accounts/handlermodule_menu_accounts.h"

#include "database/datamodule_database_customers.h"
#include "pages/handler_class.h"
#include "pages/page_form.h"
#include "values/params_generic.h"

namespace {

// Accounts, PLUs, Maintenance, Commercial Property (page 19), Jobs, Exit.
constexpr int16_t row_pages_accounts[] = {2, 3, 7, 19, 11, Thandlermodule_menu_list::page_exit_row};

// The form's text is built into the program.
const Tform_page2& menu_form() {
    static const Tform_page2 form("Tform_page_menu_accounts", Tform_page2::embedded_text("form_page_menu_accounts"));
    return form;
}

}  // namespace

const thandler_class& Thandlermodule_menu_accounts::handler_class() {
    static const thandler_class c("Thandlermodule_menu_accounts", &handler_factory_of<Thandlermodule_menu_accounts>,
                                  &menu_form(), &tparams_gridrow::static_class());
    return c;
}

void Thandlermodule_menu_accounts::once_created() {
    Tdatamodule_database_customers& database = Tdatamodule_database_customers::instance();
    if (database.database_no() < 0 || !database.database_customers.connected()) database.open_database(database_no);
    Thandlermodule_menu_list::once_created();
}

std::span<const int16_t> Thandlermodule_menu_accounts::row_pages() const { return row_pages_accounts; }
