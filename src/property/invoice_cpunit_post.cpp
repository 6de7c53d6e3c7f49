#include "property/invoice_cpunit_post.h"

#include <memory>

#include "database/datamodule_ejt.h"
#include "database/ejt_class.h"
#include "procs/message_format.h"
#include "property/invoice_cpunit_data.h"
#include "values/datarecord3.h"

namespace {

using towned_writes = std::vector<std::unique_ptr<tejt_generic>>;

void add_item_lines(towned_writes& awrites, const std::vector<tline_invoice>& alines) {
    for (const tline_invoice& line : alines) {
        if (line.fline_type != lt_item) continue;
        awrites.push_back(tejt_database::create_ejt(tinvoice_cpunit_post::ejt_invoice_billitem));
        tvalue_generic2& v = awrites.back()->get_value();
        v.set_assmallint3("lineno", line.flineno);
        v.set_aslongint3("bill_item", line.fbill_item);
        v.set_asint64_3("line_total", line.fline_total);
        v.set_asdouble3("qty_units", static_cast<double>(line.fqty) / static_cast<double>(tinvoice_cpunit::one));
        v.set_asdouble3("qty_price", line.fqty_price);
    }
}

// The meter's billed pair as a data record (line number = bill type), and its newest reading
// marked billed. The newest reading must still be the unbilled one the invoice was built from.
void add_meter(towned_writes& awrites, const tinvoice_unit& aunit, int16_t abill_type) {
    const tinvoice_meter& meter = aunit.fmeters[abill_type - 1];
    if (meter.fstatus != 1 && meter.fstatus != 2) return;
    const std::vector<tmeter_reading> readings = tinvoice_cpunit_data::load_newest_readings(aunit.funit1, abill_type);
    if (readings.empty() || readings[0].fbilled || readings[0].fdate_read != meter.fdate_this_reading ||
        static_cast<int16_t>(readings.size() > 1 && readings[1].fbilled ? 2 : 1) != meter.fstatus)
        throw tvelmor_exception("The readings of unit %s have changed since the invoice was shown; open it again.",
                                utf16_to_utf8(aunit.funit2));
    awrites.push_back(tejt_database::create_ejt(tinvoice_cpunit_post::ejt_invoice_data));
    tvalue_generic2& data = awrites.back()->get_value();
    data.set_assmallint3("lineno", abill_type);
    data.set_aslongint3("rec_id", tdbdata_cpunit_reading::dbdata_id);
    auto pair = std::make_unique<tdbdata_cpunit_reading>();
    pair->set_aslongint3("reading1_date", readings[0].fdate_read);
    pair->set_asint64_3("reading1", readings[0].freading);
    if (meter.fstatus == 2) {
        pair->set_aslongint3("reading2_date", readings[1].fdate_read);
        pair->set_asint64_3("reading2", readings[1].freading);
    }
    data.set_asobject3("rec_data", pair.release());

    auto billed = tejt_database::create_ejt(tinvoice_cpunit_post::ejt_unit_reading);
    tvalue_generic2& reading = billed->get_value();
    reading.set_aslongint3("id_unit", aunit.funit1);
    reading.set_assmallint3("bill_type", abill_type);
    reading.set_aslongint3("recno", readings[0].frecno);
    reading.set_asboolean3("billed", true);
    // Every key is known: an update of the one reading.
    billed->before_execute(nullptr);
    awrites.push_back(std::move(billed));
}

}  // namespace

int32_t tinvoice_cpunit_post::post(const tinvoice_unit& aunit, const std::vector<tline_invoice>& alines) {
    towned_writes writes;
    add_item_lines(writes, alines);
    const size_t items = writes.size();
    add_meter(writes, aunit, 1);
    add_meter(writes, aunit, 2);
    if (writes.size() == items)
        throw tvelmor_exception("Unit %s has no readings to invoice.", utf16_to_utf8(aunit.funit2));

    auto post = tejt_database::create_ejt(ejt_invoice_post);
    auto& invoice = static_cast<tejtrecord_invoice_post&>(post->get_record());
    invoice.faccount = aunit.faccount;
    // Eight decimals to ten-thousandths: GST amounts are whole cents.
    invoice.fgst = tcurrency(tinvoice_cpunit::total_gst(alines) / 10000);
    tejt_list lines;
    for (auto& write : writes) lines.push_back(write.get());
    Tdatamodule_ejt::instance().send_ejt_record(*post, &lines);
    return invoice.fid;
}
