#include "accounts/records_customers.h"

// The property names are the column names the statements select.
const tclass_info& trecord_contact::static_class() {
    using T = trecord_contact;
    return describe_class<T, treflected_object>(
        "trecord_contact", {prop<&T::fid>("id"), prop<&T::ffirst_name>("first_name"), prop<&T::flast_name>("last_name")});
}

const tclass_info& trecord_customer::static_class() {
    using T = trecord_customer;
    return describe_class<T, treflected_object>("trecord_customer", {prop<&T::fid>("id"), prop<&T::fname>("name")});
}
