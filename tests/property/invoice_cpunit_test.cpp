// The unit invoice's figures: quantities by type, the days-per-annum rule in common and leap
// years, GST inclusive and exclusive, cents rounding, and the sections built from the templates.
#include <gtest/gtest.h>

#include "procs/procs_daycount.h"
#include "property/invoice_cpunit.h"
#include "property/invoice_cpunit_draw.h"

namespace {

constexpr int64_t one = tinvoice_cpunit::one;

tinvoice_meter billable(int32_t adays, int64_t aunits, int32_t adate) { return {2, adate, adays, aunits}; }

tline_template template_line(int32_t aid, int16_t alineno, int16_t atype, int64_t aprice, int64_t aratio = 0) {
    tline_template line;
    line.fid = aid;
    line.flineno = alineno;
    line.fbill_item = 10 + alineno;
    line.fdescription = u"Item " + std::u16string(1, static_cast<char16_t>(u'0' + alineno));
    line.fbill_qty_type = atype;
    line.fbill_qty_ratio = aratio;
    line.fprice = aprice;
    return line;
}

TEST(InvoiceCpunit, item_lines_by_quantity_type) {
    const int32_t common = tprocs_daycount::encode(2026, 6, 30), leap = tprocs_daycount::encode(2028, 6, 30);
    struct tcase {
        const char* name;
        int16_t type;
        int64_t price;
        int64_t ratio;
        tinvoice_meter meter;
        int64_t qty;
        int64_t total2;
    };
    const tcase cases[] = {
        {"metered 50 units at 2.5", 0, 250000000, 0, billable(30, 50, common), 50 * one, 12500000000},
        {"ratio 0.5 of 50 units at 2.5", 1, 250000000, 50000000, billable(30, 50, common), 25 * one, 6250000000},
        {"days 30 at 1.15", 2, 115000000, 0, billable(30, 50, common), 30 * one, 3450000000},
        {"days per annum 30 at 365, common year", 3, 365 * one, 0, billable(30, 50, common), 30 * one, 3000000000},
        {"days per annum 30 at 365, leap year", 3, 365 * one, 0, billable(30, 50, leap), 30 * one, 2992000000},
        {"a quantity type outside 0 ... 3", 4, 250000000, 0, billable(30, 50, common), 0, 0},
        {"a first reading bills nothing", 0, 250000000, 0, {1, common, 0, 12345}, 0, 0},
        {"a meter without readings bills nothing", 2, 250000000, 0, {0, 0, 31, 7}, 0, 0},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        const tline_invoice line = tinvoice_cpunit::item_line(template_line(1, 1, c.type, c.price, c.ratio), c.meter, 3);
        EXPECT_EQ(c.qty, line.fqty);
        EXPECT_EQ(c.total2, line.fline_total2);
        EXPECT_EQ(lt_item, line.fline_type);
        EXPECT_EQ(3, line.flineno);
    }
    EXPECT_EQ(u"??", tinvoice_cpunit::qty_type_caption(4));
    EXPECT_EQ(u"Days per Annum Qty", tinvoice_cpunit::qty_type_caption(3));
}

TEST(InvoiceCpunit, cents_rounding_and_gst) {
    struct tround {
        int64_t value, rounded;
    };
    for (const tround& r : {tround{499999, 0}, tround{500000, 1000000}, tround{100499999, 100000000},
                            tround{100500000, 101000000}, tround{-100500000, -100000000}, tround{-100999999, -100000000}}) {
        SCOPED_TRACE(r.value);
        EXPECT_EQ(r.rounded, tinvoice_cpunit::round_cents(r.value));
    }
    EXPECT_EQ(1500000000, tinvoice_cpunit::gst_of(11500000000, true));
    EXPECT_EQ(1725000000, tinvoice_cpunit::gst_of(11500000000, false));
    EXPECT_EQ(0, tinvoice_cpunit::gst_of(0, true));
    // 10.00 inclusive: 10 / 1.15 = 8.695652..., 8.70 without GST, so GST 1.30.
    EXPECT_EQ(130000000, tinvoice_cpunit::gst_of(1000000000, true));

    // A section of 115.00: inclusive shows GST 15.00 and subtotal 115.00, exclusive 17.25 and 132.25.
    for (const bool inclusive : {true, false}) {
        SCOPED_TRACE(inclusive);
        tinvoice_unit unit;
        unit.fcpinvoice1 = unit.fcpinvoice2 = 1;
        unit.fcpinvoice_gst_inclusive[0] = inclusive;
        unit.fmeters[0] = billable(30, 100, tprocs_daycount::encode(2026, 3, 1));
        const std::vector<tline_invoice> lines = tinvoice_cpunit::build_lines(unit, {template_line(1, 1, 0, 115000000)});
        EXPECT_EQ(inclusive ? u"Including GST" : u"Plus GST", lines[2].fdescription);
        EXPECT_EQ(inclusive ? 1500000000 : 1725000000, lines[2].fline_total2);
        EXPECT_EQ(inclusive ? 11500000000 : 13225000000, lines[3].fline_total2);
    }
}

TEST(InvoiceCpunit, sections_of_two_templates_and_of_one_template_for_both_meters) {
    const int32_t date = tprocs_daycount::encode(2026, 11, 28);
    tinvoice_unit unit;
    unit.fcpinvoice1 = 7;
    unit.fcpinvoice2 = 3;
    unit.fsupplier_water = u"Harbour Water";
    unit.fsupplier_power = u"Harbour Power";
    unit.fcpinvoice_gst_inclusive[0] = false;
    unit.fcpinvoice_gst_inclusive[1] = true;
    unit.fmeters[0] = billable(30, 40, date);
    unit.fmeters[1] = billable(30, 100, date);
    // Out of order, as the database may give them.
    const std::vector<tline_template> lines = {template_line(3, 1, 0, 115000000), template_line(7, 2, 0, one),
                                               template_line(7, 1, 2, one)};
    const std::vector<tline_invoice> invoice = tinvoice_cpunit::build_lines(unit, lines);
    std::vector<std::u16string> descriptions;
    for (const tline_invoice& l : invoice) descriptions.push_back(l.fdescription);
    const std::vector<std::u16string> expected = {u"Water; Harbour Water", u"Item 1", u"Item 2", u"Plus GST",
                                                  u"SUBTOTAL; Water",      u"",       u"Power; Harbour Power",
                                                  u"Item 1",               u"Including GST", u"SUBTOTAL; Power", u""};
    EXPECT_EQ(expected, descriptions);
    // Water: 30 days at 1 and 40 units at 1 = 70.00, plus 10.50 GST. Power: 100 units at 1.15.
    EXPECT_EQ(3000000000, invoice[1].fline_total2);
    EXPECT_EQ(4000000000, invoice[2].fline_total2);
    EXPECT_EQ(1050000000, invoice[3].fline_total2);
    EXPECT_EQ(8050000000, invoice[4].fline_total2);
    EXPECT_EQ(1500000000, invoice[8].fline_total2);
    EXPECT_EQ(11500000000, invoice[9].fline_total2);
    EXPECT_EQ(2550000000, tinvoice_cpunit::total_gst(invoice));
    EXPECT_EQ(19550000000, tinvoice_cpunit::total_due(invoice));
    // Items are numbered by their place in the template lines plus two; the others by the count.
    EXPECT_EQ((std::vector<int16_t>{1, 2, 3, 4, 5, 6, 7, 4, 9, 10, 11}), [&] {
        std::vector<int16_t> numbers;
        for (const tline_invoice& l : invoice) numbers.push_back(l.flineno);
        return numbers;
    }());

    // One template for both meters: its lines in both sections, each with its own meter.
    unit.fcpinvoice2 = 7;
    const std::vector<tline_invoice> same = tinvoice_cpunit::build_lines(unit, {lines[1], lines[2]});
    ASSERT_EQ(12u, same.size());
    EXPECT_EQ(u"Item 2", same[2].fdescription);
    EXPECT_EQ(40 * one, same[2].fqty);
    EXPECT_EQ(u"Item 2", same[8].fdescription);
    EXPECT_EQ(100 * one, same[8].fqty);
    EXPECT_EQ(same[2].flineno, same[8].flineno);
}

TEST(InvoiceCpunit, a_template_without_lines_leaves_its_section_empty) {
    tinvoice_unit unit;
    unit.fcpinvoice1 = 1;
    unit.fcpinvoice2 = 2;
    unit.fmeters[0] = unit.fmeters[1] = billable(30, 10, tprocs_daycount::encode(2026, 3, 1));
    const std::vector<tline_invoice> invoice = tinvoice_cpunit::build_lines(unit, {template_line(2, 1, 0, one)});
    ASSERT_EQ(9u, invoice.size());
    EXPECT_EQ(lt_total, invoice[1].fline_type);
    EXPECT_EQ(0, invoice[2].fline_total2);
    EXPECT_EQ(u"Item 1", invoice[5].fdescription);
}

TEST(InvoiceCpunit, texts_of_the_figures) {
    EXPECT_EQ(u"1,234.50", tinvoice_cpunit_draw::money(123450000000));
    EXPECT_EQ(u"0.00", tinvoice_cpunit_draw::money(0));
    EXPECT_EQ(u"0.2875", tinvoice_cpunit_draw::price(28750000));
    EXPECT_EQ(u"2.50", tinvoice_cpunit_draw::price(250000000));
    EXPECT_EQ(u"37.5", tinvoice_cpunit_draw::quantity(3750000000));
    EXPECT_EQ(u"-3", tinvoice_cpunit_draw::quantity(-300000000));
    const int32_t date = tprocs_daycount::encode(2026, 11, 28);
    EXPECT_EQ(u"No Records", tinvoice_cpunit_draw::meter_text({0, 0, 0, 0}));
    EXPECT_EQ(u"FIRST READING: 28/11/2026, 1500", tinvoice_cpunit_draw::meter_text({1, date, 0, 1500}));
    EXPECT_EQ(u"30 Days, 300 Units", tinvoice_cpunit_draw::meter_text({2, date, 30, 300}));
    EXPECT_EQ("Invalid Water Status[3] in thandlermodule_show_cpinvoice2.run_task();", [] {
        try {
            tinvoice_cpunit_draw::meter_text({3, 0, 0, 0});
        } catch (const std::exception& e) {
            return std::string(e.what());
        }
        return std::string();
    }());
}

}  // namespace
