#include "make_database_demo.h"

#include <chrono>
#include <map>
#include <set>
#include <sstream>

#include "database/fb_query.h"
#include "plain_letters.h"

namespace {

// Day count of a calendar date: day 366 is 1 January of year 1.
int32_t day_count(int ayear, unsigned amonth, unsigned aday) {
    using namespace std::chrono;
    sys_days d = year{ayear} / month{amonth} / day{aday};
    sys_days base = year{2000} / January / 1;
    return 730485 + static_cast<int32_t>((d - base).count());
}

std::string lower_ascii(std::string a) {
    for (char& c : a)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return a;
}

// A name as part of an address: its plain letters and digits, in lower case.
std::string email_part(const std::string& a) {
    std::string r;
    for (char c : lower_ascii(to_plain_letters(a)))
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) r.push_back(c);
    return r.empty() ? "info" : r;
}

// A statement bound once and run for every row of a table.
class trow_writer {
public:
    trow_writer(tfb_database& adatabase, tfb_transaction& atransaction, const std::string& asql)
        : fquery(adatabase, atransaction) {
        fquery.set_sql(asql);
    }
    trow_writer& text(const char* aname, const std::string& avalue) {
        fquery.ParamByName(aname).set_asstring(avalue);
        return *this;
    }
    trow_writer& integer(const char* aname, int64_t avalue) {
        fquery.ParamByName(aname).set_asint64(avalue);
        return *this;
    }
    trow_writer& money(const char* aname, int64_t aten_thousandths) {
        fquery.ParamByName(aname).set_ascurrency(tcurrency(aten_thousandths));
        return *this;
    }
    void run() {
        fquery.execute();
        fquery.close();
    }

private:
    tfb_query fquery;
};

}  // namespace

tdemo_data::tdemo_data(const std::string& awords_text, tdemo_scale ascale) : fscale(ascale) {
    std::istringstream in(awords_text);
    std::string line, section;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        char separator = line.find('|') != std::string::npos ? '|' : ' ';
        std::istringstream words(line);
        std::string w;
        while (std::getline(words, w, separator)) {
            if (w.empty()) continue;
            for (char& c : w)
                if (c == '_') c = ' ';
            flists[section].push_back(w);
        }
    }
}

const tdemo_data::tlist& tdemo_data::list(const std::string& aname) const { return flists.at(aname); }

uint32_t tdemo_data::random() {
    fstate = fstate * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<uint32_t>(fstate >> 33);
}

const std::string& tdemo_data::pick(const std::string& alist) {
    const tlist& l = list(alist);
    return l[static_cast<size_t>(random_below(static_cast<int32_t>(l.size())))];
}

void tdemo_data::load(tfb_database& adatabase) {
    tfb_transaction tra(adatabase);
    tra.start();
    load_customers(adatabase, tra);
    load_plu(adatabase, tra);
    load_jobs(adatabase, tra);
    load_property(adatabase, tra);
    tra.commit();
}

void tdemo_data::load_customers(tfb_database& adatabase, tfb_transaction& atransaction) {
    trow_writer account(adatabase, atransaction,
                        "INSERT INTO account (name, zipcode, country, phone, fax, website, code, sourceno, street,"
                        " street2, city, state, deleted) VALUES (:name, :zipcode, :country, :phone, :fax, :website,"
                        " :code, 0, :street, '', :city, :state, 0)");
    for (int32_t i = 1; i <= fscale.faccounts; ++i) {
        std::string name = pick("company_words") + " " + pick("company_kinds") + " " + pick("company_suffixes");
        account.text("name", name).text("zipcode", std::to_string(1000 + random_below(9000)))
            .text("country", i % 7 == 0 ? "Australia" : "New Zealand")
            .text("phone", "0" + std::to_string(3 + random_below(6)) + " " + std::to_string(2000000 + random_below(7999999)))
            .text("fax", "").text("website", "www." + email_part(name) + ".example")
            .text("code", "AC" + std::to_string(10000 + i))
            .text("street", std::to_string(1 + random_below(300)) + " " + pick("streets"))
            .text("city", pick("cities")).text("state", pick("states")).run();
    }
    trow_writer contact(adatabase, atransaction,
                        "INSERT INTO contact (first_name, last_name, email, phone, sourceno, street, city, state,"
                        " zipcode, id_account, deleted) VALUES (:first_name, :last_name, :email, :phone, 0, :street,"
                        " :city, :state, :zipcode, :id_account, :deleted)");
    for (int32_t i = 1; i <= fscale.fcontacts; ++i) {
        std::string first = pick("first_names"), last = pick("last_names");
        contact.text("first_name", first).text("last_name", last)
            .text("email", email_part(first) + "." + email_part(last) + std::to_string(i) + "@example.com")
            .text("phone", "02" + std::to_string(10000000 + random_below(89999999)))
            .text("street", std::to_string(1 + random_below(300)) + " " + pick("streets"))
            .text("city", pick("cities")).text("state", pick("states"))
            .text("zipcode", std::to_string(1000 + random_below(9000)))
            .integer("id_account", 1 + (i - 1) % fscale.faccounts).integer("deleted", i % 97 == 0 ? 1 : 0).run();
    }
    trow_writer op(adatabase, atransaction,
                   "INSERT INTO operator (first_name, last_name, email, date_of_birth, deleted)"
                   " VALUES (:first_name, :last_name, :email, :dob, 0)");
    for (int32_t i = 1; i <= 5; ++i) {
        std::string first = pick("first_names"), last = pick("last_names");
        op.text("first_name", first).text("last_name", last)
            .text("email", email_part(first) + "@velmor.example")
            .integer("dob", day_count(1960 + random_below(40), 1 + random_below(12), 1 + random_below(28))).run();
    }
}

// PLU items with the word index rows of their product words (search 101).
void tdemo_data::load_plu(tfb_database& adatabase, tfb_transaction& atransaction) {
    trow_writer plu(adatabase, atransaction,
                    "INSERT INTO plu (code, product, subtitle, description, manufacturer, manufacturer_website,"
                    " manufacturer_address, customer_email, unit_size_color, currency, country_of_origin, price,"
                    " link_url) VALUES (:code, :product, :subtitle, :description, :manufacturer, :website, :address,"
                    " 'orders@example.com', :size, 'NZD', :country, :price, :url)");
    trow_writer word(adatabase, atransaction, "INSERT INTO word_hdr (word, id) VALUES (:word, :id)");
    trow_writer word_line(adatabase, atransaction, "INSERT INTO word_lns (search, id, id_record) VALUES (101, :id, :id_record)");
    std::map<std::string, int32_t> words;
    for (int32_t i = 1; i <= fscale.fplu; ++i) {
        std::string adjective = pick("plu_adjectives"), noun = pick("plu_nouns"), detail = pick("plu_details");
        std::string maker = pick("manufacturers");
        plu.text("code", "P" + std::to_string(100000 + i)).text("product", adjective + " " + noun)
            .text("subtitle", detail).text("description", adjective + " " + noun + ", " + detail + ", by " + maker)
            .text("manufacturer", maker).text("website", "www." + email_part(maker) + ".example")
            .text("address", pick("cities") + ", " + pick("countries")).text("size", detail)
            .text("country", pick("countries")).money("price", (50 + random_below(50000)) * 100)
            .text("url", "https://shop.example/p/" + std::to_string(i)).run();
        if (fscale.fplu > 100000) continue;  // the word tables are for the demo's size only
        std::set<std::string> seen;
        for (const std::string& w : {lower_ascii(adjective), lower_ascii(noun)}) {
            if (!seen.insert(w).second) continue;
            auto [it, added] = words.emplace(w, static_cast<int32_t>(words.size() + 1));
            if (added) word.text("word", w).integer("id", it->second).run();
            word_line.integer("id", it->second).integer("id_record", i).run();
        }
    }
}

void tdemo_data::load_jobs(tfb_database& adatabase, tfb_transaction& atransaction) {
    trow_writer job(adatabase, atransaction, "INSERT INTO job_hdr (account, lineno_last) VALUES (:account, :last)");
    trow_writer job_line(adatabase, atransaction,
                         "INSERT INTO job_lns (job, lineno, partno, description, notes, qty, line_total, status)"
                         " VALUES (:job, :lineno, :partno, :description, :notes, :qty, :total, :status)");
    for (int32_t j = 1; j <= 60; ++j) {
        int32_t lines = 2 + random_below(5);
        job.integer("account", 1 + random_below(fscale.faccounts)).integer("last", lines).run();
        for (int32_t l = 1; l <= lines; ++l) {
            std::string part = pick("job_parts");
            int32_t qty = 1 + random_below(10);
            job_line.integer("job", j).integer("lineno", l).text("partno", part)
                .text("description", pick("job_words") + " " + lower_ascii(pick("plu_nouns")))
                .text("notes", l == 1 ? "Customer to be on site" : "").integer("qty", qty)
                .money("total", qty * (1000 + random_below(20000)) * 100).integer("status", random_below(3)).run();
        }
    }
}

// Sites with their units, twelve months of water (1) and power (2) readings with the latest one
// unbilled, bill items, invoice templates and the units' bill lines.
void tdemo_data::load_property(tfb_database& adatabase, tfb_transaction& atransaction) {
    struct titem {
        const char* code;
        const char* description;
        const char* units;        // what the quantity counts
        int64_t price;            // eight decimals
        const char* price_units;  // what the price is for
    };
    // Metered items are priced per unit; charges by time per day, or per year when the line takes
    // its share of the year (days per annum).
    const titem items[] = {{"WATER", "Water supply", "m³", 285000000, "$/m³"},
                           {"WASTE", "Wastewater", "m³", 192500000, "$/m³"},
                           {"POWER-D", "Electricity, day rate", "kWh", 28750000, "$/kWh"},
                           {"POWER-N", "Electricity, night rate", "kWh", 14125000, "$/kWh"},
                           {"LINES", "Lines charge", "day", 115000000, "$/day"},
                           {"METER", "Meter reading fee", "day", 15000000000, "$/year"},
                           {"ADMIN", "Administration fee", "day", 30000000000, "$/year"},
                           {"RUBBISH", "Rubbish collection", "day", 60000000, "$/day"},
                           {"GAS", "Gas supply", "kWh", 9875000, "$/kWh"},
                           {"SECURITY", "Security patrol", "day", 54000000000, "$/year"}};
    trow_writer item(adatabase, atransaction,
                     "INSERT INTO bill_item (code, description, supplier, group1, price, denote_units_qty,"
                     " denote_units_price, deleted) VALUES (:code, :description, :supplier, :group1, :price, :units,"
                     " :price_units, 0)");
    for (const titem& i : items) {
        tfb_xsqlvar price;
        price.set_value(tfb_xsqlvar::tscaled{i.price, -8});
        item.text("code", i.code).text("description", i.description).text("supplier", "Harbour City Utilities")
            .text("group1", i.units[0] == 'k' ? "Energy" : "Services").text("price", price.as_string())
            .text("units", i.units).text("price_units", i.price_units).run();
    }
    trow_writer templ(adatabase, atransaction, "INSERT INTO cp_invoice (name, supplier, is_gst_inclusive) VALUES (:name, :supplier, :gst)");
    trow_writer templ_line(adatabase, atransaction,
                           "INSERT INTO cp_invoice_billitem (id, lineno, bill_item, bill_qty_type, bill_qty_ratio)"
                           " VALUES (:id, :lineno, :item, :qty_type, :ratio)");
    const int32_t template_items[3][3] = {{1, 2, 6}, {3, 4, 5}, {7, 8, 10}};
    // Quantity types: 1 ratio metered, 2 days, 3 days per annum.
    const int32_t template_qty_types[3][3] = {{1, 1, 3}, {1, 1, 2}, {3, 2, 3}};
    const char* template_names[3] = {"Water and wastewater", "Electricity", "Outgoings"};
    for (int32_t t = 0; t < 3; ++t) {
        templ.text("name", template_names[t]).text("supplier", "Harbour City Utilities").integer("gst", t == 2 ? 1 : 0).run();
        for (int32_t l = 0; l < 3; ++l)
            templ_line.integer("id", t + 1).integer("lineno", l + 1).integer("item", template_items[t][l])
                .integer("qty_type", template_qty_types[t][l])
                .text("ratio", l == 1 && t < 2 ? "0.75000000" : "1.00000000").run();
    }
    trow_writer site(adatabase, atransaction, "INSERT INTO cp_site (address1, address2, address3, address4, pics)"
                                     " VALUES (:a1, :a2, :a3, '', :pics)");
    // Four 16-bit picture numbers per site, slot 1 in the low bits.
    const int64_t pics[3] = {1 | (2 << 16), 3, 4 | (int64_t{5} << 16)};
    trow_writer unit(adatabase, atransaction,
                     "INSERT INTO cp_unit (id_site, name, account, meter_connection1, meter_connection2, cpinvoice1,"
                     " cpinvoice2) VALUES (:site, :name, :account, 1, 1, 1, 2)");
    trow_writer reading(adatabase, atransaction, "INSERT INTO cp_unit_reading (id_unit, bill_type, date_read, reading, billed)"
                                        " VALUES (:unit, :type, :date, :reading, :billed)");
    trow_writer bill_line(adatabase, atransaction,
                          "INSERT INTO cp_bill_line (id_unit, bill_type, bill_lineno, bill_qty_type, bill_qty_ratio,"
                          " bill_item) VALUES (:unit, :type, :lineno, 1, 1, :item)");
    const char* sites[3][3] = {{"Harbourside Business Park", "12 Quay Street", "Auckland"},
                               {"Kōwhai Trade Centre", "48 Pōhutukawa Place", "Tauranga"},
                               {"Südstern Arcade", "7 Victoria Road", "Christchurch"}};
    int32_t unit_id = 0;
    for (int32_t s = 0; s < 3; ++s) {
        site.text("a1", sites[s][0]).text("a2", sites[s][1]).text("a3", sites[s][2]).integer("pics", pics[s]).run();
        int32_t units = 4 + random_below(3);
        for (int32_t u = 1; u <= units; ++u) {
            ++unit_id;
            unit.integer("site", s + 1).text("name", "G0" + std::to_string(u))
                .integer("account", 1 + random_below(fscale.faccounts)).run();
            for (int32_t type = 1; type <= 2; ++type) {
                int64_t meter = 10000 + random_below(50000);
                for (int32_t m = 0; m < 12; ++m) {
                    meter += (type == 1 ? 15 : 900) + random_below(type == 1 ? 30 : 600);
                    int32_t month = 1 + m;
                    reading.integer("unit", unit_id).integer("type", type).integer("date", day_count(2026, month, 28))
                        .integer("reading", meter).integer("billed", m == 11 ? 0 : 1).run();
                }
                bill_line.integer("unit", unit_id).integer("type", type).integer("lineno", 1)
                    .integer("item", type == 1 ? 1 : 3).run();
            }
        }
    }
}
