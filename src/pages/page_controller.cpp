#include "pages/page_controller.h"

tpage_controller::tpage_controller(std::unique_ptr<tgraphboxes> agraphboxes, Tdatamodule_messages& amessages,
                                   istartup_state& astartup,
                                   const std::function<void(tpage_controller_generic&)>& aregister_pages,
                                   const thandler_class* aheader_class, const thandler_class* afooter_class)
    : tpage_controller_generic(std::move(agraphboxes), amessages, aheader_class, afooter_class), fstartup(astartup) {
    if (aregister_pages) aregister_pages(*this);
    register_pages_finish();
}

int16_t tpage_controller::get_first_pageno() {
    if (!fstartup.settings_loaded()) return 9;
    if (fstartup.domain_count() > 1) return 0;
    fstartup.open_database(0);
    return 1;
}

void tpage_controller::debug101() {
    if (Thandlermodule_page* handler = get_handler_main()) handler->show_debug101();
}
