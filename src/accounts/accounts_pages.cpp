#include "accounts/accounts_pages.h"

#include "accounts/handlermodule_edit_account.h"
#include "accounts/handlermodule_edit_contact.h"
#include "accounts/handlermodule_editlist_operator.h"
#include "accounts/handlermodule_menu_accounts.h"
#include "accounts/handlermodule_menu_domains.h"
#include "accounts/handlermodule_search_customer.h"
#include "controls/dfm_component.h"
#include "pages/page_controller_generic.h"

void register_accounts_pages(tpage_controller_generic& acontroller) {
    register_form_class("Tform_page_menu_accounts");
    register_form_class("Tform_page_search_customer");
    register_form_class("Tform_page_edit_account");
    register_form_class("Tform_page_edit_contact");
    acontroller.register_page(1, Thandlermodule_menu_accounts::handler_class());
    acontroller.register_page(Thandlermodule_search_customer::pageno, Thandlermodule_search_customer::handler_class());
    acontroller.register_page(Thandlermodule_edit_contact::pageno, Thandlermodule_edit_contact::handler_class());
    acontroller.register_page(Thandlermodule_edit_account::pageno, Thandlermodule_edit_account::handler_class());

    // The domains menu and the operators page.
    register_form_class("Tform_page_menu_domains");
    register_form_class("Tform_page_editlist_operator");
    acontroller.register_page(Thandlermodule_menu_domains::pageno, Thandlermodule_menu_domains::handler_class());
    acontroller.register_page(Thandlermodule_editlist_operator::pageno, Thandlermodule_editlist_operator::handler_class());
}
