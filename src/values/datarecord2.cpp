#include "values/datarecord2.h"

#include <algorithm>

const tclass_info& tdatarecord2::static_class() {
    static const tclass_info info("tdatarecord2", &tvalue_generic2::static_class(), factory_of<tdatarecord2>);
    return info;
}

static tvalue_type2 value_type_of(tdben_fieldtype atype) {
    switch (atype) {
    case dben_ft_smallint: return vt_smallint;
    case dben_ft_longint: return vt_longint;
    case dben_ft_int64: return vt_int64;
    case dben_ft_double: return vt_double;
    case dben_ft_ansistring: return vt_ansistring;
    case dben_ft_unicodestring: return vt_unicodestring;
    case dben_ft_decimal: return vt_int64;
    case dben_ft_currency1: return vt_currency;
    case dben_ft_currency2: return vt_currency;
    case dben_ft_currency8dp: return vt_int64;
    case dben_ft_boolean: return vt_boolean;
    case dben_ft_dataobj: return vt_object;
    }
    return vt_none;
}

static tslot_kind slot_kind_of(tvalue_type2 atype) {
    switch (atype) {
    case vt_unicodestring: return tslot_kind::unicodestring;
    case vt_ansistring: return tslot_kind::ansistring;
    case vt_object: return tslot_kind::object;
    default: return tslot_kind::plain;
    }
}

void tdatarecord2::create(tdben_table adben_table, bool as_pk_only) {
    const tdben_table_info& table = dben_table_info(adben_table);
    int16_t count = as_pk_only ? table.fcount_pkfields : table.count();
    std::vector<std::string> names;
    std::vector<tvalue_type2> types;
    std::vector<int32_t> domains;
    for (int16_t i = 0; i < count; ++i) {
        const tdben_field& f = table.ffields[static_cast<size_t>(i)];
        names.emplace_back(f.fname);
        types.push_back(value_type_of(f.ftype));
        domains.push_back(f.ftype == dben_ft_currency8dp ? domain_decimal18p8 : 0);
    }
    define_fields(std::move(names), std::move(types), std::move(domains), table.fcount_pkfields);
}

void tdatarecord2::define_fields(std::vector<std::string> anames, std::vector<tvalue_type2> atypes,
                                 std::vector<int32_t> adomains, int16_t acount_pkfields) {
    fcount = static_cast<int16_t>(anames.size());
    fcount_pkfields = std::min(acount_pkfields, fcount);
    ffield_names = std::move(anames);
    ffield_types = std::move(atypes);
    ffield_domains = std::move(adomains);
    std::vector<tslot_kind> kinds;
    for (tvalue_type2 t : ffield_types) kinds.push_back(slot_kind_of(t));
    fstore.reset(std::move(kinds));
}

void tdatarecord2::clear() { fstore.clear(); }

void tdatarecord2::check_index(int32_t aindex, const char* aop) const {
    if (aindex < 0 || aindex >= fcount)
        throw tvelmor_exception("OutOfRange Index[%d] in %s.%s();", aindex, class_name(), aop);
}

void tdatarecord2::check_access(int32_t aindex, const taccess& aaccess) const {
    check_index(aindex, aaccess.fop);
    if (ffield_types[static_cast<size_t>(aindex)] != aaccess.ftype) {
        if (aaccess.findexed_mismatch)
            throw tvelmor_exception("FieldType Mismatch[%d] in %s.%s();", aindex, class_name(), aaccess.fop);
        throw tvelmor_exception("FieldType Mismatch in %s.%s();", class_name(), aaccess.fop);
    }
    if (aaccess.fno_unassigned_check || fstore.is_assigned(aindex)) return;
    if (aaccess.ftype == vt_boolean)
        throw tvelmor_exception("Read UnAssigned FieldNo[%d] %s.%s();", aindex, class_name(), aaccess.fop);
    throw tvelmor_exception("Read On UnAssigned Field[%d] in %s.%s();", aindex, class_name(), aaccess.fop);
}

std::string tdatarecord2::get_debug_text(int32_t aindent) const {
    std::string r;
    for (int32_t i = 0; i < fcount; ++i) {
        r += std::string(static_cast<size_t>(std::max(aindent, 0)), ' ') + ffield_names[static_cast<size_t>(i)] + " " +
             value_type_name(ffield_types[static_cast<size_t>(i)]) +
             (fstore.is_assigned(i) ? "" : " (unassigned)") + "\n";
    }
    return r;
}

std::string tdatarecord2::get_field_name(int32_t aindex) const {
    check_index(aindex, "get_field_name");
    return ffield_names[static_cast<size_t>(aindex)];
}

tvalue_type2 tdatarecord2::get_field_type(int32_t aindex) const {
    check_index(aindex, "get_field_type");
    return ffield_types[static_cast<size_t>(aindex)];
}

bool tdatarecord2::get_field_is_assigned(int32_t aindex) const {
    check_index(aindex, "get_field_is_assigned");
    return fstore.is_assigned(aindex);
}

int32_t tdatarecord2::get_field_domain(int32_t aindex) const {
    check_index(aindex, "get_field_domain");
    return ffield_domains[static_cast<size_t>(aindex)];
}

bool tdatarecord2::get_field_index(int32_t& aindex, std::string_view afieldname) const {
    for (int32_t i = 0; i < fcount; ++i) {
        if (same_text_nocase(ffield_names[static_cast<size_t>(i)], afieldname)) {
            aindex = i;
            return true;
        }
    }
    return false;
}

bool tdatarecord2::get_asboolean1(int32_t aindex) const {
    check_access(aindex, {vt_boolean, "get_asboolean1", false, false});
    return fstore.read<int32_t>(aindex) != 0;
}
int16_t tdatarecord2::get_assmallint1(int32_t aindex) const {
    check_access(aindex, {vt_smallint, "get_assmallint1", true, false});
    return fstore.read<int16_t>(aindex);
}
int32_t tdatarecord2::get_aslongint1(int32_t aindex) const {
    check_access(aindex, {vt_longint, "get_aslongint1", true, false});
    return fstore.read<int32_t>(aindex);
}
int64_t tdatarecord2::get_asint64_1(int32_t aindex) const {
    check_access(aindex, {vt_int64, "get_asint64_1", false, false});
    return fstore.read<int64_t>(aindex);
}
tcurrency tdatarecord2::get_ascurrency1(int32_t aindex) const {
    check_access(aindex, {vt_currency, "get_ascurrency1", false, false});
    return tcurrency(fstore.read<int64_t>(aindex));
}
std::u16string tdatarecord2::get_asunicodestring1(int32_t aindex) const {
    check_access(aindex, {vt_unicodestring, "get_asunicodestring1", true, false});
    return fstore.read_unicodestring(aindex);
}
double tdatarecord2::get_asdouble1(int32_t aindex) const {
    check_access(aindex, {vt_double, "get_asdouble1", false, false});
    return fstore.read<double>(aindex);
}
treflected_object* tdatarecord2::get_asobject1(int32_t aindex) const {
    check_access(aindex, {vt_object, "get_asobject1", true, false});
    return fstore.read_object(aindex);
}

void tdatarecord2::set_asboolean1(int32_t aindex, bool avalue) {
    check_access(aindex, {vt_boolean, "set_asboolean1", false, true});
    fstore.write<int32_t>(aindex, avalue ? 1 : 0);
}
void tdatarecord2::set_assmallint1(int32_t aindex, int16_t avalue) {
    check_access(aindex, {vt_smallint, "set_assmallint1", true, true});
    fstore.write(aindex, avalue);
}
void tdatarecord2::set_aslongint1(int32_t aindex, int32_t avalue) {
    check_access(aindex, {vt_longint, "set_aslongint1", true, true});
    fstore.write(aindex, avalue);
}
void tdatarecord2::set_asint64_1(int32_t aindex, int64_t avalue) {
    check_access(aindex, {vt_int64, "set_asint64_1", false, true});
    fstore.write(aindex, avalue);
}
void tdatarecord2::set_ascurrency1(int32_t aindex, tcurrency avalue) {
    check_access(aindex, {vt_currency, "set_ascurrency1", false, true});
    fstore.write(aindex, avalue.value);
}
void tdatarecord2::set_asunicodestring1(int32_t aindex, const std::u16string& avalue) {
    check_access(aindex, {vt_unicodestring, "set_asunicodestring1", true, true});
    fstore.write_unicodestring(aindex, avalue);
}
void tdatarecord2::set_asdouble1(int32_t aindex, double avalue) {
    check_access(aindex, {vt_double, "set_asdouble1", false, true});
    fstore.write(aindex, avalue);
}
void tdatarecord2::set_asobject1(int32_t aindex, treflected_object* avalue) {
    check_access(aindex, {vt_object, "set_asobject1", true, true});
    fstore.write_object(aindex, avalue);
}
