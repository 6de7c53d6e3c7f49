// The sparse table of handler classes by page number that the page controller enters pages from.
#pragma once

#include <cstdint>
#include <map>

#include "procs/velmor_exception.h"

class thandler_class;

class tpage_table : public tvelmor_object {
public:
    const char* class_name() const override { return "tpage_table"; }

    // Raises when the table is closed or the number is taken.
    void register_page(int16_t apageno, const thandler_class& aclass_page);
    // Puts another class in a page number's place, registered or not (a test's stand-in for a
    // page that a page under test enters). Raises when the table is closed.
    void replace_page(int16_t apageno, const thandler_class& aclass_page);
    void register_pages_finish() { ffinished = true; }
    bool is_finished() const { return ffinished; }

    // Nullptr for a number without a class.
    const thandler_class* find(int16_t apageno) const;
    // -1 for a class that is not registered; the lowest number when a class serves several.
    int16_t find_pageno(const thandler_class& aclass_page) const;

private:
    std::map<int16_t, const thandler_class*> fpages;
    bool ffinished = false;
};
