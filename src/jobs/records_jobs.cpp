#include "jobs/records_jobs.h"

const tclass_info& trecord_jobln::static_class() {
    using T = trecord_jobln;
    return describe_class<T, treflected_object>(
        "trecord_jobln", {prop<&T::fjob>("job"), prop<&T::flineno>("lineno"), prop<&T::fpartno>("partno"),
                          prop<&T::fdescription>("description"), prop<&T::fqty>("qty"),
                          prop<&T::fline_total>("line_total")});
}
