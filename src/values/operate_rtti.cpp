#include "values/operate_rtti.h"

const tclass_info& toperate_rtti_class::static_class() {
    return describe_class<toperate_rtti_class, tvalue_generic>("toperate_rtti_class");
}

std::string toperate_rtti_class::get_field_name(int32_t aindex) const {
    return fcore.at(aindex, *this, "get_field_name").fname;
}

tvalue_type2 toperate_rtti_class::get_field_type(int32_t aindex) const { return fcore.field_type(aindex, *this); }

tproperty_kind toperate_rtti_class::get_property_kind(int32_t aindex) const {
    return fcore.at(aindex, *this, "get_property_kind").fkind;
}

bool toperate_rtti_class::get_field_index(int32_t& aindex, std::string_view afieldname) const {
    return fcore.find(aindex, afieldname);
}

bool toperate_rtti_class::get_asboolean2(const treflected_object& ainstance, int32_t aindex) const {
    return fcore.get<bool>(ainstance, aindex, tproperty_kind::pk_boolean, *this, "get_asboolean2");
}
void toperate_rtti_class::set_asboolean2(treflected_object& ainstance, int32_t aindex, bool avalue) {
    fcore.set<bool>(ainstance, aindex, tproperty_kind::pk_boolean, avalue, *this, "set_asboolean2");
}
int16_t toperate_rtti_class::get_assmallint2(const treflected_object& ainstance, int32_t aindex) const {
    return fcore.get<int16_t>(ainstance, aindex, tproperty_kind::pk_smallint, *this, "get_assmallint2");
}
void toperate_rtti_class::set_assmallint2(treflected_object& ainstance, int32_t aindex, int16_t avalue) {
    fcore.set<int16_t>(ainstance, aindex, tproperty_kind::pk_smallint, avalue, *this, "set_assmallint2");
}
int32_t toperate_rtti_class::get_aslongint2(const treflected_object& ainstance, int32_t aindex) const {
    return fcore.get<int32_t>(ainstance, aindex, tproperty_kind::pk_longint, *this, "get_aslongint2");
}
void toperate_rtti_class::set_aslongint2(treflected_object& ainstance, int32_t aindex, int32_t avalue) {
    fcore.set<int32_t>(ainstance, aindex, tproperty_kind::pk_longint, avalue, *this, "set_aslongint2");
}
int64_t toperate_rtti_class::get_asint64_2(const treflected_object& ainstance, int32_t aindex) const {
    return fcore.get<int64_t>(ainstance, aindex, tproperty_kind::pk_int64, *this, "get_asint64_2");
}
void toperate_rtti_class::set_asint64_2(treflected_object& ainstance, int32_t aindex, int64_t avalue) {
    fcore.set<int64_t>(ainstance, aindex, tproperty_kind::pk_int64, avalue, *this, "set_asint64_2");
}
tcurrency toperate_rtti_class::get_ascurrency2(const treflected_object& ainstance, int32_t aindex) const {
    return fcore.get<tcurrency>(ainstance, aindex, tproperty_kind::pk_currency, *this, "get_ascurrency2");
}
void toperate_rtti_class::set_ascurrency2(treflected_object& ainstance, int32_t aindex, tcurrency avalue) {
    fcore.set<tcurrency>(ainstance, aindex, tproperty_kind::pk_currency, avalue, *this, "set_ascurrency2");
}
std::string toperate_rtti_class::get_asansistring(const treflected_object& ainstance, int32_t aindex) const {
    return fcore.get<std::string>(ainstance, aindex, tproperty_kind::pk_ansistring, *this, "get_asansistring");
}
void toperate_rtti_class::set_asansistring(treflected_object& ainstance, int32_t aindex, const std::string& avalue) {
    fcore.set<std::string>(ainstance, aindex, tproperty_kind::pk_ansistring, avalue, *this, "set_asansistring");
}
std::u16string toperate_rtti_class::get_asunicodestring2(const treflected_object& ainstance, int32_t aindex) const {
    return fcore.get<std::u16string>(ainstance, aindex, tproperty_kind::pk_unicodestring, *this, "get_asunicodestring2");
}
void toperate_rtti_class::set_asunicodestring2(treflected_object& ainstance, int32_t aindex, const std::u16string& avalue) {
    fcore.set<std::u16string>(ainstance, aindex, tproperty_kind::pk_unicodestring, avalue, *this, "set_asunicodestring2");
}
