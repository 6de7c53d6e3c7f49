// The invoice of one unit: its two meters' billable quantities applied to the lines of its water
// and power templates, with GST and a subtotal per section. Pure computation over plain records,
// so that the unit invoice page, its PDF and the tests share one set of figures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One meter of the unit as the billable-quantity rule gave it: status 0 no readings, 1 a first
// reading only, 2 billable (days and units between the newest reading and the last billed one).
struct tinvoice_meter {
    int16_t fstatus = 0;
    int32_t fdate_this_reading = 0;
    int32_t fdays = 0;
    int64_t funits = 0;
};

// The unit with its account, site, templates and meters (index 0 water, 1 power).
struct tinvoice_unit {
    int32_t funit1 = 0;
    std::u16string funit2;
    int32_t faccount = 0;
    std::u16string faccount1;
    std::u16string fsite1;
    int32_t fcpinvoice1 = 0;
    int32_t fcpinvoice2 = 0;
    std::u16string fsupplier_water;
    std::u16string fsupplier_power;
    bool fcpinvoice_gst_inclusive[2] = {false, false};
    tinvoice_meter fmeters[2];
};

// A template line joined with its bill item. Ratio and price carry eight decimals.
struct tline_template {
    int32_t fid = 0;
    int16_t flineno = 0;
    int32_t fbill_item = 0;
    std::u16string fdescription;
    std::u16string fgroup1;
    std::u16string fdenote_units_qty;
    std::u16string fdenote_units_price;
    int16_t fbill_qty_type = 0;
    int64_t fbill_qty_ratio = 0;
    int64_t fprice = 0;
};

enum tinvoice_line_type : int16_t { lt_item = 1, lt_heading = 2, lt_total = 3 };

// One line of the invoice. Quantity, price and totals carry eight decimals; fline_total2 is
// fline_total rounded to cents. Heading and spacer lines hold only a description, total lines a
// description and fline_total2.
struct tline_invoice {
    int16_t flineno = 0;
    int16_t fline_type = lt_heading;
    std::u16string fdescription;
    int32_t fbill_item = 0;
    int64_t fqty = 0;
    double fqty_price = 0;
    int16_t fbill_qty_type = 0;
    int64_t fprice = 0;
    std::u16string fdenote_units_qty;
    std::u16string fdenote_units_price;
    int64_t fline_total = 0;
    int64_t fline_total2 = 0;
    // Total lines: which one (a GST line or a subtotal).
    bool fis_gst = false;
};

class tinvoice_cpunit {
public:
    static constexpr const char* class_name() { return "tinvoice_cpunit"; }
    static constexpr int64_t one = 100000000;  // 1.0 with eight decimals

    // The captions of the quantity types 0 to 3; "??" for any other.
    static std::u16string qty_type_caption(int16_t atype);
    // Cents: a positive remainder from half a cent up rounds up, the rest is cut (so negative
    // amounts are cut toward zero).
    static int64_t round_cents(int64_t avalue);
    // The quantity of a template line for a meter: units, units x ratio, or days; zero for a
    // meter that is not billable and for an unknown quantity type.
    static int64_t quantity(const tline_template& aline, const tinvoice_meter& ameter);
    // An item line for template line alines_template[aindex] and meter ameter.
    static tline_invoice item_line(const tline_template& aline, const tinvoice_meter& ameter, int16_t alineno);
    // The GST of a section whose item totals sum to asubtotal: the part of it that is GST when
    // inclusive, else 15% on top.
    static int64_t gst_of(int64_t asubtotal, bool agst_inclusive);

    // The invoice lines: the water section, then the power section, each a heading, the items of
    // its template in line order, GST, subtotal and a spacer.
    static std::vector<tline_invoice> build_lines(const tinvoice_unit& aunit, std::vector<tline_template> atemplate);

    // Sums over the built lines: the GST lines, and the subtotals (what the tenant pays).
    static int64_t total_gst(const std::vector<tline_invoice>& alines);
    static int64_t total_due(const std::vector<tline_invoice>& alines);
};
