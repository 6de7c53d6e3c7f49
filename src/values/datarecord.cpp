#include "values/datarecord.h"

const tclass_info& tdataobject::static_class() {
    return describe_class<tdataobject, treflected_object>("tdataobject");
}
const tclass_info& tdatarecord::static_class() { return describe_class<tdatarecord, tdataobject>("tdatarecord"); }

static tslot_kind slot_kind_of(tdben_fieldtype atype) {
    if (atype == dben_ft_unicodestring) return tslot_kind::unicodestring;
    if (atype == dben_ft_ansistring) return tslot_kind::ansistring;
    if (atype == dben_ft_dataobj) return tslot_kind::object;
    return tslot_kind::plain;
}

void tdatarecord::define_fields(std::vector<std::string> anames, std::vector<tdben_fieldtype> atypes,
                                int16_t acount_pkfields) {
    fcount = static_cast<int16_t>(anames.size());
    fcount_pkfields = std::min(acount_pkfields, fcount);
    ffield_names = std::move(anames);
    ffield_types = std::move(atypes);
    std::vector<tslot_kind> kinds;
    for (tdben_fieldtype t : ffield_types) kinds.push_back(slot_kind_of(t));
    fstore.reset(std::move(kinds));
}

void tdatarecord::check(int32_t aindex, std::initializer_list<tdben_fieldtype> atypes, const char* aop, bool aread) const {
    bool type_ok = false;
    if (aindex >= 0 && aindex < fcount) {
        for (tdben_fieldtype t : atypes) type_ok = type_ok || ffield_types[static_cast<size_t>(aindex)] == t;
    }
    if (!type_ok) throw tvelmor_exception("Fieldtype mismatch in %s.%s( %d );", class_name(), aop, aindex);
    if (aread && !fstore.is_assigned(aindex))
        throw tvelmor_exception("Read on unassigned field in %s.%s( %d );", class_name(), aop, aindex);
}

int32_t tdatarecord::get_field_index(std::string_view aname) const {
    for (int32_t i = 0; i < fcount; ++i) {
        if (same_text_nocase(ffield_names[static_cast<size_t>(i)], aname)) return i;
    }
    return -1;
}

int32_t tdatarecord::by_name(std::string_view aname, const char* aop) const {
    int32_t i = get_field_index(aname);
    if (i < 0) throw tvelmor_exception("Field [%s] not found in %s.%s();", std::string(aname), class_name(), aop);
    return i;
}

static void check_index(const tdatarecord& arecord, int32_t aindex, const char* aop) {
    if (aindex < 0 || aindex >= arecord.count())
        throw tvelmor_exception("OutOfRange Index[%d] in %s.%s();", aindex, arecord.class_name(), aop);
}

std::string tdatarecord::get_field_name(int32_t aindex) const {
    check_index(*this, aindex, "get_field_name");
    return ffield_names[static_cast<size_t>(aindex)];
}
tdben_fieldtype tdatarecord::get_field_type(int32_t aindex) const {
    check_index(*this, aindex, "get_field_type");
    return ffield_types[static_cast<size_t>(aindex)];
}
bool tdatarecord::get_is_field_assigned(int32_t aindex) const {
    check_index(*this, aindex, "get_is_field_assigned");
    return fstore.is_assigned(aindex);
}

bool tdatarecord::get_field_asb(int32_t aindex) const {
    check(aindex, {dben_ft_boolean}, "get_field_asb", true);
    return fstore.read<int32_t>(aindex) != 0;
}
int16_t tdatarecord::get_field_ass(int32_t aindex) const {
    check(aindex, {dben_ft_smallint}, "get_field_ass", true);
    return fstore.read<int16_t>(aindex);
}
int32_t tdatarecord::get_field_asl(int32_t aindex) const {
    check(aindex, {dben_ft_longint}, "get_field_asl", true);
    return fstore.read<int32_t>(aindex);
}
tcurrency tdatarecord::get_field_asm(int32_t aindex) const {
    check(aindex, {dben_ft_currency1, dben_ft_currency2}, "get_field_asm", true);
    return tcurrency(fstore.read<int64_t>(aindex));
}
int64_t tdatarecord::get_field_asint64(int32_t aindex) const {
    check(aindex, {dben_ft_int64, dben_ft_decimal, dben_ft_currency1, dben_ft_currency8dp}, "get_field_asint64", true);
    return fstore.read<int64_t>(aindex);
}
std::u16string tdatarecord::get_field_asu(int32_t aindex) const {
    check(aindex, {dben_ft_unicodestring}, "get_field_asu", true);
    return fstore.read_unicodestring(aindex);
}

void tdatarecord::set_field_asb(int32_t aindex, bool avalue) {
    check(aindex, {dben_ft_boolean}, "set_field_asb", false);
    fstore.write<int32_t>(aindex, avalue ? 1 : 0);
}
void tdatarecord::set_field_ass(int32_t aindex, int16_t avalue) {
    check(aindex, {dben_ft_smallint}, "set_field_ass", false);
    fstore.write(aindex, avalue);
}
void tdatarecord::set_field_asl(int32_t aindex, int32_t avalue) {
    check(aindex, {dben_ft_longint}, "set_field_asl", false);
    fstore.write(aindex, avalue);
}
void tdatarecord::set_field_asm(int32_t aindex, tcurrency avalue) {
    check(aindex, {dben_ft_currency1, dben_ft_currency2}, "set_field_asm", false);
    fstore.write(aindex, avalue.value);
}
void tdatarecord::set_field_asint64(int32_t aindex, int64_t avalue) {
    check(aindex, {dben_ft_int64, dben_ft_decimal, dben_ft_currency1, dben_ft_currency8dp}, "set_field_asint64", false);
    fstore.write(aindex, avalue);
}
void tdatarecord::set_field_asu(int32_t aindex, const std::u16string& avalue) {
    check(aindex, {dben_ft_unicodestring}, "set_field_asu", false);
    fstore.write_unicodestring(aindex, avalue);
}

// ---- Records over a catalogue table ----

const tclass_info& tdatarecord_table::static_class() {
    return describe_class<tdatarecord_table, tdatarecord>("tdatarecord_table");
}

tdatarecord_table::tdatarecord_table(tdben_table adben_table, bool as_pk_only) : fdben_table(adben_table) {
    const tdben_table_info& table = dben_table_info(adben_table);
    int16_t count = as_pk_only ? table.fcount_pkfields : table.count();
    std::vector<std::string> names;
    std::vector<tdben_fieldtype> types;
    for (int16_t i = 0; i < count; ++i) {
        names.emplace_back(table.ffields[static_cast<size_t>(i)].fname);
        types.push_back(table.ffields[static_cast<size_t>(i)].ftype);
    }
    define_fields(std::move(names), std::move(types), table.fcount_pkfields);
}

const tclass_info& tdbrecord_generic::static_class() {
    return describe_class<tdbrecord_generic, tdatarecord_table>("tdbrecord_generic");
}
const tclass_info& tdbrecord_job_hdr::static_class() {
    return describe_class<tdbrecord_job_hdr, tdbrecord_generic>("tdbrecord_job_hdr");
}
const tclass_info& tdbrecord_cp_unit::static_class() {
    return describe_class<tdbrecord_cp_unit, tdbrecord_generic>("tdbrecord_cp_unit");
}

// ---- Records over the declared properties of their class ----

const tclass_info& tdatarecord_class::static_class() {
    return describe_class<tdatarecord_class, tdatarecord>("tdatarecord_class");
}

void tdatarecord_class::create() {
    const tclass_info& c = get_class();
    std::vector<std::string> names;
    std::vector<tdben_fieldtype> types;
    for (int32_t i = 0; i < c.property_count(); ++i) {
        const tproperty_info& p = c.property(i);
        // Field properties find their field by the index they declare.
        if (p.ftag != i) throw tvelmor_exception("Property %s declares field %d in %s.create();", p.fname, p.ftag, class_name());
        switch (p.fkind) {
        case tproperty_kind::pk_smallint: types.push_back(dben_ft_smallint); break;
        case tproperty_kind::pk_longint: types.push_back(dben_ft_longint); break;
        case tproperty_kind::pk_currency: types.push_back(dben_ft_currency1); break;
        case tproperty_kind::pk_unicodestring: types.push_back(dben_ft_unicodestring); break;
        default:
            throw tvelmor_exception("Unsupported field type %s in %s.create();", property_kind_name(p.fkind), class_name());
        }
        names.emplace_back(p.fname);
    }
    define_fields(std::move(names), std::move(types), 0);
}

namespace {

tproperty_value get_record_field(const treflected_object& ainstance, const tproperty_info& ainfo) {
    const auto& r = static_cast<const tdatarecord&>(ainstance);
    switch (ainfo.fkind) {
    case tproperty_kind::pk_smallint: return int64_t{r.get_field_ass(ainfo.ftag)};
    case tproperty_kind::pk_currency: return r.get_field_asm(ainfo.ftag);
    case tproperty_kind::pk_unicodestring: return r.get_field_asu(ainfo.ftag);
    default: return int64_t{r.get_field_asl(ainfo.ftag)};
    }
}

void set_record_field(treflected_object& ainstance, const tproperty_info& ainfo, tproperty_value&& avalue) {
    auto& r = static_cast<tdatarecord&>(ainstance);
    switch (ainfo.fkind) {
    case tproperty_kind::pk_smallint: r.set_field_ass(ainfo.ftag, static_cast<int16_t>(std::get<int64_t>(avalue))); break;
    case tproperty_kind::pk_currency: r.set_field_asm(ainfo.ftag, std::get<tcurrency>(avalue)); break;
    case tproperty_kind::pk_unicodestring: r.set_field_asu(ainfo.ftag, std::get<std::u16string>(avalue)); break;
    default: r.set_field_asl(ainfo.ftag, static_cast<int32_t>(std::get<int64_t>(avalue))); break;
    }
}

}  // namespace

tproperty_info record_field(const char* aname, tproperty_kind akind, int32_t aindex) {
    return prop_access(aname, akind, get_record_field, set_record_field).tag(aindex);
}

const tclass_info& tdbconstruct_job::static_class() {
    using k = tproperty_kind;
    return describe_class<tdbconstruct_job, tdatarecord_class>(
        "tdbconstruct_job",
        {record_field("id", k::pk_longint, 0), record_field("lineno", k::pk_smallint, 1),
         record_field("account", k::pk_longint, 2), record_field("partno", k::pk_unicodestring, 3),
         record_field("description", k::pk_unicodestring, 4), record_field("notes", k::pk_unicodestring, 5),
         record_field("qty", k::pk_longint, 6), record_field("line_total", k::pk_currency, 7),
         record_field("status", k::pk_smallint, 8)});
}
