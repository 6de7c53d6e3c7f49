#include "property/page_enter_params.h"

#include "pages/page_controller_generic.h"

void page_enter_params(tpage_controller_generic& acontroller, int16_t apageno, std::span<const tparam_value> aparams,
                       bool as_goto) {
    const thandler_class* page = acontroller.get_page_table().find(apageno);
    if (!page) throw tvelmor_exception("Page handler class not assigned in %s.get_handlerclass_pageno();", acontroller.class_name());
    acontroller.page_enter(*page, aparams, as_goto);
}
