#include "property/datamodule_cp_site.h"

#include "database/datamodule_database_customers.h"
#include "database/procs_querys.h"

Tdatamodule_cp_site::Tdatamodule_cp_site(Tdatamodule_database_customers& adatabase) : fdatabase(adatabase) {}

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
