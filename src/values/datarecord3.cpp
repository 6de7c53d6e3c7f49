#include "values/datarecord3.h"

#include <cstring>

const tclass_info& tdatarecord3::static_class() {
    return describe_class<tdatarecord3, tvalue_generic2>("tdatarecord3");
}

int32_t tdatarecord3::field_size(tproperty_kind akind) const {
    switch (akind) {
    case tproperty_kind::pk_smallint: return 2;
    case tproperty_kind::pk_longint: return 4;
    case tproperty_kind::pk_boolean: return 1;
    case tproperty_kind::pk_int64:
    case tproperty_kind::pk_currency:
    case tproperty_kind::pk_double: return 8;
    default:
        throw tvelmor_exception("Unsupported FieldType[%s] in %s.field_size();", property_kind_name(akind), class_name());
    }
}

static tvalue_type2 value_type_of(tproperty_kind akind) {
    switch (akind) {
    case tproperty_kind::pk_smallint: return vt_smallint;
    case tproperty_kind::pk_longint: return vt_longint;
    case tproperty_kind::pk_boolean: return vt_boolean;
    case tproperty_kind::pk_int64: return vt_int64;
    case tproperty_kind::pk_currency: return vt_currency;
    default: return vt_double;
    }
}

void tdatarecord3::create() {
    const tclass_info& c = get_class();
    fcount = c.property_count();
    ffields.clear();
    ffield_types.clear();
    fsize = 0;
    for (int32_t i = 0; i < fcount; ++i) {
        tproperty_kind kind = c.property(i).fkind;
        ffields.push_back(fsize);
        fsize += field_size(kind);
        ffield_types.push_back(value_type_of(kind));
    }
    ffield_values = std::make_unique<uint8_t[]>(static_cast<size_t>(fsize));  // zero-filled
}

void tdatarecord3::check(int32_t aindex, tvalue_type2 atype, const char* aop, bool aindexed_message) const {
    if (aindex < 0 || aindex >= fcount)
        throw tvelmor_exception("OutOfRange Index[%d] in %s.%s();", aindex, class_name(), aop);
    if (ffield_types[static_cast<size_t>(aindex)] == atype) return;
    if (aindexed_message) throw tvelmor_exception("FieldType Mismatch[%d] in %s.%s();", aindex, class_name(), aop);
    throw tvelmor_exception("FieldType Mismatch in %s.%s();", class_name(), aop);
}

std::string tdatarecord3::get_field_name(int32_t aindex) const {
    if (aindex < 0 || aindex >= fcount)
        throw tvelmor_exception("OutOfRange Index[%d] in %s.get_field_name();", aindex, class_name());
    return get_class().property(aindex).fname;
}

tvalue_type2 tdatarecord3::get_field_type(int32_t aindex) const {
    if (aindex < 0 || aindex >= fcount)
        throw tvelmor_exception("OutOfRange Index[%d] in %s.get_field_type();", aindex, class_name());
    return ffield_types[static_cast<size_t>(aindex)];
}

bool tdatarecord3::get_field_is_assigned(int32_t) const { return true; }

bool tdatarecord3::get_field_index(int32_t& aindex, std::string_view afieldname) const {
    int32_t i = get_class().property_index(afieldname);
    if (i < 0) return false;
    aindex = i;
    return true;
}

template <typename T> static T read_at(const uint8_t* ablock, int32_t aoffset) {
    T v;
    std::memcpy(&v, ablock + aoffset, sizeof(T));
    return v;
}
template <typename T> static void write_at(uint8_t* ablock, int32_t aoffset, T avalue) {
    std::memcpy(ablock + aoffset, &avalue, sizeof(T));
}

int16_t tdatarecord3::get_assmallint1(int32_t aindex) const {
    check(aindex, vt_smallint, "get_assmallint1", true);
    return read_at<int16_t>(block(), ffields[static_cast<size_t>(aindex)]);
}
int32_t tdatarecord3::get_aslongint1(int32_t aindex) const {
    check(aindex, vt_longint, "get_aslongint1", true);
    return read_at<int32_t>(block(), ffields[static_cast<size_t>(aindex)]);
}
int64_t tdatarecord3::get_asint64_1(int32_t aindex) const {
    check(aindex, vt_int64, "get_asint64_1", false);
    return read_at<int64_t>(block(), ffields[static_cast<size_t>(aindex)]);
}
void tdatarecord3::set_assmallint1(int32_t aindex, int16_t avalue) {
    check(aindex, vt_smallint, "set_assmallint1", true);
    write_at(block(), ffields[static_cast<size_t>(aindex)], avalue);
}
void tdatarecord3::set_aslongint1(int32_t aindex, int32_t avalue) {
    check(aindex, vt_longint, "set_aslongint1", true);
    write_at(block(), ffields[static_cast<size_t>(aindex)], avalue);
}
void tdatarecord3::set_asint64_1(int32_t aindex, int64_t avalue) {
    check(aindex, vt_int64, "set_asint64_1", false);
    write_at(block(), ffields[static_cast<size_t>(aindex)], avalue);
}

namespace {

tproperty_value get_block_field(const treflected_object& ainstance, const tproperty_info& ainfo) {
    const auto& r = static_cast<const tdatarecord3&>(ainstance);
    switch (ainfo.fkind) {
    case tproperty_kind::pk_smallint: return int64_t{r.get_assmallint1(ainfo.ftag)};
    case tproperty_kind::pk_int64: return r.get_asint64_1(ainfo.ftag);
    default: return int64_t{r.get_aslongint1(ainfo.ftag)};
    }
}

void set_block_field(treflected_object& ainstance, const tproperty_info& ainfo, tproperty_value&& avalue) {
    auto& r = static_cast<tdatarecord3&>(ainstance);
    int64_t v = std::get<int64_t>(avalue);
    switch (ainfo.fkind) {
    case tproperty_kind::pk_smallint: r.set_assmallint1(ainfo.ftag, static_cast<int16_t>(v)); break;
    case tproperty_kind::pk_int64: r.set_asint64_1(ainfo.ftag, v); break;
    default: r.set_aslongint1(ainfo.ftag, static_cast<int32_t>(v)); break;
    }
}

}  // namespace

tproperty_info block_field(const char* aname, tproperty_kind akind, int32_t aindex) {
    return prop_access(aname, akind, get_block_field, set_block_field).tag(aindex);
}

// ---- Data objects ----

const tclass_info& tdbdata_generic::static_class() {
    return describe_class<tdbdata_generic, tdatarecord3>("tdbdata_generic");
}

std::string tdbdata_generic::get_data_value() const {
    return std::string(reinterpret_cast<const char*>(block()), static_cast<size_t>(size()));
}

void tdbdata_generic::set_data_value(const std::string& avalue) {
    if (static_cast<int64_t>(avalue.size()) != size())
        throw tvelmor_exception("Invalid DataSize in %s.set_data_value();", class_name());
    std::memcpy(block(), avalue.data(), avalue.size());
}

const tclass_info& tdbdata_cpunit_reading::static_class() {
    using k = tproperty_kind;
    return describe_class<tdbdata_cpunit_reading, tdbdata_generic>(
        "tdbdata_cpunit_reading", {block_field("reading1_date", k::pk_longint, 0), block_field("reading1", k::pk_int64, 1),
                                   block_field("reading2_date", k::pk_longint, 2), block_field("reading2", k::pk_int64, 3)});
}

std::unique_ptr<tdbdata_generic> tdbdata_database::create_dbdata(int32_t aid) {
    if (aid == tdbdata_cpunit_reading::dbdata_id) return std::make_unique<tdbdata_cpunit_reading>();
    throw tvelmor_exception("DBData[%d] Not Supported in %s.create_dbdata();", aid, class_name());
}
