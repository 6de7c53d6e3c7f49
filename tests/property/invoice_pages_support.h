// Support for the invoicing tests: the accounts pages' fixture with the property pages registered,
// a demo unit whose readings a test sets, and key presses.
#pragma once

#include <string>
#include <vector>

#include "support/accounts_fixture.h"
#include "pages/page_controller_generic.h"
#include "pages/page_table.h"
#include "procs/procs_daycount.h"
#include "property/property_pages.h"
#include "values/params_generic.h"

class tinvoice_page_test : public taccounts_page_test {
protected:
    void SetUp() override {
        taccounts_page_test::SetUp();
        if (HasFatalFailure()) return;
        fdatabase->open_database(0);
        funit = static_cast<int32_t>(number("SELECT MIN( id ) FROM cp_unit"));
    }
    void TearDown() override {
        fcontroller.reset();
        taccounts_page_test::TearDown();
    }
    void open(int16_t apageno) {
        start([](tpage_controller_generic& acontroller) { register_property_pages(acontroller); });
        fcontroller->page_enter(apageno, false);
        fcontroller->handle_resize(ht_main, false);
        run_queue();
    }
    // The accounts menu, then the unit invoice of aunit over it, built.
    void open_invoice(int32_t aunit) {
        open(1);
        const tparam_value params[] = {int64_t{aunit}};
        fcontroller->page_enter(*fcontroller->get_page_table().find(32), params, false);
        fcontroller->handle_resize(ht_main, false);
        run_queue();
    }
    // Water: 300 units over 27 days; power: 900 units over 24 days.
    void set_billable_readings(int32_t aunit) {
        set_readings(aunit, {{1, 1, 1200, true}, {1, 28, 1500, false}, {2, 3, 50000, true}, {2, 27, 50900, false}});
    }
    bool press(uint16_t akey, tshift_state ashift = 0) {
        const bool used = fcontroller->handle_keydown(akey, ashift, false);
        fcontroller->handle_keydown(akey, ashift, true);
        run_queue();
        return used;
    }
    // Replaces every reading of the unit: (bill type, day of month in November 2026, reading, billed).
    struct treading {
        int16_t bill_type;
        int32_t day;
        int64_t reading;
        bool billed;
    };
    void set_readings(int32_t aunit, const std::vector<treading>& areadings) {
        execute("DELETE FROM cp_unit_reading WHERE id_unit = " + std::to_string(aunit));
        for (const treading& r : areadings)
            execute("INSERT INTO cp_unit_reading ( id_unit, bill_type, date_read, reading, billed ) VALUES ( " +
                    std::to_string(aunit) + ", " + std::to_string(r.bill_type) + ", " + std::to_string(day(r.day)) +
                    ", " + std::to_string(r.reading) + ", " + (r.billed ? "1" : "0") + " )");
    }
    static int32_t day(int32_t aday_of_november) { return tprocs_daycount::encode(2026, 11, 1) + aday_of_november - 1; }
    // Texts the main surface's canvas was asked to draw.
    bool drawn(const std::string& atext) {
        for (const std::string& line : surface(ht_main).fcanvas.lines())
            if (line.find(atext) != std::string::npos) return true;
        return false;
    }

    int32_t funit = 0;
};
