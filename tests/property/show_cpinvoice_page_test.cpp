// The account's readings (page 23) over a copy of the demo database: a line per unit and meter
// of the account, drawn as the readings page draws them, and nothing to change.
#include <gtest/gtest.h>

#include "controls/key_codes.h"
#include "invoice_pages_support.h"
#include "property/handlermodule_list_cpinvoicing.h"
#include "property/handlermodule_show_cpinvoice.h"

namespace {

class ShowCpinvoicePage : public tinvoice_page_test {};

TEST_F(ShowCpinvoicePage, shows_each_meter_of_the_accounts_units_read_only) {
    const int32_t account = static_cast<int32_t>(number("SELECT account FROM cp_unit WHERE id = " + std::to_string(funit)));
    // The account's other units are left out of the way.
    execute("UPDATE cp_unit SET account = NULL WHERE account = " + std::to_string(account) +
            " AND id <> " + std::to_string(funit));
    set_readings(funit, {{1, 1, 1200, true}, {1, 28, 1500, false}});
    open(1);
    const tparam_value params[] = {int64_t{account}};
    fcontroller->page_enter(Thandlermodule_show_cpinvoice::handler_class(), params, false);
    fcontroller->handle_resize(ht_main, false);
    run_queue();
    auto& page = main_page<Thandlermodule_show_cpinvoice>();
    ASSERT_EQ(2u, page.flist_lines.size());
    using T = std::vector<std::u16string>;
    EXPECT_EQ((T{u"Unit G01:", u"Water Meter", u""}), Thandlermodule_show_cpinvoice::cell_texts(page.flist_lines[0], 0));
    EXPECT_EQ((T{u"Last Reading:", u"01/11/2026", u"00001200"}),
              Thandlermodule_show_cpinvoice::cell_texts(page.flist_lines[0], 1));
    EXPECT_EQ((T{u"This Reading:", u"28/11/2026", u"00001500"}),
              Thandlermodule_show_cpinvoice::cell_texts(page.flist_lines[0], 2));
    // A meter without readings: a first reading, no date, the value -1.
    EXPECT_EQ((T{u"", u"", u""}), Thandlermodule_show_cpinvoice::cell_texts(page.flist_lines[1], 1));
    EXPECT_EQ((T{u"First Reading", u"", u"-00000001"}), Thandlermodule_show_cpinvoice::cell_texts(page.flist_lines[1], 2));
    EXPECT_TRUE(drawn("\"Power Meter\""));
    EXPECT_TRUE(drawn("\"First Reading\""));

    // F2 stores nothing; Esc leaves.
    const int64_t billed = number("SELECT COUNT(*) FROM cp_unit_reading WHERE billed = 1");
    press(tvk::f2);
    EXPECT_EQ(Thandlermodule_show_cpinvoice::pageno, fcontroller->get_pageno());
    EXPECT_EQ(billed, number("SELECT COUNT(*) FROM cp_unit_reading WHERE billed = 1"));
    press(tvk::escape);
    EXPECT_EQ(1, fcontroller->get_pageno());
}

}  // namespace
