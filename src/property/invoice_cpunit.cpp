#include "property/invoice_cpunit.h"

#include <algorithm>
#include <cstdlib>

#include "procs/procs_daycount.h"
#include "procs/procs_decimal.h"

namespace {

constexpr int64_t gst_rate = 15000000;  // 0.15
constexpr int16_t section_count = 2;

int32_t distance(int32_t a, int32_t b) { return std::abs(a - b); }

}  // namespace

std::u16string tinvoice_cpunit::qty_type_caption(int16_t atype) {
    switch (atype) {
        case 0: return u"Metered Qty";
        case 1: return u"Ratio Metered Qty";
        case 2: return u"Days Qty";
        case 3: return u"Days per Annum Qty";
        default: return u"??";
    }
}

int64_t tinvoice_cpunit::round_cents(int64_t avalue) {
    const int64_t r = avalue % 1000000;
    return r < 500000 ? avalue - r : avalue - r + 1000000;
}

int64_t tinvoice_cpunit::quantity(const tline_template& aline, const tinvoice_meter& ameter) {
    // Only a billable meter has quantities: a first reading's "units" are the meter's own value
    // and a meter without readings has none.
    if (ameter.fstatus != 2) return 0;
    switch (aline.fbill_qty_type) {
        case 0: return ameter.funits * one;
        case 1: return tprocs_decimal::multiply18p8(ameter.funits * one, aline.fbill_qty_ratio);
        case 2:
        case 3: return int64_t{ameter.fdays} * one;
        default: return 0;
    }
}

tline_invoice tinvoice_cpunit::item_line(const tline_template& aline, const tinvoice_meter& ameter, int16_t alineno) {
    tline_invoice line;
    line.flineno = alineno;
    line.fline_type = lt_item;
    line.fbill_item = aline.fbill_item;
    line.fdescription = aline.fdescription;
    if (!aline.fgroup1.empty()) {
        if (!line.fdescription.empty()) line.fdescription += u"; ";
        line.fdescription += aline.fgroup1;
    }
    line.fdenote_units_qty = aline.fdenote_units_qty;
    line.fdenote_units_price = aline.fdenote_units_price;
    line.fbill_qty_type = aline.fbill_qty_type;
    line.fqty = quantity(aline, ameter);
    line.fprice = aline.fprice;
    line.fline_total = tprocs_decimal::multiply18p8(aline.fprice, line.fqty);
    line.fqty_price = static_cast<double>(line.fqty) / static_cast<double>(one);
    if (aline.fbill_qty_type == 3) {
        // An annual price over the days of the year of the newest reading.
        const int32_t days = tprocs_daycount::is_leapyear_date(ameter.fdate_this_reading) ? 366 : 365;
        line.fline_total /= days;
        line.fqty_price /= days;
    }
    line.fline_total2 = round_cents(line.fline_total);
    return line;
}

int64_t tinvoice_cpunit::gst_of(int64_t asubtotal, bool agst_inclusive) {
    if (!agst_inclusive) return round_cents(tprocs_decimal::multiply18p8(gst_rate, asubtotal));
    // The amount without GST, to the nearest unit of the eighth decimal.
    const __int128 n = static_cast<__int128>(asubtotal) * 100;
    __int128 q = n / 115;
    const __int128 r = n % 115;
    if (2 * (r < 0 ? -r : r) >= 115) q += n < 0 ? -1 : 1;
    return asubtotal - round_cents(static_cast<int64_t>(q));
}

std::vector<tline_invoice> tinvoice_cpunit::build_lines(const tinvoice_unit& aunit,
                                                        std::vector<tline_template> atemplate) {
    // The water template's lines first, each template's lines in line order.
    std::stable_sort(atemplate.begin(), atemplate.end(), [&](const tline_template& a, const tline_template& b) {
        const int32_t da = distance(a.fid, aunit.fcpinvoice1), db = distance(b.fid, aunit.fcpinvoice1);
        return da != db ? da < db : a.flineno < b.flineno;
    });
    std::vector<tline_invoice> lines;
    auto add = [&](int16_t atype, const std::u16string& adescription, int64_t aamount, bool ais_gst) {
        tline_invoice line;
        line.fline_type = atype;
        line.fdescription = adescription;
        line.fline_total = line.fline_total2 = aamount;
        line.fis_gst = ais_gst;
        lines.push_back(line);
        lines.back().flineno = static_cast<int16_t>(lines.size());
    };
    for (int16_t k = 0; k < section_count; ++k) {
        const int32_t template_id = k == 0 ? aunit.fcpinvoice1 : aunit.fcpinvoice2;
        add(lt_heading, (k == 0 ? u"Water; " : u"Power; ") + (k == 0 ? aunit.fsupplier_water : aunit.fsupplier_power),
            0, false);
        // Each section takes only its own template's lines, so a section whose template has no
        // lines stays empty rather than borrowing the other template's.
        int64_t subtotal = 0;
        for (size_t c = 0; c < atemplate.size(); ++c) {
            if (atemplate[c].fid != template_id) continue;
            lines.push_back(item_line(atemplate[c], aunit.fmeters[k], static_cast<int16_t>(c + 2)));
            subtotal += lines.back().fline_total2;
        }
        const bool inclusive = aunit.fcpinvoice_gst_inclusive[k];
        const int64_t gst = gst_of(subtotal, inclusive);
        add(lt_total, inclusive ? u"Including GST" : u"Plus GST", gst, true);
        if (!inclusive) subtotal += gst;
        add(lt_total, std::u16string(u"SUBTOTAL; ") + (k == 0 ? u"Water" : u"Power"), subtotal, false);
        add(lt_heading, u"", 0, false);
    }
    return lines;
}

int64_t tinvoice_cpunit::total_gst(const std::vector<tline_invoice>& alines) {
    int64_t sum = 0;
    for (const tline_invoice& line : alines)
        if (line.fline_type == lt_total && line.fis_gst) sum += line.fline_total2;
    return sum;
}

int64_t tinvoice_cpunit::total_due(const std::vector<tline_invoice>& alines) {
    int64_t sum = 0;
    for (const tline_invoice& line : alines)
        if (line.fline_type == lt_total && !line.fis_gst) sum += line.fline_total2;
    return sum;
}
