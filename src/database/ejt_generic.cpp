#include "database/ejt_generic.h"

#include "database/procs_fibplus.h"
#include "procs/procs_text_number.h"
#include "values/datarecord3.h"

// ---- base: everything without a default raises ----

std::string tejt_generic::get_script(int32_t) { throw tvelmor_exception("%s.get_script(); not implemented", class_name()); }
treflected_object& tejt_generic::get_record() { throw tvelmor_exception("%s.get_record(); Not Implemented", class_name()); }
tvalue_generic2& tejt_generic::get_value() { throw tvelmor_exception("%s.get_value(); Not Implemented", class_name()); }
bool tejt_generic::get_has_pk_values() const {
    throw tvelmor_exception("%s.get_has_pk_values(); Not Implemented", class_name());
}
int32_t tejt_generic::get_pk_count() const { throw tvelmor_exception("%s.get_pk_count(); Not Implemented", class_name()); }
void tejt_generic::before_execute(tejt_list*) {}
void tejt_generic::after_execute(tfb_query&) {}
void tejt_generic::assign_params(tfb_query&) { throw tvelmor_exception("%s.assign_params(); not implemented", class_name()); }
void tejt_generic::assign_pkvalues_unassigned(tvalue_generic2&, int32_t) {
    throw tvelmor_exception("%s.assign_pkvalues_unassigned(); not implemented", class_name());
}
void tejt_generic::assign_pkvalues_unassigned(tfb_query&) {
    throw tvelmor_exception("%s.assign_pkvalues_unassigned(); not implemented", class_name());
}

// ---- statement texts ----

namespace {

// Whether avalue has the catalogue field and it is assigned.
bool has_assigned(const tvalue_generic2& avalue, const char* aname) {
    int32_t index = -1;
    return avalue.get_field_index(index, aname) && avalue.get_field_is_assigned(index);
}

std::string key_conditions(const tdben_table_info& atable) {
    std::string r;
    for (int16_t k = 0; k < atable.fcount_pkfields; ++k) {
        std::string key = atable.ffields[static_cast<size_t>(k)].fname;
        r += (k == 0 ? "\r\nWHERE " : "\r\nAND ") + key + " = :" + key;
    }
    return r;
}

}  // namespace

std::string tejt_procs::update_script(tdben_table atable, const tvalue_generic2& avalue) {
    const tdben_table_info& table = dben_table_info(atable);
    std::string sql = std::string("UPDATE ") + table.fname + " SET\r\n";
    bool first = true;
    for (int16_t i = table.fcount_pkfields; i < table.count(); ++i) {
        const char* name = table.ffields[static_cast<size_t>(i)].fname;
        if (!has_assigned(avalue, name))
            continue;
        sql += (first ? "" : ",\r\n") + std::string("    ") + name + " = :" + name;
        first = false;
    }
    return sql + key_conditions(table) + ";";
}

std::string tejt_procs::insert_script(tdben_table atable, const tvalue_generic2& avalue) {
    const tdben_table_info& table = dben_table_info(atable);
    std::string names, params;
    for (const tdben_field& f : table.ffields) {
        if (!has_assigned(avalue, f.fname))
            continue;
        names += (names.empty() ? "" : ", ") + std::string(f.fname);
        params += (params.empty() ? ":" : ", :") + std::string(f.fname);
    }
    std::string sql = std::string("INSERT INTO ") + table.fname + "\r\n    ( " + names + " )\r\nVALUES\r\n    ( " + params + " )";
    bool first = true;
    for (int16_t k = 0; k < table.fcount_pkfields; ++k) {
        const char* key = table.ffields[static_cast<size_t>(k)].fname;
        if (has_assigned(avalue, key))
            continue;
        sql += (first ? "\r\nRETURNING " : ", ") + std::string(key);
        first = false;
    }
    return sql + ";";
}

std::string tejt_procs::delete_script(tdben_table atable) {
    const tdben_table_info& table = dben_table_info(atable);
    return std::string("DELETE FROM ") + table.fname + key_conditions(table) + ";";
}

// ---- binding and keys ----

void tejt_procs::assign_params(const tvalue_generic2& avalue, tfb_query& aquery, const char* aclass_name) {
    for (int32_t i = 0; i < avalue.get_field_count(); ++i) {
        if (!avalue.get_field_is_assigned(i))
            continue;
        tfb_xsqlvar& p = aquery.ParamByName(avalue.get_field_name(i));
        switch (tvalue_type2 type = avalue.get_field_type(i)) {
        case vt_smallint: p.set_assmallint(avalue.get_assmallint1(i)); break;
        case vt_boolean: p.set_assmallint(avalue.get_asboolean1(i) ? 1 : 0); break;
        case vt_longint: p.set_asinteger(avalue.get_aslongint1(i)); break;
        case vt_unicodestring: p.set_aswidestring(avalue.get_asunicodestring1(i)); break;
        case vt_int64:
            if (avalue.get_field_domain(i) == 101)
                p.set_asstring(tprocs_text_number<char>::decimal_to_str(avalue.get_asint64_1(i), 18, 8));
            else
                p.set_asint64(avalue.get_asint64_1(i));
            break;
        case vt_currency: p.set_ascurrency(avalue.get_ascurrency1(i)); break;
        case vt_double: p.set_asdouble(avalue.get_asdouble1(i)); break;
        case vt_object: {
            auto* data = dynamic_cast<tdbdata_generic*>(avalue.get_asobject1(i));
            if (data)
                p.set_asstring(data->get_data_value());
            else
                p.set_null();
            break;
        }
        default:
            throw tvelmor_exception("Unsupported FieldType[%s] in %s.assign();", value_type_name(type), aclass_name);
        }
    }
}

void tejt_procs::assign_pkvalues_from_query(tvalue_generic2& avalue, int32_t apk_count, tfb_query& aquery) {
    for (int32_t k = 0; k < apk_count; ++k) {
        if (avalue.get_field_is_assigned(k))
            continue;
        if (tfb_xsqlvar* column = aquery.FindField(avalue.get_field_name(k)))
            tprocs_fibplus::record_assign_field(avalue, k, *column);
    }
}

void tejt_procs::assign_pkvalues_to_line(tvalue_generic2& aline, int32_t aline_pk_count, const tvalue_generic2& amain,
                                         int32_t apk_count, const char* aclass_name) {
    for (int32_t i = 0; i < std::min(aline_pk_count, apk_count); ++i) {
        if (aline.get_field_is_assigned(i))
            break;
        if (aline.get_field_type(i) != vt_longint)
            throw tvelmor_exception("Unsupported FieldType[%s] in %s.assign_pkvalues_unassigned();",
                                    value_type_name(aline.get_field_type(i)), aclass_name);
        if (amain.get_field_type(i) != vt_longint)
            throw tvelmor_exception("Field[%d] Type Mismatch in %s.assign_pkvalues_unassigned();", i, aclass_name);
        aline.set_aslongint1(i, amain.get_aslongint1(i));
    }
}

void tejt_procs::copy_field(tvalue_generic2& adest, int32_t adest_index, const tvalue_generic2& asource,
                            int32_t asource_index, const char* aclass_name, const char* aoperation) {
    switch (tvalue_type2 type = asource.get_field_type(asource_index)) {
    case vt_smallint: adest.set_assmallint1(adest_index, asource.get_assmallint1(asource_index)); break;
    case vt_longint: adest.set_aslongint1(adest_index, asource.get_aslongint1(asource_index)); break;
    case vt_unicodestring: adest.set_asunicodestring1(adest_index, asource.get_asunicodestring1(asource_index)); break;
    case vt_boolean: adest.set_asboolean1(adest_index, asource.get_asboolean1(asource_index)); break;
    case vt_int64: adest.set_asint64_1(adest_index, asource.get_asint64_1(asource_index)); break;
    case vt_currency: adest.set_ascurrency1(adest_index, asource.get_ascurrency1(asource_index)); break;
    default:
        throw tvelmor_exception("Unsupported FieldType[%s] in %s.%s();", value_type_name(type), aclass_name, aoperation);
    }
}

// ---- record writes ----

bool tejt_record::get_has_pk_values() const {
    for (int32_t k = 0; k < get_pk_count(); ++k)
        if (!frecord->get_field_is_assigned(k))
            return false;
    return true;
}

int32_t tejt_record::get_pk_count() const { return dben_table_info(frecord->dben_table()).fcount_pkfields; }

void tejt_record::assign_params(tfb_query& aquery) { tejt_procs::assign_params(*frecord, aquery, class_name()); }

void tejt_record::assign_pkvalues_unassigned(tvalue_generic2& avalue, int32_t apk_count) {
    tejt_procs::assign_pkvalues_to_line(*frecord, get_pk_count(), avalue, apk_count, class_name());
}

void tejt_record::assign_pkvalues_unassigned(tfb_query& aquery) {
    tejt_procs::assign_pkvalues_from_query(*frecord, get_pk_count(), aquery);
}

std::string tejt_record_delete::get_script(int32_t) { return tejt_procs::delete_script(frecord->dben_table()); }

void tejt_record_delete::assign_delete(const tdatarecord2& arecord) {
    for (int32_t i = 0; i < frecord->get_field_count(); ++i) {
        std::string name = frecord->get_field_name(i);
        int32_t source = -1;
        if (!arecord.get_field_index(source, name))
            throw tvelmor_exception("PK Field[%s] not found in %s.assign_delete();", name, class_name());
        tejt_procs::copy_field(*frecord, i, arecord, source, class_name(), "assign_field");
    }
}
