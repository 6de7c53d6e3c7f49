// Moves result rows into records: the mapping from a column's SQL type to a field's value type,
// by field index or through reflective access over a record's class.
#pragma once

#include <cstdint>
#include <vector>

#include "database/fb_query.h"
#include "values/value_generic2.h"
#include "xml/dataset_list.h"

enum tload_option : uint8_t { lo_prefix_record = 1 };
using tload_options = uint8_t;

class tprocs_fibplus {
public:
    static constexpr const char* class_name() { return "tprocs_fibplus"; }

    static void record_load(treflected_object& arecord, tfb_query& aquery);
    static void record_assign_fields(tvalue_generic2& aoperate, treflected_object& ainstance, tfb_query& aquery);
    static void record_assign_fields(const std::vector<int16_t>& afields_operate, tvalue_generic2& aoperate,
                                     treflected_object& ainstance, tfb_query& aquery, tload_options aoptions);
    // Executes the query and adds one new aclass_element per row; the query is closed at the end.
    static void records_load(tlist_reflected& alist, const tclass_info& aclass_element, tfb_query& aquery);
    // The same over an already executed query, without executing it.
    static void records_load(tlist_reflected& alist, tvalue_generic2& aoperate, const tclass_info& aclass_element,
                             tfb_query& aquery);
    static void record_assign_field(tvalue_generic2& avalue, int32_t aindex, const tfb_xsqlvar& afield);
    static void record_assign_field(tvalue_generic2& aoperate, treflected_object& ainstance, int32_t aindex_operate,
                                    const tfb_xsqlvar& afield);
    static const char* get_sqltype_name(int32_t atype);
};
