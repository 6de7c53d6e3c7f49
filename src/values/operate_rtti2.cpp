#include "values/operate_rtti2.h"

const tclass_info& toperate_rtti_class2::static_class() {
    return describe_class<toperate_rtti_class2, tvalue_generic2>("toperate_rtti_class2");
}

const tclass_info& toperate_rtti_object2::static_class() {
    return describe_class<toperate_rtti_object2, toperate_rtti_class2>("toperate_rtti_object2");
}

bool toperate_rtti_class2::get_field_is_assigned(int32_t aindex) const {
    fcore.at(aindex, *this, "get_field_is_assigned");
    return true;
}

int32_t toperate_rtti_class2::get_field_domain(int32_t aindex) const {
    return static_cast<int32_t>(fcore.at(aindex, *this, "get_field_domain").domain());
}

double toperate_rtti_class2::get_asdouble2(const treflected_object& ainstance, int32_t aindex) const {
    return fcore.get<double>(ainstance, aindex, tproperty_kind::pk_double, *this, "get_asdouble2");
}
void toperate_rtti_class2::set_asdouble2(treflected_object& ainstance, int32_t aindex, double avalue) {
    fcore.set<double>(ainstance, aindex, tproperty_kind::pk_double, avalue, *this, "set_asdouble2");
}
treflected_object* toperate_rtti_class2::get_asobject2(const treflected_object& ainstance, int32_t aindex) const {
    return fcore.get<treflected_object*>(ainstance, aindex, tproperty_kind::pk_object, *this, "get_asobject2");
}
void toperate_rtti_class2::set_asobject2(treflected_object& ainstance, int32_t aindex, treflected_object* avalue) {
    fcore.set<treflected_object*>(ainstance, aindex, tproperty_kind::pk_object, avalue, *this, "set_asobject2");
}

bool toperate_rtti_object2::get_field_is_assigned(int32_t aindex) const {
    fcore.at(aindex, *this, "get_field_is_assigned");
    return fvalue_object ? fvalue_object->get_field_is_assigned(aindex) : true;
}

bool toperate_rtti_object2::get_asboolean1(int32_t aindex) const {
    return fcore.get<bool>(*finstance, aindex, tproperty_kind::pk_boolean, *this, "get_asboolean1");
}
void toperate_rtti_object2::set_asboolean1(int32_t aindex, bool avalue) {
    fcore.set<bool>(*finstance, aindex, tproperty_kind::pk_boolean, avalue, *this, "set_asboolean1");
}
int16_t toperate_rtti_object2::get_assmallint1(int32_t aindex) const {
    return fcore.get<int16_t>(*finstance, aindex, tproperty_kind::pk_smallint, *this, "get_assmallint1");
}
void toperate_rtti_object2::set_assmallint1(int32_t aindex, int16_t avalue) {
    fcore.set<int16_t>(*finstance, aindex, tproperty_kind::pk_smallint, avalue, *this, "set_assmallint1");
}
int32_t toperate_rtti_object2::get_aslongint1(int32_t aindex) const {
    return fcore.get<int32_t>(*finstance, aindex, tproperty_kind::pk_longint, *this, "get_aslongint1");
}
void toperate_rtti_object2::set_aslongint1(int32_t aindex, int32_t avalue) {
    fcore.set<int32_t>(*finstance, aindex, tproperty_kind::pk_longint, avalue, *this, "set_aslongint1");
}
int64_t toperate_rtti_object2::get_asint64_1(int32_t aindex) const {
    return fcore.get<int64_t>(*finstance, aindex, tproperty_kind::pk_int64, *this, "get_asint64_1");
}
void toperate_rtti_object2::set_asint64_1(int32_t aindex, int64_t avalue) {
    fcore.set<int64_t>(*finstance, aindex, tproperty_kind::pk_int64, avalue, *this, "set_asint64_1");
}
tcurrency toperate_rtti_object2::get_ascurrency1(int32_t aindex) const {
    return fcore.get<tcurrency>(*finstance, aindex, tproperty_kind::pk_currency, *this, "get_ascurrency1");
}
void toperate_rtti_object2::set_ascurrency1(int32_t aindex, tcurrency avalue) {
    fcore.set<tcurrency>(*finstance, aindex, tproperty_kind::pk_currency, avalue, *this, "set_ascurrency1");
}
std::string toperate_rtti_object2::get_asansistring(int32_t aindex) const {
    return fcore.get<std::string>(*finstance, aindex, tproperty_kind::pk_ansistring, *this, "get_asansistring");
}
void toperate_rtti_object2::set_asansistring(int32_t aindex, const std::string& avalue) {
    fcore.set<std::string>(*finstance, aindex, tproperty_kind::pk_ansistring, avalue, *this, "set_asansistring");
}
std::u16string toperate_rtti_object2::get_asunicodestring1(int32_t aindex) const {
    return fcore.get<std::u16string>(*finstance, aindex, tproperty_kind::pk_unicodestring, *this, "get_asunicodestring1");
}
void toperate_rtti_object2::set_asunicodestring1(int32_t aindex, const std::u16string& avalue) {
    fcore.set<std::u16string>(*finstance, aindex, tproperty_kind::pk_unicodestring, avalue, *this, "set_asunicodestring1");
}
