#include "property/records_cp_site.h"

#include "procs/message_format.h"

// The property names are the column names the statements select.
const tclass_info& trecord_cpsite::static_class() {
    using T = trecord_cpsite;
    return describe_class<T, treflected_object>(
        "trecord_cpsite", {prop<&T::fid>("id"), prop<&T::faddress1>("address1"), prop<&T::faddress2>("address2"),
                           prop<&T::faddress3>("address3"), prop<&T::faddress4>("address4")});
}

std::u16string trecord_cpsite::address() const {
    std::u16string result;
    for (const std::u16string* line : {&faddress1, &faddress2, &faddress3, &faddress4}) {
        if (line->empty()) continue;
        if (!result.empty()) result += u", ";
        result += *line;
    }
    return result;
}

std::u16string site_list_cell(const tlist_flat<trecord_cpsite>& alist, bool as_header, int32_t arow, int32_t acol) {
    if (as_header) return arow != 0 ? u"" : acol == 0 ? u"Id" : acol == 1 ? u"Address" : u"";
    if (arow < 0 || arow >= alist.get_count()) return {};
    const trecord_cpsite& line = alist.get_item(arow);
    if (acol == 0) return utf8_to_utf16(std::to_string(line.fid));
    return acol == 1 ? line.address() : u"";
}

const tclass_info& trecord_cp_bill_line::static_class() {
    using T = trecord_cp_bill_line;
    return describe_class<T, treflected_object>(
        "trecord_cp_bill_line",
        {prop<&T::fbill_type>("bill_type"), prop<&T::fbill_lineno>("bill_lineno"),
         prop<&T::fbill_qty_type>("bill_qty_type"), prop<&T::fbill_qty_ratio>("bill_qty_ratio").def(101),
         prop<&T::fbill_item>("bill_item"), prop<&T::fbill_item1>("bill_item1")});
}
