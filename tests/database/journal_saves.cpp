#include "journal_saves.h"

#include <memory>
#include <stdexcept>

#include "database/datamodule_database_customers.h"
#include "database/datamodule_ejt.h"
#include "database/ejt_class.h"
#include "database/fb_query.h"
#include "database/procs_querys.h"
#include "procs/message_format.h"
#include "values/datarecord3.h"
#include "values/dben_catalogue.h"

namespace {

std::string text_of(const std::string& asql) {
    Tdatamodule_database_customers& db = Tdatamodule_database_customers::instance();
    tfb_query q(db.database_customers, db.Transaction1, qoStartTransaction | qoAutoCommit);
    q.set_sql(asql);
    q.execute();
    std::string r = q.field(0).as_string();
    q.close();
    return r;
}

template <typename R> std::shared_ptr<R> loaded(const std::string& asql) {
    auto r = std::make_shared<R>();
    if (!tprocs_querys::load_sql_record(*r, asql, {}, {}))
        throw std::runtime_error("the demo database has no row for: " + asql);
    return r;
}

void send_write(tejt_generic& aejt, tejt_list* alines = nullptr) {
    Tdatamodule_ejt::instance().send_ejt_record(aejt, alines);
}

// An edit of the first row asql gives: the changed copy is compared with the loaded one.
template <typename R>
tjournal_save update(const char* aname, int32_t akind, const std::string& asql, const std::function<void(R&)>& achange,
                     const std::function<int64_t(const R&)>& aparts, int64_t aparts_count) {
    std::shared_ptr<R> before = loaded<R>(asql), edited = loaded<R>(asql);
    achange(*edited);
    tjournal_save s{aname, akind, nullptr, nullptr, aparts_count};
    s.send = [=] {
        auto ejt = tejt_database::create_ejt(akind);
        dynamic_cast<tejt_record_update&>(*ejt).assign_update(*edited, *before);
        send_write(*ejt);
    };
    s.parts_present = [=] { return aparts(*edited); };
    return s;
}

template <typename R>
tjournal_save insert(const char* aname, int32_t akind, const std::function<void(R&)>& afill, const std::string& aparts_sql) {
    auto record = std::make_shared<R>();
    afill(*record);
    tjournal_save s{aname, akind, nullptr, nullptr, 1};
    s.send = [=] {
        auto ejt = tejt_database::create_ejt(akind);
        dynamic_cast<tejt_record_update&>(*ejt).assign_insert(*record);
        send_write(*ejt);
    };
    s.parts_present = [=] { return database_number(aparts_sql); };
    return s;
}

template <typename R> tjournal_save remove(const char* aname, int32_t akind, const std::string& asql, const std::string& aleft_sql) {
    std::shared_ptr<R> row = loaded<R>(asql);
    tjournal_save s{aname, akind, nullptr, nullptr, 1};
    s.send = [=] {
        auto ejt = tejt_database::create_ejt(akind);
        dynamic_cast<tejt_record_delete&>(*ejt).assign_delete(*row);
        send_write(*ejt);
    };
    // Present means gone.
    s.parts_present = [=] { return 1 - database_number(aleft_sql); };
    return s;
}

std::string key_of(const tdatarecord2& arecord, int32_t aindex) { return std::to_string(arecord.get_aslongint1(aindex)); }

// How many of the conditions the row of atable that awhere selects meets: one part each.
int64_t conditions_met(const std::string& atable, const std::string& awhere, std::initializer_list<std::string> aconditions) {
    std::string sql = "SELECT 0";
    for (const std::string& c : aconditions)
        sql += " + (SELECT COUNT(*) FROM " + atable + " WHERE " + awhere + " AND " + c + ")";
    return database_number(sql + " FROM rdb$database");
}

tjournal_save invoice_post(int32_t around, int32_t aaccount) {
    // The tax amount marks the round's invoice.
    const int64_t gst = 10000 + around;
    tjournal_save s{"401 invoice post with 411 and 421 lines", 401, nullptr, nullptr, 4};
    s.send = [=] {
        auto post = tejt_database::create_ejt(401);
        auto& invoice = static_cast<tejtrecord_invoice_post&>(post->get_record());
        invoice.faccount = aaccount;
        invoice.fgst = tcurrency(gst);
        std::vector<std::unique_ptr<tejt_generic>> owned;
        for (int16_t lineno : {int16_t{1}, int16_t{2}}) {
            owned.push_back(tejt_database::create_ejt(411));
            tvalue_generic2& v = owned.back()->get_value();
            v.set_assmallint3("lineno", lineno);
            v.set_aslongint3("bill_item", 1);
            v.set_asint64_3("line_total", 150000000 * lineno);
            v.set_asdouble3("qty_units", 1.5);
        }
        owned.push_back(tejt_database::create_ejt(421));
        tvalue_generic2& data = owned.back()->get_value();
        data.set_assmallint3("lineno", 3);
        data.set_aslongint3("rec_id", 101);
        auto readings = std::make_unique<tdbdata_cpunit_reading>();
        readings->set_aslongint3("reading1_date", 739000 + around);
        data.set_asobject3("rec_data", readings.release());
        tejt_list lines;
        for (auto& l : owned) lines.push_back(l.get());
        send_write(*post, &lines);
    };
    const std::string mine = "(SELECT id FROM invoice WHERE gst * 10000 = " + std::to_string(gst) + ")";
    s.parts_present = [=] {
        // A line without its invoice, or an invoice whose total is not its lines', is never whole.
        return database_number("SELECT (SELECT COUNT(*) FROM invoice WHERE gst * 10000 = " + std::to_string(gst) +
                               " AND total = 4.5) + (SELECT COUNT(*) FROM invoice_billitem WHERE invoice IN " + mine +
                               ") + (SELECT COUNT(*) FROM invoice_data WHERE invoice IN " + mine +
                               ") + 100 * (SELECT COUNT(*) FROM invoice_billitem b WHERE NOT EXISTS "
                               "(SELECT 1 FROM invoice i WHERE i.id = b.invoice)) FROM rdb$database");
    };
    return s;
}

}  // namespace

int64_t database_number(const std::string& asql) { return std::stoll(text_of(asql)); }

std::vector<tjournal_save> journal_saves(int32_t around) {
    const std::string r = std::to_string(around);
    const std::u16string tag = utf8_to_utf16("F" + r);
    const int32_t account = static_cast<int32_t>(database_number("SELECT MIN(id) FROM account"));
    const int32_t unit = static_cast<int32_t>(database_number("SELECT MIN(id) FROM cp_unit"));
    const std::string q = "'F" + r + "'";
    std::vector<tjournal_save> saves;
    saves.push_back(update<tdbrecord_account2>(
        "101 account edit", 101, "SELECT FIRST 1 * FROM account ORDER BY id",
        [&](auto& a) { a.set_asunicodestring3("name", u"Fault " + tag); a.set_asunicodestring3("zipcode", tag); },
        [=](const auto& a) { return conditions_met("account", "id = " + key_of(a, 0), {"name = 'Fault F" + r + "'", "zipcode = " + q}); },
        2));
    saves.push_back(insert<tdbrecord_contact2>(
        "201 new contact", 201,
        [&](auto& c) {
            c.set_asunicodestring3("first_name", tag);
            c.set_asunicodestring3("last_name", u"Fault");
            c.set_aslongint3("id_account", account);
            c.set_asboolean3("deleted", false);
        },
        "SELECT COUNT(*) FROM contact WHERE first_name = " + q + " AND last_name = 'Fault' AND id_account = " +
            std::to_string(account)));
    saves.push_back(update<tdbrecord_operator2>(
        "301 operator edit", 301, "SELECT FIRST 1 * FROM operator ORDER BY id",
        [&](auto& o) { o.set_asunicodestring3("last_name", tag); o.set_asunicodestring3("email", tag + u"@example.com"); },
        [=](const auto& o) {
            return conditions_met("operator", "id = " + key_of(o, 0), {"last_name = " + q, "email = 'F" + r + "@example.com'"});
        },
        2));
    saves.push_back(insert<tdbrecord_cp_site2>(
        "311 new site", 311,
        [&](auto& s) { s.set_asunicodestring3("address1", tag); s.set_asunicodestring3("address2", u"Fault Lane"); s.set_asint64_3("pics", 0); },
        "SELECT COUNT(*) FROM cp_site WHERE address1 = " + q + " AND address2 = 'Fault Lane' AND pics = 0"));
    saves.push_back(update<tdbrecord_cp_unit2>(
        "321 unit edit", 321, "SELECT FIRST 1 * FROM cp_unit ORDER BY id",
        [&](auto& u) { u.set_asunicodestring3("name", tag); u.set_assmallint3("meter_connection2", static_cast<int16_t>(around % 7 + 2)); },
        [=](const auto& u) {
            return conditions_met("cp_unit", "id = " + key_of(u, 0),
                                  {"name = " + q, "meter_connection2 = " + std::to_string(around % 7 + 2)});
        },
        2));
    saves.push_back(remove<tdbrecord_cp_unit2>(
        "322 unit delete", 322, "SELECT FIRST 1 * FROM cp_unit ORDER BY id DESC",
        "SELECT COUNT(*) FROM cp_unit WHERE id = " + std::to_string(database_number("SELECT MAX(id) FROM cp_unit"))));
    saves.push_back(insert<tdbrecord_bill_item2>(
        "331 new bill item", 331,
        [&](auto& b) {
            b.set_asunicodestring3("code", tag);
            b.set_asunicodestring3("description", u"Fault item");
            b.set_asint64_3("price", 1250000000);
            b.set_asboolean3("deleted", false);
        },
        "SELECT COUNT(*) FROM bill_item WHERE code = " + q + " AND description = 'Fault item' AND price = 12.5"));
    saves.push_back(update<tdbrecord_cp_invoice2>(
        "351 invoice template edit", 351, "SELECT FIRST 1 * FROM cp_invoice ORDER BY id",
        [&](auto& t) { t.set_asunicodestring3("name", tag); t.set_asunicodestring3("supplier", u"Fault " + tag); },
        [=](const auto& t) {
            return conditions_met("cp_invoice", "id = " + key_of(t, 0), {"name = " + q, "supplier = 'Fault F" + r + "'"});
        },
        2));
    saves.push_back(update<tdbrecord_cp_invoice_billitem2>(
        "361 invoice template line edit", 361, "SELECT FIRST 1 * FROM cp_invoice_billitem ORDER BY id, lineno",
        [&](auto& l) { l.set_asint64_3("bill_qty_ratio", 1000000 * (around + 1)); l.set_assmallint3("bill_qty_type", static_cast<int16_t>(around % 5 + 10)); },
        [=](const auto& l) {
            return conditions_met("cp_invoice_billitem", "id = " + key_of(l, 0) + " AND lineno = " + std::to_string(l.get_assmallint1(1)),
                                  {"bill_qty_ratio * 100 = " + std::to_string(around + 1),
                                   "bill_qty_type = " + std::to_string(around % 5 + 10)});
        },
        2));
    {
        auto last = loaded<tdbrecord_cp_invoice_billitem2>("SELECT FIRST 1 * FROM cp_invoice_billitem ORDER BY id DESC, lineno DESC");
        saves.push_back(remove<tdbrecord_cp_invoice_billitem2>(
            "362 invoice template line delete", 362, "SELECT FIRST 1 * FROM cp_invoice_billitem ORDER BY id DESC, lineno DESC",
            "SELECT COUNT(*) FROM cp_invoice_billitem WHERE id = " + key_of(*last, 0) +
                " AND lineno = " + std::to_string(last->get_assmallint1(1))));
    }
    saves.push_back(insert<tdbrecord_cp_unit_reading2>(
        "371 new meter reading", 371,
        [&](auto& m) {
            m.set_aslongint3("id_unit", unit);
            m.set_assmallint3("bill_type", 1);
            m.set_aslongint3("date_read", 800000 + around);
            m.set_asint64_3("reading", 5000000000LL + around);
            m.set_asboolean3("billed", false);
        },
        "SELECT COUNT(*) FROM cp_unit_reading WHERE id_unit = " + std::to_string(unit) + " AND reading = " +
            std::to_string(5000000000LL + around)));
    saves.push_back(update<tdbrecord_plu2>(
        "601 PLU edit", 601, "SELECT FIRST 1 * FROM plu ORDER BY id",
        [&](auto& p) { p.set_asunicodestring3("product", tag); },
        [=](const auto& p) { return conditions_met("plu", "id = " + key_of(p, 0), {"product = " + q}); },
        1));
    saves.push_back(invoice_post(around, account));
    return saves;
}

std::string database_fingerprint() {
    std::string all;
    for (tdben_table t : {dben_table_account, dben_table_contact, dben_table_operator, dben_table_plu, dben_table_cp_site, dben_table_cp_unit,
                          dben_table_bill_item, dben_table_cp_unit_reading, dben_table_cp_invoice,
                          dben_table_cp_invoice_billitem, dben_table_invoice, dben_table_invoice_billitem,
                          dben_table_invoice_data}) {
        const tdben_table_info& info = dben_table_info(t);
        std::string row;
        for (size_t i = 0; i < info.ffields.size(); ++i) {
            const tdben_field& f = info.ffields[i];
            const bool text = f.ftype == dben_ft_unicodestring || f.ftype == dben_ft_ansistring || f.ftype == dben_ft_dataobj;
            const std::string value = text ? f.fname : std::string("CAST(") + f.fname + " AS VARCHAR(40))";
            row += (i ? " + " : "") + std::to_string(i + 1) + " * COALESCE(MOD(HASH(" + value + "), 1000003), 7)";
        }
        all += std::string(info.fname) + "=" +
               text_of("SELECT COUNT(*) || ':' || COALESCE(SUM(" + row + "), 0) FROM " + info.fname) + ";";
    }
    return all;
}

int64_t open_transactions() {
    return database_number("SELECT COUNT(*) - 1 FROM mon$transactions WHERE mon$attachment_id = CURRENT_CONNECTION");
}
