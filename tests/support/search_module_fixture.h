// Test support for the search data modules: the demo domain opened, and every line of a search
// loaded a page at a time as a user paging to the end would.
#pragma once

#include "support/accounts_fixture.h"

class tsearch_module_test : public taccounts_page_test {
protected:
    void SetUp() override {
        taccounts_page_test::SetUp();
        fdatabase->open_database(0);
    }
    template <typename M>
    static void load_all(M& amodule) {
        while (amodule.add_records_pagedown(5)) {
        }
    }
};
