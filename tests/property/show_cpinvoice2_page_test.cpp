// The unit invoice (page 32) over a copy of the demo database: what it shows, posting (the
// invoice, its lines and data records, and the readings it billed, stored together or not at
// all), the second F2, and a refused post.
#include <gtest/gtest.h>

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "database/fault_injection.h"
#include "procs/message_format.h"
#include "invoice_pages_support.h"
#include "property/handlermodule_list_cpinvoicing2.h"
#include "property/handlermodule_show_cpinvoice2.h"

namespace {

class ShowCpinvoice2Page : public tinvoice_page_test {
protected:
    void SetUp() override {
        tinvoice_page_test::SetUp();
        if (HasFatalFailure()) return;
        // Demo templates 1 (water and wastewater, GST added) and 2 (electricity, GST added).
        set_billable_readings(funit);
    }
    void open_invoice() { tinvoice_page_test::open_invoice(funit); }
    Thandlermodule_show_cpinvoice2& page() { return main_page<Thandlermodule_show_cpinvoice2>(); }
    std::u16string label(int32_t atag) {
        return dynamic_cast<tvelmor_label&>(*page().fcontrols->get_control(atag)).caption;
    }
    // What a post writes, as one text: a failed post must leave it as it was.
    std::string stored() {
        return std::to_string(number("SELECT COUNT(*) FROM invoice")) + "/" +
               std::to_string(number("SELECT COUNT(*) FROM invoice_billitem")) + "/" +
               std::to_string(number("SELECT COUNT(*) FROM invoice_data")) + "/" +
               std::to_string(number("SELECT COUNT(*) FROM cp_unit_reading WHERE billed = 1 AND id_unit = " +
                                     std::to_string(funit)));
    }
};

TEST_F(ShowCpinvoice2Page, shows_the_unit_and_both_sections_from_its_templates) {
    open_invoice();
    EXPECT_EQ(Tdatamodule_cp_site::lookup_account_name(
                  static_cast<int32_t>(number("SELECT account FROM cp_unit WHERE id = " + std::to_string(funit)))),
              label(Thandlermodule_show_cpinvoice2::tag_label_account));
    EXPECT_EQ(u"Harbourside Business Park, 12 Quay Street, Auckland", label(Thandlermodule_show_cpinvoice2::tag_label_site));
    EXPECT_EQ(u"G01", label(Thandlermodule_show_cpinvoice2::tag_label_unit));
    EXPECT_EQ(u"27 Days, 300 Units", label(Thandlermodule_show_cpinvoice2::tag_label_water));
    EXPECT_EQ(u"24 Days, 900 Units", label(Thandlermodule_show_cpinvoice2::tag_label_power));

    const std::vector<tline_invoice>& lines = page().flines_invoice;
    ASSERT_EQ(14u, lines.size());
    EXPECT_EQ(14, page().grid().rowcount);
    EXPECT_EQ(u"Water; Harbour City Utilities", lines[0].fdescription);
    // Water supply at ratio 1: 300 m³ at 2.85; wastewater at ratio 0.75: 225 m³ at 1.925.
    EXPECT_EQ(u"Water supply; Services", lines[1].fdescription);
    EXPECT_EQ(85500000000, lines[1].fline_total2);
    EXPECT_EQ(43313000000, lines[2].fline_total2);
    EXPECT_EQ(u"Plus GST", lines[4].fdescription);
    EXPECT_EQ(u"SUBTOTAL; Water", lines[5].fdescription);
    EXPECT_EQ(u"Power; Harbour City Utilities", lines[7].fdescription);
    // Day-rate electricity at ratio 1: 900 kWh at 0.2875.
    EXPECT_EQ(25875000000, lines[8].fline_total2);
    EXPECT_EQ(u"SUBTOTAL; Power", lines[12].fdescription);

    // The grid's rows show the same figures.
    EXPECT_TRUE(drawn("\"Water supply; Services\""));
    EXPECT_TRUE(drawn("\"855.00\""));
    EXPECT_TRUE(drawn("\"SUBTOTAL; Water\""));
}

TEST_F(ShowCpinvoice2Page, posting_stores_the_invoice_with_its_account_gst_lines_and_billed_readings_then_leaves) {
    open(Thandlermodule_list_cpinvoicing2::pageno);
    auto& list = main_page<Thandlermodule_list_cpinvoicing2>();
    int32_t row = 0;
    while (row < list.line_count() && list.flist_lines[static_cast<size_t>(row)].fid_unit != funit) ++row;
    ASSERT_LT(row, list.line_count());
    list.grid().row = row;
    press(tvk::enter);
    const std::vector<tline_invoice> lines = page().flines_invoice;
    const int64_t gst = tinvoice_cpunit::total_gst(lines);
    const int64_t invoices = number("SELECT COUNT(*) FROM invoice");

    // F2, and F2 again before the page has left: one invoice.
    fcontroller->handle_keydown(tvk::f2, 0, false);
    fcontroller->handle_keydown(tvk::f2, 0, true);
    fcontroller->handle_keydown(tvk::f2, 0, false);
    fcontroller->handle_keydown(tvk::f2, 0, true);
    EXPECT_EQ(invoices + 1, number("SELECT COUNT(*) FROM invoice"));
    const int32_t invoice = page().finvoice_no;
    ASSERT_GT(invoice, 0);
    const std::string where = " WHERE id = " + std::to_string(invoice);
    EXPECT_EQ(number("SELECT account FROM cp_unit WHERE id = " + std::to_string(funit)),
              number("SELECT account FROM invoice" + where));
    EXPECT_EQ(gst / 10000, number("SELECT CAST( gst * 10000 AS BIGINT ) FROM invoice" + where));
    int64_t items = 0, total = 0;
    for (const tline_invoice& l : lines)
        if (l.fline_type == lt_item) ++items, total += l.fline_total;
    // The total in ten-thousandths, rounded.
    EXPECT_EQ((total + 5000) / 10000, number("SELECT CAST( total * 10000 AS BIGINT ) FROM invoice" + where));
    const std::string of_invoice = " WHERE invoice = " + std::to_string(invoice);
    EXPECT_EQ(items, number("SELECT COUNT(*) FROM invoice_billitem" + of_invoice));
    EXPECT_EQ(2, number("SELECT COUNT(*) FROM invoice_data" + of_invoice));
    EXPECT_EQ(0, number("SELECT COUNT(*) FROM cp_unit_reading WHERE billed = 0 AND id_unit = " + std::to_string(funit)));

    // Back on the run list, built afresh: the unit has nothing left to bill.
    run_queue();
    auto& again = main_page<Thandlermodule_list_cpinvoicing2>();
    for (const auto& line : again.flist_lines) EXPECT_NE(funit, line.fid_unit);
}

TEST_F(ShowCpinvoice2Page, a_post_failed_at_any_statement_leaves_invoice_lines_data_and_readings_unchanged) {
    open_invoice();
    const std::string before = stored();
    int64_t n = 1;
    for (;; ++n) {
        SCOPED_TRACE("fault at point " + std::to_string(n));
        tfault_injection::arm(n);
        const std::string message = message_of([&] { page().post_invoice(); });
        const bool fired = tfault_injection::fired();
        tfault_injection::disarm();
        if (!fired) {
            EXPECT_EQ("(no exception)", message);
            break;
        }
        EXPECT_NE("(no exception)", message);
        EXPECT_EQ(before, stored());
        EXPECT_FALSE(page().fposted);
    }
    // The readings' load, the invoice, six lines, two data records, two readings and the commit.
    EXPECT_GT(n, 12);
    EXPECT_NE(before, stored());
}

TEST_F(ShowCpinvoice2Page, a_post_is_refused_when_there_is_nothing_to_bill_or_the_readings_changed) {
    open_invoice();
    const std::string before = stored();
    // Another post (or hand) billed the water reading after the invoice was shown.
    execute("UPDATE cp_unit_reading SET billed = 1 WHERE id_unit = " + std::to_string(funit));
    EXPECT_EQ("The readings of unit G01 have changed since the invoice was shown; open it again.",
              message_of([&] { page().post_invoice(); }));
    EXPECT_FALSE(page().fposted);

    set_readings(funit, {});
    open_invoice();
    const std::string empty = stored();
    EXPECT_EQ(u"No Records", label(Thandlermodule_show_cpinvoice2::tag_label_water));
    EXPECT_EQ("Unit G01 has no readings to invoice.", message_of([&] { page().post_invoice(); }));
    EXPECT_EQ(empty, stored());
    (void)before;
}

TEST_F(ShowCpinvoice2Page, long_unit_names_suppliers_and_descriptions_are_shown_whole) {
    const std::string unit(60, 'U'), supplier(100, 'S'), description(200, 'D');
    execute("UPDATE cp_unit SET name = '" + unit + "' WHERE id = " + std::to_string(funit));
    execute("UPDATE cp_invoice SET supplier = '" + supplier + "' WHERE id = 1");
    execute("UPDATE bill_item SET description = '" + description + "', group1 = '' WHERE id = 1");
    open_invoice();
    EXPECT_EQ(utf8_to_utf16(unit), label(Thandlermodule_show_cpinvoice2::tag_label_unit));
    EXPECT_EQ(u"Water; " + utf8_to_utf16(supplier), page().flines_invoice[0].fdescription);
    EXPECT_EQ(utf8_to_utf16(description), page().flines_invoice[1].fdescription);
}

TEST_F(ShowCpinvoice2Page, missing_parameters_are_reported) {
    open(1);
    EXPECT_EQ("Unassigned params in Thandlermodule_show_cpinvoice2.run_task();", message_of([&] {
                  fcontroller->page_enter(Thandlermodule_show_cpinvoice2::pageno, false);
                  fcontroller->handle_resize(ht_main, false);
              }));
}

}  // namespace
