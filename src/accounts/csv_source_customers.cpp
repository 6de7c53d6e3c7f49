#include "accounts/csv_source_customers.h"

#include "accounts/datamodule_search_customer.h"

tcsv_source_customers::tcsv_source_customers(Tdatamodule_database_customers& adatabase, const std::u16string& asearch)
    : fsearch(std::make_unique<Tdatamodule_search_customer>(adatabase)) {
    fsearch->update_search(asearch, 0, -1);
}

tcsv_source_customers::~tcsv_source_customers() = default;

std::vector<std::u16string> tcsv_source_customers::header() {
    return {u"Type", u"Id", u"Name", u"Last Name", u"Phone", u"Email"};
}

bool tcsv_source_customers::fetch(int32_t acount, std::vector<std::vector<std::u16string>>& arows) {
    fsearch->flist_lines.clear();
    if (!fsearch->fetch_finished()) fsearch->fetch_lines(acount);
    for (const auto& line : fsearch->flist_lines)
        arows.push_back({line.frecord_type == 1 ? u"Account" : u"Contact", utf8_to_utf16(std::to_string(line.fid)),
                         line.ffirst_name, line.flast_name, line.fphone, line.femail});
    fsearch->flist_lines.clear();
    return !fsearch->fetch_finished();
}
