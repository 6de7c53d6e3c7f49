#include "database/procs_querys.h"

#include <cctype>
#include <map>

#include "database/datamodule_querys.h"
#include "values/operate_rtti2.h"

namespace {

std::vector<std::string> table_field_names(const tdben_table_info& atable) {
    std::vector<std::string> r;
    for (const tdben_field& f : atable.ffields)
        r.push_back(f.fname);
    return r;
}

int16_t table_field_index(const tdben_table_info& atable, std::string_view aname) {
    for (int16_t i = atable.count() - 1; i >= 0; --i)
        if (same_text_nocase(atable.ffields[static_cast<size_t>(i)].fname, aname))
            return i;
    return -1;
}

// Runs a statement and hands every row to aproc; the statement is closed on every path.
void run_rows(tfb_query& aquery, const tquery_row_proc& aproc) {
    try {
        aquery.execute();
        for (; !aquery.eof(); aquery.next())
            aproc(aquery);
    } catch (...) {
        aquery.close();
        throw;
    }
    aquery.close();
}

// Executes and, when there is a row, lets afill read it; false when there was none.
bool first_row(tfb_query& aquery, const tquery_row_proc& afill) {
    bool found = false;
    run_rows(aquery, [&](tfb_query& q) {
        if (!found)
            afill(q);
        found = true;
    });
    return found;
}

}  // namespace

void tprocs_querys::get_class_fields(const tvalue_generic2& aoperate, tdben_table atable, tfield_indexes& alist_class,
                                     tfield_indexes& alist_table, tload_options aoptions, const tfield_indexes* afields) {
    const tdben_table_info& table = dben_table_info(atable);
    if (aoperate.get_field_count() > table.count())
        throw tvelmor_exception("Too many fields to match in %s.get_class_fields();", class_name());
    alist_class.clear();
    alist_table.clear();
    for (int32_t i = 0; i < aoperate.get_field_count(); ++i) {
        std::string name = aoperate.get_field_name(i);
        if (aoptions & lo_prefix_record) {
            if (name.size() < 8 || !same_text_nocase(name.substr(0, 8), "_record_"))
                continue;
            name = name.substr(8);
        }
        int16_t match = -1;
        if (afields) {
            for (int16_t f : *afields)
                if (same_text_nocase(table.ffields[static_cast<size_t>(f)].fname, name))
                    match = f;
        } else {
            match = table_field_index(table, name);
        }
        if (match >= 0) {
            alist_class.push_back(static_cast<int16_t>(i));
            alist_table.push_back(match);
        }
    }
}

void tprocs_querys::get_class_fields_nonpk(const tvalue_generic2& aoperate, tdben_table atable,
                                           tfield_indexes& alist_class, tfield_indexes& alist_table) {
    const tdben_table_info& table = dben_table_info(atable);
    if (aoperate.get_field_count() > table.count())
        throw tvelmor_exception("Too many fields to match in %s.get_class_fields_nonpk();", class_name());
    alist_class.clear();
    alist_table.clear();
    for (int32_t i = 0; i < aoperate.get_field_count(); ++i) {
        int16_t match = table_field_index(table, aoperate.get_field_name(i));
        if (match >= table.fcount_pkfields) {
            alist_class.push_back(static_cast<int16_t>(i));
            alist_table.push_back(match);
        }
    }
}

std::string tprocs_querys::buildsql_get_record(const tfield_indexes& afields, const char* atable,
                                               const std::vector<std::string>& afieldnames) {
    std::string select;
    for (int16_t f : afields)
        select += (select.empty() ? "" : ", ") + afieldnames[static_cast<size_t>(f)];
    std::string sql = "SELECT " + select + "\r\n" + "FROM " + atable + "\r\n";
    // The key fields are the leading fields of the table.
    const tdben_table_info* table = nullptr;
    for (int t = 0; t < dben_table_count; ++t)
        if (same_text_nocase(dben_table_info(static_cast<tdben_table>(t)).fname, atable))
            table = &dben_table_info(static_cast<tdben_table>(t));
    for (int16_t k = 0; table && k < table->fcount_pkfields; ++k) {
        const std::string& key = afieldnames[static_cast<size_t>(k)];
        sql += (k == 0 ? "WHERE " : "AND ") + key + " = :" + key + "\r\n";
    }
    return sql;
}

std::string tprocs_querys::buildsql_list_record(const tvalue_generic2& aoperate, tdben_table atable,
                                                const std::vector<bool>& acoalesce, const tcondition_names& anames,
                                                const tcondition_values& avalues) {
    const tdben_table_info& table = dben_table_info(atable);
    tfield_indexes props, fields;
    get_class_fields(aoperate, atable, props, fields, 0);
    std::string select;
    for (int16_t f : fields)
        select += (select.empty() ? "" : ", ") + std::string(table.ffields[static_cast<size_t>(f)].fname);
    std::string sql = "SELECT " + select + "\r\n" + "FROM " + table.fname + "\r\n";
    for (size_t i = 0; i < anames.size(); ++i) {
        if (table_field_index(table, anames[i]) < 0)
            throw tvelmor_exception("Field %s not found in table %s in %s.test101();", anames[i], table.fname, class_name());
        sql += i == 0 ? "WHERE " : "AND ";
        if (i < acoalesce.size() && acoalesce[i]) {
            if (i >= avalues.size() || (avalues[i].ftag != 0 && avalues[i].ftag != 1))
                throw tvelmor_exception("Param %s type %d not supported in %s.buildsql_list_record();", anames[i],
                                        i < avalues.size() ? avalues[i].ftag : -1, class_name());
            sql += "COALESCE( " + anames[i] + ", 0 )";
        } else {
            sql += anames[i];
        }
        sql += " = :" + anames[i] + "\r\n";
    }
    return sql;
}

void tprocs_querys::assign_conditions(tfb_query& aquery, const tcondition_names& anames,
                                      const tcondition_values& avalues, const char* aoperation) {
    if (anames.size() != avalues.size())
        throw tvelmor_exception("Condition fields and values mismatch in %s.%s();", class_name(), aoperation);
    for (size_t i = 0; i < anames.size(); ++i) {
        tfb_xsqlvar& param = aquery.ParamByName(anames[i]);
        if (avalues[i].ftag == 0)
            param.set_asinteger(avalues[i].fvalue);
        else if (avalues[i].ftag == 1)
            param.set_assmallint(avalues[i].fvalue ? 1 : 0);
        else
            throw tvelmor_exception("Param %s type %d not supported in %s.%s();", anames[i], avalues[i].ftag,
                                    class_name(), aoperation);
    }
}

namespace {

// The SELECT of a class's non-key fields by key, built once per class and table.
const std::string& bypk_sql(const toperate_rtti_class2& aoperate, const tclass_info& aclass, tdben_table atable) {
    static std::map<std::pair<const tclass_info*, tdben_table>, std::string> built;
    auto it = built.find({&aclass, atable});
    if (it != built.end())
        return it->second;
    tfield_indexes props, fields;
    tprocs_querys::get_class_fields_nonpk(aoperate, atable, props, fields);
    const tdben_table_info& table = dben_table_info(atable);
    std::string sql = tprocs_querys::buildsql_get_record(fields, table.fname, table_field_names(table));
    return built.emplace(std::make_pair(&aclass, atable), std::move(sql)).first->second;
}

}  // namespace

bool tprocs_querys::load_record_bypk(treflected_object& arecord, tdben_table atable, const tfield_indexes* afields) {
    const tdben_table_info& table = dben_table_info(atable);
    toperate_rtti_class2 operate(arecord.get_class());
    tread_query read(afields ? buildsql_get_record(*afields, table.fname, table_field_names(table))
                             : bypk_sql(operate, arecord.get_class(), atable));
    tfb_query& query = read.query();
    for (int16_t k = 0; k < table.fcount_pkfields; ++k) {
        const char* key = table.ffields[static_cast<size_t>(k)].fname;
        int32_t index = -1;
        if (!operate.get_field_index(index, key))
            throw tvelmor_exception("PK Field [%s] missing from %s.load_record_bypk();", key, class_name());
        tvalue_type2 type = operate.get_field_type(index);
        if (type == vt_longint)
            query.ParamByName(key).set_asinteger(operate.get_aslongint2(arecord, index));
        else if (type == vt_unicodestring)
            query.ParamByName(key).set_aswidestring(operate.get_asunicodestring2(arecord, index));
        else
            throw tvelmor_exception("Param Type [%s] not supported in %s.load_record_bypk();", value_type_name(type),
                                    class_name());
    }
    return first_row(query, [&](tfb_query& q) { tprocs_fibplus::record_assign_fields(operate, arecord, q); });
}

bool tprocs_querys::load_record_bypk_value(treflected_object& arecord, tdben_table atable,
                                           const tcondition_values& akeys, tload_options aoptions,
                                           const tfield_indexes* afields) {
    const tdben_table_info& table = dben_table_info(atable);
    if (static_cast<int32_t>(akeys.size()) != table.fcount_pkfields)
        throw tvelmor_exception("PK Field Count Mismatch in %s.load_record_bypk();", class_name());
    toperate_rtti_class2 operate(arecord.get_class());
    tfield_indexes props, fields;
    get_class_fields(operate, atable, props, fields, aoptions, afields);
    if (!afields) {  // without a list only the fields beyond the key are read
        tfield_indexes p, f;
        for (size_t i = 0; i < fields.size(); ++i)
            if (fields[i] >= table.fcount_pkfields) {
                p.push_back(props[i]);
                f.push_back(fields[i]);
            }
        props.swap(p);
        fields.swap(f);
    }
    tread_query read(buildsql_get_record(fields, table.fname, table_field_names(table)));
    tfb_query& query = read.query();
    for (int16_t k = 0; k < table.fcount_pkfields; ++k) {
        const tdben_field& key = table.ffields[static_cast<size_t>(k)];
        if (key.ftype != dben_ft_longint)
            throw tvelmor_exception("PK Param [%s] Type not supported in %s.load_record_bypk();", key.fname, class_name());
        if (akeys[static_cast<size_t>(k)].ftag != 0)
            throw tvelmor_exception("PK Param [%s] Type Mismatch in %s.load_record_bypk();", key.fname, class_name());
        query.ParamByName(key.fname).set_asinteger(akeys[static_cast<size_t>(k)].fvalue);
    }
    // record_assign_fields_matched: the columns come in the order of the selected fields.
    return first_row(query, [&](tfb_query& q) {
        for (size_t i = 0; i < fields.size(); ++i) {
            const char* expected = table.ffields[static_cast<size_t>(fields[i])].fname;
            if (static_cast<int32_t>(i) >= q.field_count() || !same_text_nocase(q.field(static_cast<int32_t>(i)).name(), expected))
                throw tvelmor_exception("Field mismatch [%s] in %s.record_assign_fields_matched();", expected, class_name());
            tprocs_fibplus::record_assign_field(operate, arecord, props[i], q.field(static_cast<int32_t>(i)));
        }
    });
}

bool tprocs_querys::load_sql_record(treflected_object& arecord, const std::string& asql, const tcondition_names& anames,
                                    const tcondition_values& avalues) {
    tread_query read(asql);
    tfb_query& query = read.query();
    assign_conditions(query, anames, avalues, "load_bastards");
    return first_row(query, [&](tfb_query& q) { tprocs_fibplus::record_load(arecord, q); });
}

void tprocs_querys::load_sql_proc(const std::string& asql, const tcondition_names& anames,
                                  const tcondition_values& avalues, const tquery_row_proc& aproc) {
    tread_query read(asql);
    tfb_query& query = read.query();
    assign_conditions(query, anames, avalues, "load_sql_proc");
    run_rows(query, aproc);
}

void tprocs_querys::load_table_proc(tdben_table atable, const std::vector<std::string>& afields,
                                    const tcondition_names& anames, const tcondition_values& avalues,
                                    const tquery_row_proc& aproc) {
    const tdben_table_info& table = dben_table_info(atable);
    std::vector<std::string> names = afields.empty() ? table_field_names(table) : afields;
    std::string select;
    for (const std::string& n : names)
        select += (select.empty() ? "" : ", ") + n;
    std::string sql = "SELECT " + select + "\r\nFROM " + table.fname + "\r\n";
    for (size_t i = 0; i < anames.size(); ++i)
        sql += (i == 0 ? "WHERE" : "AND") + std::string(" ") + anames[i] + " = :" + anames[i] + "\r\n";
    tread_query read(sql);
    tfb_query& query = read.query();
    assign_conditions(query, anames, avalues, "load_bastards");
    run_rows(query, aproc);
}

void tprocs_querys::load_sql_rows(const tclass_info& aclass, const std::string& asql, const tcondition_names& anames,
                                  const tcondition_values& avalues, const tnew_row& anew_row) {
    toperate_rtti_class2 operate(aclass);
    tread_query read(asql);
    tfb_query& query = read.query();
    assign_conditions(query, anames, avalues, "load_sql_list");
    run_rows(query, [&](tfb_query& q) { tprocs_fibplus::record_assign_fields(operate, anew_row(), q); });
}

void tprocs_querys::load_table_rows(const tclass_info& aclass, tdben_table atable, const std::vector<bool>& acoalesce,
                                    const tcondition_names& anames, const tcondition_values& avalues,
                                    const tnew_row& anew_row) {
    toperate_rtti_class2 operate(aclass);
    std::string sql = buildsql_list_record(operate, atable, acoalesce, anames, avalues);
    tread_query read(sql);
    tfb_query& query = read.query();
    assign_conditions(query, anames, avalues, "load_bastards");
    run_rows(query, [&](tfb_query& q) { tprocs_fibplus::record_assign_fields(operate, anew_row(), q); });
}

void tprocs_querys::load_sql_list(tlist_reflected& alist, const tclass_info& aclass_element, const std::string& asql,
                                  const tcondition_names& anames, const tcondition_values& avalues) {
    load_sql_rows(aclass_element, asql, anames, avalues, [&]() -> treflected_object& {
        alist.push_back(aclass_element.create());
        return *alist.back();
    });
}

void tprocs_querys::load_table_list(tlist_reflected& alist, const tclass_info& aclass_element, tdben_table atable,
                                    const std::vector<bool>& acoalesce, const tcondition_names& anames,
                                    const tcondition_values& avalues) {
    load_table_rows(aclass_element, atable, acoalesce, anames, avalues, [&]() -> treflected_object& {
        alist.push_back(aclass_element.create());
        return *alist.back();
    });
}

std::string tprocs_querys::sql_assign_param_values(const std::string& asql, const tcondition_names& anames,
                                                   const tcondition_values& avalues) {
    if (anames.size() != avalues.size())
        throw tvelmor_exception("Param names and values mismatch in %s.parse_sqlparams();", class_name());
    auto is_start = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; };
    auto is_part = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    std::string r;
    size_t i = 0;
    while (i < asql.size()) {
        if (asql[i] != '$') {
            r.push_back(asql[i++]);
            continue;
        }
        ++i;  // a "$" not followed by a name is dropped
        if (i >= asql.size() || !is_start(asql[i]))
            continue;
        size_t j = i;
        while (j < asql.size() && is_part(asql[j]))
            ++j;
        std::string name = asql.substr(i, j - i);
        i = j;
        for (size_t k = 0; k < anames.size(); ++k) {
            if (!same_text_nocase(anames[k], name))
                continue;
            if (avalues[k].ftag != 0)
                throw tvelmor_exception("Unsupported Param Value Type %d in %s.parse_sqlparams();", avalues[k].ftag,
                                        class_name());
            r += std::to_string(avalues[k].fvalue);
            break;
        }
    }
    return r;
}
