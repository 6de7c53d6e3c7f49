// The invoicing run lists over a copy of the demo database: the units with their five-line rows
// and status texts (page 26), the accounts (page 22), and the pages Enter opens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "controls/grid_controls.h"
#include "controls/theme.h"
#include "controls/key_codes.h"
#include "invoice_pages_support.h"
#include "property/handlermodule_list_cpinvoicing.h"
#include "property/handlermodule_list_cpinvoicing2.h"
#include "property/handlermodule_show_cpinvoice.h"
#include "property/handlermodule_show_cpinvoice2.h"

namespace {

class ListCpinvoicingPages : public tinvoice_page_test {
protected:
    using tline = Thandlermodule_list_cpinvoicing2::trecord_unit;
    Thandlermodule_list_cpinvoicing2& units() { return main_page<Thandlermodule_list_cpinvoicing2>(); }
    const tline& line_of(int32_t aunit) {
        for (const tline& line : units().flist_lines)
            if (line.fid_unit == aunit) return line;
        throw std::runtime_error("unit " + std::to_string(aunit) + " is not listed");
    }
    // The colour the last fill since the canvas was cleared left at a point (-1: none covers it).
    tcolor colour_at(int32_t ax, int32_t ay) {
        tcolor brush = color_white, at = static_cast<tcolor>(-1);
        for (const std::string& line : surface(ht_main).fcanvas.lines()) {
            unsigned long colour = 0;
            int32_t l = 0, t = 0, r = 0, b = 0;
            if (std::sscanf(line.c_str(), "brush_color %lu", &colour) == 1) brush = static_cast<tcolor>(colour);
            if (std::sscanf(line.c_str(), "fill_rect %d %d %d %d", &l, &t, &r, &b) == 4 && ax >= l && ax < r &&
                ay >= t && ay < b)
                at = brush;
        }
        return at;
    }
    int32_t row_of(int32_t aunit) {
        const auto& lines = units().flist_lines;
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i].fid_unit == aunit) return static_cast<int32_t>(i);
        return -1;
    }
};

TEST_F(ListCpinvoicingPages, unit_rows_show_each_meters_status) {
    const int32_t second = funit + 1, third = funit + 2, fourth = funit + 3;
    // First readings on both meters.
    set_readings(funit, {{1, 10, 1500, false}, {2, 12, 50900, false}});
    // Water billable, power without readings.
    set_readings(second, {{1, 1, 1200, true}, {1, 28, 1500, false}});
    // Newest water reading billed while a power reading waits: the rule gives no row at all.
    set_readings(third, {{1, 1, 1200, false}, {1, 28, 1500, true}, {2, 27, 50900, false}});
    // Nothing unbilled: not listed.
    set_readings(fourth, {{1, 1, 1200, true}, {2, 1, 50900, true}});
    open(Thandlermodule_list_cpinvoicing2::pageno);
    auto& page = units();
    EXPECT_EQ(page.line_count(), page.grid().rowcount);
    EXPECT_EQ(number("SELECT COUNT( DISTINCT id_unit ) FROM cp_unit_reading INNER JOIN cp_unit ON cp_unit.id = "
                     "cp_unit_reading.id_unit WHERE billed = 0"),
              page.line_count());
    EXPECT_EQ(-1, row_of(fourth));
    struct tcase {
        int32_t unit;
        const char16_t* water;
        const char16_t* power;
    };
    for (const tcase& c : {tcase{funit, u"First Reading 10/11/2026 1500", u"First Reading 12/11/2026 50900"},
                           tcase{second, u"Billable 27 Days, 300 Units", u"No Records"},
                           tcase{third, u"No Records", u"No Records"}}) {
        SCOPED_TRACE(c.unit);
        EXPECT_EQ(c.water, page.get_caption_billline(line_of(c.unit), 0));
        EXPECT_EQ(c.power, page.get_caption_billline(line_of(c.unit), 1));
    }
    const tline& first = line_of(funit);
    EXPECT_EQ(u"G01", first.fname_unit);
    EXPECT_EQ(u"Harbourside Business Park, 12 Quay Street, Auckland", first.fname_site);
    EXPECT_FALSE(first.fname_account.empty());
    // The rows drawn: captions and values, five lines each.
    EXPECT_TRUE(drawn("\"Account:\""));
    EXPECT_TRUE(drawn("\"Billable 27 Days, 300 Units\""));

    tline wrong = first;
    wrong.fstatus_reading[1] = 3;
    EXPECT_EQ("Invalid Status Reading[3] in Thandlermodule_list_cpinvoicing2.get_caption_billline();",
              message_of([&] { page.get_caption_billline(wrong, 1); }));
}

TEST_F(ListCpinvoicingPages, the_site_line_is_cut_at_120_characters_and_empty_parts_add_no_separator) {
    const std::string a(100, 'A'), b(100, 'B');
    execute("INSERT INTO cp_site ( id, address1, address2, address3, address4, pics ) VALUES ( 900001, '" + a + "', '" +
            b + "', 'C', 'D', 0 )");
    execute("INSERT INTO cp_site ( id, address1, address2, address3, address4, pics ) VALUES ( 900002, '', 'Quay', '', "
            "'Nelson', 0 )");
    execute("UPDATE cp_unit SET id_site = 900001 WHERE id = " + std::to_string(funit));
    execute("UPDATE cp_unit SET id_site = 900002 WHERE id = " + std::to_string(funit + 1));
    open(Thandlermodule_list_cpinvoicing2::pageno);
    const std::u16string cut = line_of(funit).fname_site;
    EXPECT_EQ(120u, cut.size());
    EXPECT_EQ(std::u16string(100, u'A') + u", " + std::u16string(18, u'B'), cut);
    EXPECT_EQ(u"Quay, Nelson", line_of(funit + 1).fname_site);
}

// Ctrl+End shows the last unit's page, whose slots below the last unit hold no row: what the
// user sees there is the page background, drawn by the real grid renderer.
TEST_F(ListCpinvoicingPages, the_slots_below_the_last_unit_show_the_page_background) {
    open(Thandlermodule_list_cpinvoicing2::pageno);
    const int32_t visible = units().grid().row_count_visible;
    ASSERT_GT(visible, 1);
    // One unit more than whole pages: the last page holds it alone. Units leave the list as
    // their readings are billed.
    for (int32_t n = units().line_count(); n % visible != 1; --n)
        execute("UPDATE cp_unit_reading SET billed = 1 WHERE id_unit = ( SELECT MAX( id_unit ) FROM cp_unit_reading "
                "WHERE billed = 0 )");
    open(Thandlermodule_list_cpinvoicing2::pageno);
    auto& page = units();
    auto* theme = dynamic_cast<tvelmor_theme_grid_brief*>(page.fcontrols->get_theme_by_tag(902));
    ASSERT_NE(nullptr, theme);
    theme->classrender = fsaved_grid_renderers[classrender_grid_standard];
    tvelmor_grid& g = page.grid();
    ASSERT_EQ(1, page.line_count() % g.row_count_visible);
    surface(ht_main).fcanvas.clear();
    press(tvk::end, ss_ctrl);
    ASSERT_EQ(page.line_count() - 1, g.row_top);
    trect r;
    page.fcontrols->get_viewport(Thandlermodule_list_cpinvoicing2::tag_grid, r);
    const int32_t x = (r.left + r.right) / 2;
    // The last unit's account line in the first slot, the empty slots below it.
    EXPECT_EQ(color_white, colour_at(x, r.top + 60));
    for (int32_t y : {r.top + 130, (r.top + r.bottom) / 2, r.bottom - 5}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(color_page_background, colour_at(x, y));
    }
}

TEST_F(ListCpinvoicingPages, a_deleted_units_waiting_readings_make_no_row) {
    set_readings(funit + 1, {{1, 1, 1200, true}, {1, 28, 1500, false}});
    execute("DELETE FROM cp_unit WHERE id = " + std::to_string(funit + 1));
    open(Thandlermodule_list_cpinvoicing2::pageno);
    EXPECT_EQ(-1, row_of(funit + 1));
    for (const tline& line : units().flist_lines) {
        SCOPED_TRACE(line.fid_unit);
        EXPECT_EQ(number("SELECT account FROM cp_unit WHERE id = " + std::to_string(line.fid_unit)), line.fid_account);
        EXPECT_FALSE(line.fname_unit.empty());
    }
}

TEST_F(ListCpinvoicingPages, enter_opens_the_unit_invoice_and_the_account_readings) {
    open(Thandlermodule_list_cpinvoicing2::pageno);
    const int32_t row = row_of(funit);
    ASSERT_GE(row, 0);
    units().grid().row = row;
    press(tvk::enter);
    EXPECT_EQ(Thandlermodule_show_cpinvoice2::pageno, fcontroller->get_pageno());
    EXPECT_EQ(funit, main_page<Thandlermodule_show_cpinvoice2>().fid_unit);
    // Esc goes back to the list, built again.
    press(tvk::escape);
    EXPECT_EQ(Thandlermodule_list_cpinvoicing2::pageno, fcontroller->get_pageno());
    EXPECT_GE(row_of(funit), 0);

    open(Thandlermodule_list_cpinvoicing::pageno);
    auto& accounts = main_page<Thandlermodule_list_cpinvoicing>();
    EXPECT_EQ(number("SELECT COUNT( DISTINCT cp_unit.account ) FROM cp_unit_reading INNER JOIN cp_unit ON "
                     "cp_unit_reading.id_unit = cp_unit.id INNER JOIN account ON cp_unit.account = account.id "
                     "WHERE cp_unit_reading.billed <> 1"),
              accounts.line_count());
    ASSERT_GT(accounts.line_count(), 1);
    accounts.grid().row = 1;
    const int32_t account = accounts.flist_lines[1].faccount;
    const std::string id = std::to_string(account);
    EXPECT_TRUE(std::any_of(fgrid_renderer.fcells.begin(), fgrid_renderer.fcells.end(),
                            [&](const tpainted_cell& c) { return c.text == id && c.col == 0 && c.row == 1; }));
    press(tvk::enter);
    EXPECT_EQ(Thandlermodule_show_cpinvoice::pageno, fcontroller->get_pageno());
    EXPECT_EQ(account, main_page<Thandlermodule_show_cpinvoice>().fid_account);
}

}  // namespace
