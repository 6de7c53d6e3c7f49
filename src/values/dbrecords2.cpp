#include "values/dbrecords2.h"

#include <string>

const tclass_info& tdbrecord_generic2::static_class() {
    static const tclass_info info("tdbrecord_generic2", &tdatarecord2::static_class());
    return info;
}

void tdbrecord_generic2::create(bool) { throw tvelmor_exception("%s.create(); not implemented", class_name()); }

void tdbrecord_generic2::create_table(tdben_table adben_table, bool as_pk_only) {
    tdatarecord2::create(adben_table, as_pk_only);
    fdben_table = adben_table;
}

const char* dbrecord2_class_name(tdben_table atable) {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> r;
        for (int t = 0; t < dben_table_count; ++t)
            r.push_back(std::string("tdbrecord_") + dben_table_info(static_cast<tdben_table>(t)).fname + "2");
        return r;
    }();
    return names[atable].c_str();
}

namespace {

const tvalue_generic2& as_value(const treflected_object& ainstance) {
    return static_cast<const tvalue_generic2&>(ainstance);
}
tvalue_generic2& as_value(treflected_object& ainstance) { return static_cast<tvalue_generic2&>(ainstance); }

// A field property reads and writes its field through the record's by-index accessors.
tproperty_value get_field(const treflected_object& ainstance, const tproperty_info& ainfo) {
    const tvalue_generic2& r = as_value(ainstance);
    switch (ainfo.fkind) {
    case tproperty_kind::pk_smallint: return int64_t{r.get_assmallint1(ainfo.ftag)};
    case tproperty_kind::pk_longint: return int64_t{r.get_aslongint1(ainfo.ftag)};
    case tproperty_kind::pk_int64: return r.get_asint64_1(ainfo.ftag);
    case tproperty_kind::pk_boolean: return r.get_asboolean1(ainfo.ftag);
    case tproperty_kind::pk_currency: return r.get_ascurrency1(ainfo.ftag);
    case tproperty_kind::pk_double: return r.get_asdouble1(ainfo.ftag);
    case tproperty_kind::pk_unicodestring: return r.get_asunicodestring1(ainfo.ftag);
    case tproperty_kind::pk_object: return r.get_asobject1(ainfo.ftag);
    default: return r.get_asansistring(ainfo.ftag);
    }
}

void set_field(treflected_object& ainstance, const tproperty_info& ainfo, tproperty_value&& avalue) {
    tvalue_generic2& r = as_value(ainstance);
    switch (ainfo.fkind) {
    case tproperty_kind::pk_smallint: r.set_assmallint1(ainfo.ftag, static_cast<int16_t>(std::get<int64_t>(avalue))); break;
    case tproperty_kind::pk_longint: r.set_aslongint1(ainfo.ftag, static_cast<int32_t>(std::get<int64_t>(avalue))); break;
    case tproperty_kind::pk_int64: r.set_asint64_1(ainfo.ftag, std::get<int64_t>(avalue)); break;
    case tproperty_kind::pk_boolean: r.set_asboolean1(ainfo.ftag, std::get<bool>(avalue)); break;
    case tproperty_kind::pk_currency: r.set_ascurrency1(ainfo.ftag, std::get<tcurrency>(avalue)); break;
    case tproperty_kind::pk_double: r.set_asdouble1(ainfo.ftag, std::get<double>(avalue)); break;
    case tproperty_kind::pk_unicodestring: r.set_asunicodestring1(ainfo.ftag, std::get<std::u16string>(avalue)); break;
    case tproperty_kind::pk_object: r.set_asobject1(ainfo.ftag, std::get<treflected_object*>(avalue)); break;
    default: r.set_asansistring(ainfo.ftag, std::get<std::string>(avalue)); break;
    }
}

tproperty_kind property_kind_of(tdben_fieldtype atype) {
    switch (atype) {
    case dben_ft_smallint: return tproperty_kind::pk_smallint;
    case dben_ft_longint: return tproperty_kind::pk_longint;
    case dben_ft_int64:
    case dben_ft_decimal:
    case dben_ft_currency8dp: return tproperty_kind::pk_int64;
    case dben_ft_double: return tproperty_kind::pk_double;
    case dben_ft_ansistring: return tproperty_kind::pk_ansistring;
    case dben_ft_unicodestring: return tproperty_kind::pk_unicodestring;
    case dben_ft_currency1:
    case dben_ft_currency2: return tproperty_kind::pk_currency;
    case dben_ft_boolean: return tproperty_kind::pk_boolean;
    case dben_ft_dataobj: return tproperty_kind::pk_object;
    }
    return tproperty_kind::pk_longint;
}

}  // namespace

std::vector<tproperty_info> dbrecord2_properties(tdben_table atable) {
    const tdben_table_info& table = dben_table_info(atable);
    std::vector<tproperty_info> r;
    for (int32_t i = 0; i < table.count(); ++i) {
        const tdben_field& f = table.ffields[static_cast<size_t>(i)];
        tproperty_info p = prop_access(f.fname, property_kind_of(f.ftype), get_field, set_field).tag(i);
        if (f.ftype == dben_ft_currency8dp) p = p.def(domain_decimal18p8);
        // A data object column: its id is in the field just before it.
        if (f.ftype == dben_ft_dataobj) p = p.def(domain_dataobject_first + i - 1);
        r.push_back(p);
    }
    return r;
}

void register_dbrecords2(tclass_registry& aregistry) {
    aregistry.add(tdbrecord_account2::static_class());
    aregistry.add(tdbrecord_contact2::static_class());
    aregistry.add(tdbrecord_plu2::static_class());
    aregistry.add(tdbrecord_operator2::static_class());
    aregistry.add(tdbrecord_cp_site2::static_class());
    aregistry.add(tdbrecord_cp_unit2::static_class());
    aregistry.add(tdbrecord_bill_item2::static_class());
    aregistry.add(tdbrecord_cp_unit_reading2::static_class());
    aregistry.add(tdbrecord_cp_invoice2::static_class());
    aregistry.add(tdbrecord_cp_invoice_billitem2::static_class());
    aregistry.add(tdbrecord_invoice_billitem2::static_class());
    aregistry.add(tdbrecord_invoice_data2::static_class());
}
