#include "property/records_cp_unit.h"

const tclass_info& trecord_unit::static_class() {
    using T = trecord_unit;
    return describe_class<T, treflected_object>(
        "trecord_unit", {prop<&T::fid>("id"), prop<&T::fid_site>("id_site"), prop<&T::fname>("name")});
}

const tclass_info& trecord_header::static_class() {
    using T = trecord_header;
    return describe_class<T, treflected_object>("trecord_header", {prop<&T::fdate>("date")});
}

const tclass_info& trecord_reading::static_class() {
    using T = trecord_reading;
    return describe_class<T, treflected_object>(
        "trecord_reading", {prop<&T::fid_unit>("id_unit"), prop<&T::fname_unit>("name_unit"),
                            prop<&T::fbill_type>("bill_type"), prop<&T::frecno>("recno"),
                            prop<&T::freading_last>("reading_last"), prop<&T::freading_last_date>("reading_last_date"),
                            prop<&T::freading_this>("reading_this"), prop<&T::freading_this0>("reading_this0"),
                            prop<&T::freading_this_date>("reading_this_date")});
}
