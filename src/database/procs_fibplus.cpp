#include "database/procs_fibplus.h"

#include "procs/procs_text_number.h"
#include "values/datarecord3.h"
#include "values/operate_rtti2.h"

namespace {

// Where a mapped value goes: a field by index, or a property of an instance.
struct tindex_target {
    tvalue_generic2& v;
    int32_t i;
    void unicode(const std::u16string& a) { v.set_asunicodestring1(i, a); }
    void longint(int32_t a) { v.set_aslongint1(i, a); }
    void smallint(int16_t a) { v.set_assmallint1(i, a); }
    void boolean(bool a) { v.set_asboolean1(i, a); }
    void int64(int64_t a) { v.set_asint64_1(i, a); }
    void currency(tcurrency a) { v.set_ascurrency1(i, a); }
};

struct tinstance_target {
    tvalue_generic2& v;
    treflected_object& o;
    int32_t i;
    void unicode(const std::u16string& a) { v.set_asunicodestring2(o, i, a); }
    void longint(int32_t a) { v.set_aslongint2(o, i, a); }
    void smallint(int16_t a) { v.set_assmallint2(o, i, a); }
    void boolean(bool a) { v.set_asboolean2(o, i, a); }
    void int64(int64_t a) { v.set_asint64_2(o, i, a); }
    void currency(tcurrency a) { v.set_ascurrency2(o, i, a); }
};

// An eight-decimal amount from the column's decimal text; -1 when the text does not parse.
int64_t decimal18p8_of(const tfb_xsqlvar& afield) {
    std::string text = afield.as_string();
    bool negative = !text.empty() && text[0] == '-';
    int64_t r = 0;
    if (!tprocs_text_number<char>::can_str_to_decimal(r, std::string_view(text).substr(negative ? 1 : 0), 18, 8))
        return -1;
    return negative ? -r : r;
}

// The mapping table shared by both forms; false when the combination is not supported.
template <typename T> bool assign_mapped(tvalue_type2 atype, int32_t adomain, const tfb_xsqlvar& f, T&& t) {
    const int16_t sqltype = f.sqltype(), subtype = f.sqlsubtype();
    switch (sqltype) {
    case fb_sql_varying:
    case fb_sql_text:  // literal texts of a statement ('' AS last_name) come as CHAR
    case fb_sql_blob:
        if (atype != vt_unicodestring) return false;
        t.unicode(f.as_widestring());
        return true;
    case fb_sql_long:
        if (subtype == 0 && atype == vt_longint) t.longint(f.as_integer());
        else if (subtype == fb_subtype_decimal && atype == vt_currency) t.currency(f.as_currency());
        else return false;
        return true;
    case fb_sql_short:
        if (atype == vt_smallint) t.smallint(f.as_smallint());
        else if (atype == vt_boolean) t.boolean(f.as_int64() == 1);
        else return false;
        return true;
    case fb_sql_int64:
        if (subtype == 0 && atype == vt_int64) t.int64(f.as_int64());
        else if (subtype == fb_subtype_decimal && atype == vt_int64)
            t.int64(adomain == 101 ? decimal18p8_of(f) : f.as_int64());
        else if (subtype == fb_subtype_decimal && atype == vt_currency) t.currency(f.as_currency());
        else return false;
        return true;
    default:
        return false;
    }
}

// A record raises on reading an unassigned object field: that counts as empty.
bool object_field_empty(tvalue_generic2& aoperate, treflected_object& ainstance, int32_t aindex) {
    try {
        return aoperate.get_asobject2(ainstance, aindex) == nullptr;
    } catch (const tvelmor_exception&) {
        return true;
    }
}

}  // namespace

const char* tprocs_fibplus::get_sqltype_name(int32_t atype) {
    switch (atype) {
    case 448: return "SQL_VARYING";
    case 452: return "SQL_TEXT";
    case 480: return "SQL_DOUBLE";
    case 482: return "SQL_FLOAT";
    case 496: return "SQL_LONG";
    case 500: return "SQL_SHORT";
    case 510: return "SQL_TIMESTAMP";
    case 520: return "SQL_BLOB";
    case 530: return "SQL_D_FLOAT";
    case 540: return "SQL_ARRAY";
    case 550: return "SQL_QUAD";
    case 560: return "SQL_TYPE_TIME";
    case 570: return "SQL_TYPE_DATE";
    case 580: return "SQL_INT64";
    default: return "UNKNOWN";
    }
}

void tprocs_fibplus::record_assign_field(tvalue_generic2& avalue, int32_t aindex, const tfb_xsqlvar& afield) {
    tvalue_type2 type = avalue.get_field_type(aindex);
    if (!assign_mapped(type, avalue.get_field_domain(aindex), afield, tindex_target{avalue, aindex}))
        throw tvelmor_exception("UnSupported Field[%s] om %s.record_assign_field();", value_type_name(type), class_name());
}

void tprocs_fibplus::record_assign_field(tvalue_generic2& aoperate, treflected_object& ainstance,
                                         int32_t aindex_operate, const tfb_xsqlvar& afield) {
    tvalue_type2 type = aoperate.get_field_type(aindex_operate);
    int32_t domain = aoperate.get_field_domain(aindex_operate);
    if (type == vt_object && afield.sqltype() == fb_sql_varying) {
        if (!object_field_empty(aoperate, ainstance, aindex_operate))
            throw tvelmor_exception("Assign on Assigned Object Field in %s.record_assign_field();", class_name());
        if (domain >= domain_dataobject_first && domain <= domain_dataobject_last) {
            int32_t id = aoperate.get_aslongint2(ainstance, domain - domain_dataobject_first);
            std::unique_ptr<tdbdata_generic> data = tdbdata_database::create_dbdata(id);
            data->set_data_value(afield.as_string());
            aoperate.set_asobject2(ainstance, aindex_operate, data.release());
        }
        return;
    }
    if (!assign_mapped(type, domain, afield, tinstance_target{aoperate, ainstance, aindex_operate}))
        throw tvelmor_exception("Unsupported field assignment to %s from %s on field %s in %s.record_simple_load();",
                                value_type_name(type), get_sqltype_name(afield.sqltype()), afield.name(), class_name());
}

void tprocs_fibplus::record_load(treflected_object& arecord, tfb_query& aquery) {
    toperate_rtti_class2 operate(arecord.get_class());
    record_assign_fields(operate, arecord, aquery);
}

void tprocs_fibplus::record_assign_fields(tvalue_generic2& aoperate, treflected_object& ainstance, tfb_query& aquery) {
    for (int32_t i = 0; i < aoperate.get_field_count(); ++i)
        if (tfb_xsqlvar* f = aquery.FindField(aoperate.get_field_name(i)))
            record_assign_field(aoperate, ainstance, i, *f);
}

void tprocs_fibplus::record_assign_fields(const std::vector<int16_t>& afields_operate, tvalue_generic2& aoperate,
                                          treflected_object& ainstance, tfb_query& aquery, tload_options aoptions) {
    for (int16_t i : afields_operate) {
        std::string name = aoperate.get_field_name(i);
        if ((aoptions & lo_prefix_record) && name.size() >= 8)
            name = name.substr(8);
        if (tfb_xsqlvar* f = aquery.FindField(name))
            record_assign_field(aoperate, ainstance, i, *f);
    }
}

void tprocs_fibplus::records_load(tlist_reflected& alist, const tclass_info& aclass_element, tfb_query& aquery) {
    toperate_rtti_class2 operate(aclass_element);
    try {
        aquery.execute();
        records_load(alist, operate, aclass_element, aquery);
    } catch (...) {
        aquery.close();
        throw;
    }
    aquery.close();
}

void tprocs_fibplus::records_load(tlist_reflected& alist, tvalue_generic2& aoperate, const tclass_info& aclass_element,
                                  tfb_query& aquery) {
    for (; !aquery.eof(); aquery.next()) {
        alist.push_back(aclass_element.create());
        record_assign_fields(aoperate, *alist.back(), aquery);
    }
}
