#include "database/ejt_class.h"

#include <cmath>
#include <ctime>

#include "procs/procs_daycount.h"

const tclass_info& tejtrecord_generic::static_class() {
    return describe_class<tejtrecord_generic, treflected_object>("tejtrecord_generic");
}

void tejtrecord_generic::create() { throw tvelmor_exception("%s.create(); not implemented", class_name()); }

bool tejtrecord_generic::get_field_is_assigned(int32_t) const {
    throw tvelmor_exception("%s.get_field_is_assigned(); not implemented", class_name());
}

void tejtrecord_generic::before_execute(tejt_list*) {}

const tclass_info& tejtrecord_invoice_post::static_class() {
    using T = tejtrecord_invoice_post;
    return describe_class<T, tejtrecord_generic>(
        "tejtrecord_invoice_post", {prop<&T::fid>("id"), prop<&T::fdate1>("date1"), prop<&T::faccount>("account"),
                                    prop<&T::ftotal>("total"), prop<&T::fgst>("gst")});
}

void tejtrecord_invoice_post::before_execute(tejt_list* alines_ejt) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    fdate1 = tprocs_daycount::encode(static_cast<uint16_t>(local.tm_year + 1900), static_cast<uint16_t>(local.tm_mon + 1),
                                     static_cast<uint16_t>(local.tm_mday));
    __int128 sum = 0;  // eight-decimal line totals
    for (tejt_generic* line : alines_ejt ? *alines_ejt : tejt_list{}) {
        // Data records and the readings the invoice marks billed carry no amount.
        if (line->fejt_id == 421 || line->fejt_id == 371)
            continue;
        if (line->fejt_id != 411)
            throw tvelmor_exception("UnSupported EJTID[%d] in %s.before_execute();", line->fejt_id, class_name());
        sum += line->get_value().get_asint64_3("line_total");
    }
    // To ten-thousandths, half away from zero.
    __int128 q = sum / 10000, rest = sum % 10000;
    if (2 * (rest < 0 ? -rest : rest) >= 10000)
        q += sum < 0 ? -1 : 1;
    ftotal = tcurrency(static_cast<int64_t>(q));
}

std::string tejt_class::get_script(int32_t) { return tejt_procs::insert_script(frecord->fdben_table, foperate); }

bool tejt_class::get_has_pk_values() const {
    for (int32_t k = 0; k < get_pk_count(); ++k)
        if (!frecord->get_field_is_assigned(k))
            return false;
    return true;
}

void tejt_class::assign_pkvalues_unassigned(tvalue_generic2& avalue, int32_t apk_count) {
    tejt_procs::assign_pkvalues_to_line(foperate, get_pk_count(), avalue, apk_count, class_name());
}

void tejt_class::assign_pkvalues_unassigned(tfb_query& aquery) {
    tejt_procs::assign_pkvalues_from_query(foperate, get_pk_count(), aquery);
}

std::unique_ptr<tejt_generic> tejt_database::create_ejt(int32_t aejt_id) {
    std::unique_ptr<tejt_generic> r;
    auto update = [](auto record) { return std::make_unique<tejt_record_update>(std::move(record)); };
    auto remove = [](auto record) { return std::make_unique<tejt_record_delete>(std::move(record)); };
    switch (aejt_id) {
    case 101: r = update(std::make_unique<tdbrecord_account2>()); break;
    case 201: r = update(std::make_unique<tdbrecord_contact2>()); break;
    case 301: r = update(std::make_unique<tdbrecord_operator2>()); break;
    case 311: r = update(std::make_unique<tdbrecord_cp_site2>()); break;
    case 321: r = update(std::make_unique<tdbrecord_cp_unit2>()); break;
    case 322: r = remove(std::make_unique<tdbrecord_cp_unit2>(true)); break;
    case 331: r = update(std::make_unique<tdbrecord_bill_item2>()); break;
    case 351: r = update(std::make_unique<tdbrecord_cp_invoice2>()); break;
    case 361: r = update(std::make_unique<tdbrecord_cp_invoice_billitem2>()); break;
    case 362: r = remove(std::make_unique<tdbrecord_cp_invoice_billitem2>(true)); break;
    case 371: r = update(std::make_unique<tdbrecord_cp_unit_reading2>()); break;
    case 401: r = std::make_unique<tejt_class>(std::make_unique<tejtrecord_invoice_post>()); break;
    case 411: r = update(std::make_unique<tdbrecord_invoice_billitem2>()); break;
    case 421: r = update(std::make_unique<tdbrecord_invoice_data2>()); break;
    case 601: r = update(std::make_unique<tdbrecord_plu2>()); break;
    default: throw tvelmor_exception("EJT[%d] Not Supported in %s.create_ejt();", aejt_id, class_name());
    }
    r->fejt_id = aejt_id;
    return r;
}
