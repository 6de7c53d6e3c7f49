#include "property/datamodule_cp_site.h"

#include <filesystem>
#include <functional>
#include <system_error>

#include "procs/safe_file.h"
#include "database/datamodule_database_customers.h"
#include "database/procs_fibplus.h"
#include "database/procs_querys.h"
#include "property/jpeg_picture.h"
#include "property/procs_site_pics.h"

Tdatamodule_cp_site::Tdatamodule_cp_site(Tdatamodule_database_customers& adatabase)
    : fdatabase(adatabase),
      transaction_read(adatabase.database_customers, tfb_transaction_kind::read_only),
      transaction_pic(adatabase.database_customers),
      query_get_cp_site(adatabase.database_customers, transaction_read, qoStartTransaction),
      query_get_cp_unit(adatabase.database_customers, transaction_read, qoStartTransaction),
      query_get_cp_unit_bill_lines(adatabase.database_customers, transaction_read, qoStartTransaction),
      query_add_pic(adatabase.database_customers, transaction_pic, qoStartTransaction | qoAutoCommit) {
    query_get_cp_site.add_sql_line("SELECT id, address1, address2, address3, address4, pics");
    query_get_cp_site.add_sql_line("FROM cp_site");
    query_get_cp_site.add_sql_line("WHERE id = :id");
    // Every column of the unit's record, its key included: the computed meter1_connection and
    // meter2_connection would leave the record's meter connections (and its key) unassigned.
    query_get_cp_unit.add_sql_line("SELECT id, id_site, name, account, meter_connection1, meter_connection2,");
    query_get_cp_unit.add_sql_line("    cpinvoice1, cpinvoice2");
    query_get_cp_unit.add_sql_line("FROM cp_unit");
    query_get_cp_unit.add_sql_line("WHERE id = :id");
    query_get_cp_unit_bill_lines.add_sql_line("SELECT bill_type, bill_lineno, bill_qty_type, bill_qty_ratio, bill_item,");
    query_get_cp_unit_bill_lines.add_sql_line(
        "    ( SELECT code FROM bill_item WHERE id = cp_bill_line.bill_item ) AS bill_item1");
    query_get_cp_unit_bill_lines.add_sql_line("FROM cp_bill_line");
    query_get_cp_unit_bill_lines.add_sql_line("WHERE id_unit = :id_unit");
    query_add_pic.add_sql_line("SELECT gen_id( gn_cpsite_pic, 1 )");
    query_add_pic.add_sql_line("FROM rdb$database");
}

namespace {

// The first row's first column of a one-key statement, or an empty text.
std::u16string lookup_text(const char* asql, int32_t aid) {
    std::u16string result;
    tprocs_querys::load_sql_proc(asql, {"id"}, {tcondition_value::integer(aid)},
                                 [&](tfb_query& aquery) { result = aquery.field(0).as_widestring(); });
    return result;
}

}  // namespace

std::u16string Tdatamodule_cp_site::lookup_account_name(int32_t aid) {
    return lookup_text("SELECT name FROM account WHERE id = :id", aid);
}

std::u16string Tdatamodule_cp_site::lookup_bill_item_code(int32_t aid) {
    return lookup_text("SELECT code FROM bill_item WHERE id = :id", aid);
}

std::u16string Tdatamodule_cp_site::lookup_site_address(int32_t aid) {
    std::u16string result;
    tprocs_querys::load_sql_proc("SELECT address1, address2, address3, address4 FROM cp_site WHERE id = :id", {"id"},
                                 {tcondition_value::integer(aid)}, [&](tfb_query& aquery) {
                                     for (int i = 0; i < 4; ++i) {
                                         const std::u16string line = aquery.field(i).as_widestring();
                                         if (line.empty()) continue;
                                         if (!result.empty()) result += u", ";
                                         result += line;
                                     }
                                 });
    return result;
}

namespace {

// Runs a key query and loads its first row into the cleared record; the cursor is closed on every path.
bool load_by_id(tfb_query& aquery, tdatarecord2& arecord, const char* aparam, int32_t aid,
                const std::function<void(tfb_query&)>& arow) {
    arecord.clear();
    aquery.ParamByName(aparam).set_asinteger(aid);
    try {
        aquery.execute();
        const bool found = !aquery.eof();
        if (found) arow(aquery);
        aquery.close();
        return found;
    } catch (...) {
        aquery.close();
        throw;
    }
}

}  // namespace

bool Tdatamodule_cp_site::get_cp_site(tdbrecord_cp_site2& arecord, int32_t aid) {
    return load_by_id(query_get_cp_site, arecord, "id", aid,
                      [&](tfb_query& aquery) { tprocs_fibplus::record_load(arecord, aquery); });
}

bool Tdatamodule_cp_site::get_cp_unit(tdbrecord_cp_unit2& arecord, int32_t aid) {
    return load_by_id(query_get_cp_unit, arecord, "id", aid,
                      [&](tfb_query& aquery) { tprocs_fibplus::record_load(arecord, aquery); });
}

void Tdatamodule_cp_site::get_cp_unit_bill_lines(tlist_flat<trecord_cp_bill_line>& alist, int32_t aid_unit) {
    tfb_query& query = query_get_cp_unit_bill_lines;
    query.ParamByName("id_unit").set_asinteger(aid_unit);
    try {
        for (query.execute(); !query.eof(); query.next()) tprocs_fibplus::record_load(alist.add(), query);
        query.close();
    } catch (...) {
        query.close();
        throw;
    }
}

uint16_t Tdatamodule_cp_site::add_pic(const std::string& afilename_pic) {
    // Refused before a number is used: a picture the pages could not show is no use to anyone.
    tbitmap bitmap;
    std::string reason;
    if (!tjpeg_picture::load_file(afilename_pic, bitmap, reason))
        throw tvelmor_exception("The picture [%s] cannot be added: %s.", afilename_pic, reason);
    int64_t number = 0;
    try {
        query_add_pic.execute();
        if (query_add_pic.eof()) throw tvelmor_exception("Unable to Add PIC in %s.add_pic();", class_name());
        number = query_add_pic.field(0).as_int64();
        query_add_pic.close();
    } catch (...) {
        query_add_pic.close();
        throw;
    }
    if (number < 1 || number > 65535)
        throw tvelmor_exception("Too many site pics added in %s.add_pic();", class_name());
    const std::string folder = tprocs_site_pics::folder();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string target = folder + tprocs_site_pics::file_name(static_cast<uint32_t>(number));
    // A picture that is there is never replaced; a copy cut short (a full disk) leaves nothing
    // under the picture's name, and the message says which file failed and why.
    if (std::filesystem::exists(target, error))
        throw tvelmor_exception("Unable to copy pic file in %s.add_pic();", class_name());
    try {
        tsafe_file::copy(afilename_pic, target, false);
    } catch (const tvelmor_exception& e) {
        throw tvelmor_exception("Unable to copy pic file in %s.add_pic(); %s", class_name(), std::string(e.what()));
    }
    return static_cast<uint16_t>(number);
}
