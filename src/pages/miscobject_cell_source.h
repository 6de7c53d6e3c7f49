// A grid's text source (the misc object a grid names as header2) answered by its page: the
// script driver and the tests read the cells the page paints through it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/miscobject.h"

class Thandlermodule_page;

class tmiscobject_cell_source : public tvelmor_miscobject {
public:
    using tcount = std::function<int32_t()>;
    using tcell = std::function<std::u16string(int32_t arow, int32_t acol)>;

    tmiscobject_cell_source(icontrols_owner* aowner, int32_t atag, int32_t acolumns, tcount arow_count, tcell acell)
        : tvelmor_miscobject(aowner, atag, am_listrows),
          fcolumns(acolumns),
          frow_count(std::move(arow_count)),
          fcell(std::move(acell)) {}
    const char* class_name() const override { return "tmiscobject_cell_source"; }
    bool get_textvalue_rowcol(std::u16string& atext, int32_t arow, int32_t acol) override {
        if (arow < 0 || arow >= frow_count() || acol < 0 || acol >= fcolumns) return false;
        atext = fcell(arow, acol);
        return true;
    }

    // Puts a source in the place of the page's misc object atag (declared as list rows).
    static void install(Thandlermodule_page& apage, int32_t atag, int32_t acolumns, tcount arow_count, tcell acell);

private:
    int32_t fcolumns;
    tcount frow_count;
    tcell fcell;
};
