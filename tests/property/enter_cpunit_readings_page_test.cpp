// The meter-readings page over a copy of the demo database, through the product's page controller.
#include <gtest/gtest.h>

#include "controls/control_kinds.h"
#include "cpunit_pages_support.h"
#include "database/fault_injection.h"
#include "procs/procs_daycount.h"
#include "property/handlermodule_enter_cpunit_readings.h"

namespace {

using tpage = Thandlermodule_enter_cpunit_readings;

int32_t today() { return tpage::today(); }

class EnterCpunitReadingsPage : public tcpunit_pages_test {
protected:
    tpage& open(int32_t asite) { return open_site_page<tpage>(asite); }
    tpage& readings_page() { return page<tpage>(); }
    const trecord_reading& line(int32_t arow) { return readings_page().flist_lines.get_item(arow); }
    // A reading of the unit: bill type, date, value, billed.
    void reading(int32_t aunit, int atype, int32_t adate, int64_t avalue, int abilled) {
        execute("INSERT INTO cp_unit_reading ( id_unit, bill_type, date_read, reading, billed ) VALUES ( " +
                std::to_string(aunit) + ", " + std::to_string(atype) + ", " + std::to_string(adate) + ", " +
                std::to_string(avalue) + ", " + std::to_string(abilled) + " )");
    }
    int32_t unit_of(int32_t asite) {
        return static_cast<int32_t>(number("SELECT MIN( id ) FROM cp_unit WHERE id_site = " + std::to_string(asite)));
    }
    // Tab from the date edit into the grid, then down to row arow.
    void enter_row(int32_t arow) {
        key(tvk::tab);
        for (int32_t r = 0; r < arow; ++r) key(tvk::tab);
    }
    std::string painted() { return surface(ht_main).fcanvas.text(); }
};

TEST_F(EnterCpunitReadingsPage, a_demo_site_shows_each_meter_with_its_last_billed_and_its_pending_reading) {
    tpage& p = open(1);
    ASSERT_EQ(21, fcontroller->get_pageno());
    const int64_t units = count("cp_unit WHERE id_site = 1");
    ASSERT_EQ(2 * units, p.flist_lines.get_count());
    EXPECT_EQ(p.flist_lines.get_count(), p.grid().rowcount);
    EXPECT_EQ(u"Harbourside Business Park, 12 Quay Street, Auckland",
              static_cast<tvelmor_label*>(p.fcontrols->get_control(tpage::tag_label_address))->caption);
    EXPECT_EQ(today(), p.fheader.fdate);
    EXPECT_EQ(tprocs_daycount::to_text("DD/MM/YYYY", today()), edit_text(tpage::tag_edit_date));
    EXPECT_EQ(tpage::tag_edit_date, p.ffocused_tag);
    const trecord_reading& water = line(0);
    const std::string where = "id_unit = " + std::to_string(water.fid_unit) + " AND bill_type = 1";
    EXPECT_EQ(1, water.fbill_type);
    EXPECT_EQ(2, line(1).fbill_type);
    EXPECT_FALSE(water.freading_is_first);
    EXPECT_TRUE(water.frecno_set);
    EXPECT_EQ(number("SELECT recno FROM cp_unit_reading WHERE billed = 0 AND " + where), water.frecno);
    EXPECT_EQ(number("SELECT reading FROM cp_unit_reading WHERE billed = 0 AND " + where), water.freading_this);
    EXPECT_EQ(number("SELECT MAX( reading ) FROM cp_unit_reading WHERE billed = 1 AND " + where), water.freading_last);
    EXPECT_EQ(tprocs_daycount::encode(2026, 11, 28), water.freading_last_date);
    const std::string cells = painted();
    EXPECT_NE(std::string::npos, cells.find("Unit G01:"));
    EXPECT_NE(std::string::npos, cells.find("Water Meter"));
    EXPECT_NE(std::string::npos, cells.find("28/11/2026"));
}

TEST_F(EnterCpunitReadingsPage, each_meter_state_gives_its_line) {
    struct tcase {
        const char* name;
        std::vector<std::array<int64_t, 3>> readings;  // date, value, billed
        bool first;
        bool recno_set;
        int64_t this_value;
        int32_t this_date;
        int64_t last_value;
    };
    const int32_t d1 = tprocs_daycount::encode(2026, 3, 1), d2 = tprocs_daycount::encode(2026, 4, 1);
    const tcase cases[] = {
        {"no readings", {}, true, false, -1, -1, 0},
        {"a single unbilled reading", {{d1, 500, 0}}, true, true, 500, d1, 0},
        {"a pending reading over a billed one", {{d1, 500, 1}, {d2, 560, 0}}, false, true, 560, d2, 500},
        {"the newest reading billed", {{d1, 500, 0}, {d2, 560, 1}}, false, false, 0, 0, 560},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t site = new_site({"W1"});
        const int32_t unit = unit_of(site);
        for (const auto& r : c.readings) reading(unit, 1, static_cast<int32_t>(r[0]), r[1], static_cast<int>(r[2]));
        open(site);
        ASSERT_EQ(2, readings_page().flist_lines.get_count());
        const trecord_reading& w = line(0);
        EXPECT_EQ(c.first, w.freading_is_first);
        EXPECT_EQ(c.recno_set, w.frecno_set);
        EXPECT_EQ(c.this_value, w.freading_this);
        EXPECT_EQ(c.this_value, w.freading_this0);
        EXPECT_EQ(c.this_date, w.freading_this_date);
        if (!c.first) {
            EXPECT_EQ(c.last_value, w.freading_last);
        }
        // Power has no readings at all: "First Reading", no date, the value -1.
        EXPECT_TRUE(line(1).freading_is_first);
        EXPECT_EQ(-1, line(1).freading_this);
        EXPECT_NE(std::string::npos, painted().find("First Reading"));
        EXPECT_NE(std::string::npos, painted().find("\"-00000001\""));
    }
}

TEST_F(EnterCpunitReadingsPage, a_site_without_units_shows_no_lines_and_f2_just_leaves) {
    const int32_t site = new_site({});
    tpage& p = open(site);
    EXPECT_EQ(0, p.flist_lines.get_count());
    EXPECT_EQ(0, p.grid().rowcount);
    key(tvk::tab);
    key(tvk::tab);
    key(tvk::f2);
    EXPECT_EQ(1, fcontroller->get_pageno());
}

TEST_F(EnterCpunitReadingsPage, a_unit_name_longer_than_ten_characters_loads) {
    const int32_t site = new_site({"Warehouse North 12"});
    tpage& p = open(site);
    ASSERT_EQ(2, p.flist_lines.get_count());
    EXPECT_EQ(u"Warehouse North 12", line(0).fname_unit);
}

TEST_F(EnterCpunitReadingsPage, two_units_of_the_same_name_keep_lines_of_their_own) {
    const int32_t site = new_site({"Bay", "BAY"});
    tpage& p = open(site);
    EXPECT_EQ(4, p.flist_lines.get_count());
}

TEST_F(EnterCpunitReadingsPage, readings_typed_and_saved_land_with_their_recno_date_and_unbilled) {
    const int32_t site = new_site({"R1"});
    const int32_t unit = unit_of(site);
    const int32_t d1 = tprocs_daycount::encode(2026, 3, 1), d2 = tprocs_daycount::encode(2026, 4, 1);
    // Water: a pending reading to correct. Power: the newest reading billed, so a new one.
    reading(unit, 1, d1, 500, 1);
    reading(unit, 1, d2, 560, 0);
    reading(unit, 2, d1, 7000, 1);
    const int64_t pending = number("SELECT recno FROM cp_unit_reading WHERE id_unit = " + std::to_string(unit) +
                                   " AND bill_type = 1 AND billed = 0");
    tpage& p = open(site);
    enter_row(0);
    ASSERT_EQ(tpage::tag_grid, p.ffocused_tag);
    ASSERT_EQ(0, p.grid().row);
    type("575");
    key(tvk::tab);
    ASSERT_EQ(1, p.grid().row);
    EXPECT_EQ(575, line(0).freading_this);
    EXPECT_EQ(today(), line(0).freading_this_date);
    EXPECT_TRUE(p.fmodified);
    type("7450");
    key(tvk::f2);
    EXPECT_EQ(1, fcontroller->get_pageno());
    const std::string u = std::to_string(unit);
    EXPECT_EQ(2, count("cp_unit_reading WHERE bill_type = 1 AND id_unit = " + u));
    EXPECT_EQ(575, number("SELECT reading FROM cp_unit_reading WHERE id_unit = " + u + " AND bill_type = 1 AND recno = " +
                          std::to_string(pending)));
    EXPECT_EQ(today(), number("SELECT date_read FROM cp_unit_reading WHERE id_unit = " + u +
                              " AND bill_type = 1 AND recno = " + std::to_string(pending)));
    ASSERT_EQ(2, count("cp_unit_reading WHERE bill_type = 2 AND id_unit = " + u));
    const std::string fresh = " FROM cp_unit_reading WHERE id_unit = " + u + " AND bill_type = 2 AND reading = 7450";
    EXPECT_EQ(1, number("SELECT COUNT(*)" + fresh));
    EXPECT_EQ(today(), number("SELECT date_read" + fresh));
    EXPECT_EQ(0, number("SELECT billed" + fresh));
    EXPECT_GT(number("SELECT recno" + fresh),
              number("SELECT recno FROM cp_unit_reading WHERE id_unit = " + u + " AND bill_type = 2 AND billed = 1"));
}

TEST_F(EnterCpunitReadingsPage, a_value_changed_and_restored_writes_nothing_but_keeps_its_date_stamp) {
    const int32_t site = new_site({"R2"});
    const int32_t unit = unit_of(site);
    reading(unit, 1, tprocs_daycount::encode(2026, 3, 1), 500, 1);
    reading(unit, 1, tprocs_daycount::encode(2026, 4, 1), 560, 0);
    tpage& p = open(site);
    enter_row(0);
    type("999");
    key(tvk::tab);
    key(tvk::tab, ss_shift);
    ASSERT_EQ(0, p.grid().row);
    type("560");
    key(tvk::tab);
    EXPECT_EQ(560, line(0).freading_this);
    EXPECT_EQ(today(), line(0).freading_this_date);
    key(tvk::f2);
    EXPECT_EQ(1, fcontroller->get_pageno());
    EXPECT_EQ(tprocs_daycount::encode(2026, 4, 1),
              number("SELECT date_read FROM cp_unit_reading WHERE billed = 0 AND id_unit = " + std::to_string(unit)));
    EXPECT_EQ(2, count("cp_unit_reading WHERE id_unit = " + std::to_string(unit)));
}

TEST_F(EnterCpunitReadingsPage, a_save_that_fails_on_a_later_line_writes_the_earlier_one_only_once) {
    // How many database points one reading's write passes.
    const int32_t probe = new_site({"P1"});
    open(probe);
    enter_row(0);
    type("10");
    tfault_injection::arm(0);
    key(tvk::f2);
    const int64_t points = tfault_injection::count();
    tfault_injection::disarm();
    ASSERT_GT(points, 0);

    const int32_t site = new_site({"P2"});
    const std::string u = std::to_string(unit_of(site));
    open(site);
    enter_row(0);
    type("11");
    key(tvk::tab);
    type("22");
    tfault_injection::arm(points + 1);
    EXPECT_NE("(no exception)", message_of([&] { key(tvk::f2); }));
    EXPECT_TRUE(tfault_injection::fired());
    tfault_injection::disarm();
    EXPECT_EQ(21, fcontroller->get_pageno());
    EXPECT_EQ(1, count("cp_unit_reading WHERE bill_type = 1 AND id_unit = " + u));
    EXPECT_EQ(0, count("cp_unit_reading WHERE bill_type = 2 AND id_unit = " + u));
    key(tvk::f2);
    EXPECT_EQ(1, fcontroller->get_pageno());
    EXPECT_EQ(1, count("cp_unit_reading WHERE bill_type = 1 AND id_unit = " + u));
    EXPECT_EQ(22, number("SELECT reading FROM cp_unit_reading WHERE bill_type = 2 AND id_unit = " + u));
}

TEST_F(EnterCpunitReadingsPage, esc_leaves_without_saving_and_the_focus_moves_through_the_grid) {
    const int32_t site = new_site({"R3", "R4"});
    tpage& p = open(site);
    ASSERT_EQ(4, p.flist_lines.get_count());
    // Shift+Tab from the first row leaves the grid backwards; Ctrl+Home returns to the date.
    enter_row(3);
    EXPECT_EQ(3, p.grid().row);
    key(tvk::home, ss_ctrl);
    EXPECT_EQ(tpage::tag_edit_date, p.ffocused_tag);
    enter_row(0);
    key(tvk::tab, ss_shift);
    EXPECT_EQ(tpage::tag_edit_date, p.ffocused_tag);
    enter_row(0);
    type("12");
    key(tvk::escape);
    EXPECT_EQ(1, fcontroller->get_pageno());
    EXPECT_EQ(0, count("cp_unit_reading r JOIN cp_unit u ON u.id = r.id_unit WHERE u.id_site = " + std::to_string(site)));
}

}  // namespace
