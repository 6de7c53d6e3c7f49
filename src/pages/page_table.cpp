#include "pages/page_table.h"

#include "pages/handler_class.h"

void tpage_table::register_page(int16_t apageno, const thandler_class& aclass_page) {
    if (ffinished)
        throw tvelmor_exception("Page %d registered after the page table was closed in %s.register_page();",
                                apageno, class_name());
    if (!fpages.try_emplace(apageno, &aclass_page).second)
        throw tvelmor_exception("Page %d registered twice (%s) in %s.register_page();", apageno,
                                aclass_page.name(), class_name());
}

void tpage_table::replace_page(int16_t apageno, const thandler_class& aclass_page) {
    if (ffinished)
        throw tvelmor_exception("Page %d replaced after the page table was closed in %s.replace_page();", apageno,
                                class_name());
    fpages[apageno] = &aclass_page;
}

const thandler_class* tpage_table::find(int16_t apageno) const {
    const auto it = fpages.find(apageno);
    return it == fpages.end() ? nullptr : it->second;
}

int16_t tpage_table::find_pageno(const thandler_class& aclass_page) const {
    for (const auto& [pageno, handler_class] : fpages)
        if (handler_class == &aclass_page) return pageno;
    return -1;
}
