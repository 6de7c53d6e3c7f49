// Loading records and rows (through statements prepared once and kept, read outside any unit of
// work in a kept read-only transaction): by key, by a page's statement text with named condition
// values, into lists or a callback; the SELECT texts built from the catalogue; class-to-table
// matching; and "$name" placeholder substitution.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "database/fb_query.h"
#include "containers/list_flat.h"
#include "database/procs_fibplus.h"
#include "values/dben_catalogue.h"
#include "values/value_generic2.h"
#include "xml/dataset_list.h"

// A condition value: a 32-bit integer (tag 0) or a Boolean (tag 1).
struct tcondition_value {
    int32_t ftag;
    int32_t fvalue;
    static tcondition_value integer(int32_t avalue) { return {0, avalue}; }
    static tcondition_value boolean(bool avalue) { return {1, avalue ? 1 : 0}; }
};
using tcondition_values = std::vector<tcondition_value>;
using tcondition_names = std::vector<std::string>;
using tfield_indexes = std::vector<int16_t>;
using tquery_row_proc = std::function<void(tfb_query&)>;

class tprocs_querys {
public:
    static constexpr const char* class_name() { return "tprocs_querys"; }

    static bool load_record_bypk(treflected_object& arecord, tdben_table atable, const tfield_indexes* afields = nullptr);
    static bool load_record_bypk_value(treflected_object& arecord, tdben_table atable, const tcondition_values& akeys,
                                       tload_options aoptions, const tfield_indexes* afields = nullptr);
    static bool load_sql_record(treflected_object& arecord, const std::string& asql, const tcondition_names& anames,
                                const tcondition_values& avalues);
    static void load_sql_proc(const std::string& asql, const tcondition_names& anames, const tcondition_values& avalues,
                              const tquery_row_proc& aproc);
    static void load_table_proc(tdben_table atable, const std::vector<std::string>& afields,
                                const tcondition_names& anames, const tcondition_values& avalues,
                                const tquery_row_proc& aproc);
    static void load_sql_list(tlist_reflected& alist, const tclass_info& aclass_element, const std::string& asql,
                              const tcondition_names& anames, const tcondition_values& avalues);
    static void load_table_list(tlist_reflected& alist, const tclass_info& aclass_element, tdben_table atable,
                                const std::vector<bool>& acoalesce, const tcondition_names& anames,
                                const tcondition_values& avalues);

    // The element-row forms: one zeroed row of the list's record class added per result row.
    template <typename T>
    static void load_sql_list(tlist_flat<T>& alist, const std::string& asql, const tcondition_names& anames,
                              const tcondition_values& avalues) {
        load_sql_rows(T::static_class(), asql, anames, avalues, [&]() -> treflected_object& { return alist.add(); });
    }
    template <typename T>
    static void load_table_list(tlist_flat<T>& alist, tdben_table atable, const std::vector<bool>& acoalesce,
                                const tcondition_names& anames, const tcondition_values& avalues) {
        load_table_rows(T::static_class(), atable, acoalesce, anames, avalues,
                        [&]() -> treflected_object& { return alist.add(); });
    }

    static std::string sql_assign_param_values(const std::string& asql, const tcondition_names& anames,
                                               const tcondition_values& avalues);
    static std::string buildsql_get_record(const tfield_indexes& afields, const char* atable,
                                           const std::vector<std::string>& afieldnames);
    static std::string buildsql_list_record(const tvalue_generic2& aoperate, tdben_table atable,
                                            const std::vector<bool>& acoalesce, const tcondition_names& anames,
                                            const tcondition_values& avalues);

    // Matching of class properties to table fields: parallel lists in property order.
    static void get_class_fields(const tvalue_generic2& aoperate, tdben_table atable, tfield_indexes& alist_class,
                                 tfield_indexes& alist_table, tload_options aoptions,
                                 const tfield_indexes* afields = nullptr);
    static void get_class_fields_nonpk(const tvalue_generic2& aoperate, tdben_table atable,
                                       tfield_indexes& alist_class, tfield_indexes& alist_table);
    // Fill one new row (from anew_row) of aclass per result row, by property name.
    using tnew_row = std::function<treflected_object&()>;
    static void load_sql_rows(const tclass_info& aclass, const std::string& asql, const tcondition_names& anames,
                              const tcondition_values& avalues, const tnew_row& anew_row);
    static void load_table_rows(const tclass_info& aclass, tdben_table atable, const std::vector<bool>& acoalesce,
                                const tcondition_names& anames, const tcondition_values& avalues,
                                const tnew_row& anew_row);
    // Binds each name's parameter by the value's tag; aoperation names the caller in messages.
    static void assign_conditions(tfb_query& aquery, const tcondition_names& anames, const tcondition_values& avalues,
                                  const char* aoperation);
};
