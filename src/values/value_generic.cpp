#include "values/value_generic.h"

const tclass_info& tvalue_generic::static_class() {
    return describe_class<tvalue_generic, treflected_object>("tvalue_generic");
}

void tvalue_generic::not_implemented(const char* aoperation) const {
    throw tvelmor_exception("%s.%s(); not implemented.", class_name(), aoperation);
}

int32_t tvalue_generic::get_id() const { not_implemented("get_id"); }
std::string tvalue_generic::get_debug_text(int32_t) const { not_implemented("get_debug_text"); }
int32_t tvalue_generic::get_field_count() const { not_implemented("get_field_count"); }
std::string tvalue_generic::get_field_name(int32_t) const { not_implemented("get_field_name"); }
tvalue_type2 tvalue_generic::get_field_type(int32_t) const { not_implemented("get_field_type"); }
void tvalue_generic::assign(treflected_object&, const tvalue_generic&, const treflected_object&) { not_implemented("assign"); }
bool tvalue_generic::get_field_index(int32_t&, std::string_view) const { not_implemented("get_field_index"); }

bool tvalue_generic::get_asboolean() const { not_implemented("get_asboolean"); }
bool tvalue_generic::get_asboolean1(int32_t) const { not_implemented("get_asboolean1"); }
bool tvalue_generic::get_asboolean2(const treflected_object&, int32_t) const { not_implemented("get_asboolean2"); }
void tvalue_generic::set_asboolean(bool) { not_implemented("set_asboolean"); }
void tvalue_generic::set_asboolean1(int32_t, bool) { not_implemented("set_asboolean1"); }
void tvalue_generic::set_asboolean2(treflected_object&, int32_t, bool) { not_implemented("set_asboolean2"); }

int16_t tvalue_generic::get_assmallint() const { not_implemented("get_assmallint"); }
int16_t tvalue_generic::get_assmallint1(int32_t) const { not_implemented("get_assmallint1"); }
int16_t tvalue_generic::get_assmallint2(const treflected_object&, int32_t) const { not_implemented("get_assmallint2"); }
void tvalue_generic::set_assmallint(int16_t) { not_implemented("set_assmallint"); }
void tvalue_generic::set_assmallint1(int32_t, int16_t) { not_implemented("set_assmallint1"); }
void tvalue_generic::set_assmallint2(treflected_object&, int32_t, int16_t) { not_implemented("set_assmallint2"); }

int32_t tvalue_generic::get_aslongint() const { not_implemented("get_aslongint"); }
int32_t tvalue_generic::get_aslongint1(int32_t) const { not_implemented("get_aslongint1"); }
int32_t tvalue_generic::get_aslongint2(const treflected_object&, int32_t) const { not_implemented("get_aslongint2"); }
void tvalue_generic::set_aslongint(int32_t) { not_implemented("set_aslongint"); }
void tvalue_generic::set_aslongint1(int32_t, int32_t) { not_implemented("set_aslongint1"); }
void tvalue_generic::set_aslongint2(treflected_object&, int32_t, int32_t) { not_implemented("set_aslongint2"); }

int64_t tvalue_generic::get_asint64_2(const treflected_object&, int32_t) const { not_implemented("get_asint64_2"); }
void tvalue_generic::set_asint64_2(treflected_object&, int32_t, int64_t) { not_implemented("set_asint64_2"); }

tcurrency tvalue_generic::get_ascurrency2(const treflected_object&, int32_t) const { not_implemented("get_ascurrency2"); }
void tvalue_generic::set_ascurrency2(treflected_object&, int32_t, tcurrency) { not_implemented("set_ascurrency2"); }

std::string tvalue_generic::get_asansistring() const { not_implemented("get_asansistring"); }
std::string tvalue_generic::get_asansistring(int32_t) const { not_implemented("get_asansistring"); }
std::string tvalue_generic::get_asansistring(const treflected_object&, int32_t) const { not_implemented("get_asansistring"); }
void tvalue_generic::set_asansistring(const std::string&) { not_implemented("set_asansistring"); }
void tvalue_generic::set_asansistring(int32_t, const std::string&) { not_implemented("set_asansistring"); }
void tvalue_generic::set_asansistring(treflected_object&, int32_t, const std::string&) { not_implemented("set_asansistring"); }

std::u16string tvalue_generic::get_asunicodestring() const { not_implemented("get_asunicodestring"); }
std::u16string tvalue_generic::get_asunicodestring1(int32_t) const { not_implemented("get_asunicodestring1"); }
std::u16string tvalue_generic::get_asunicodestring2(const treflected_object&, int32_t) const { not_implemented("get_asunicodestring2"); }
void tvalue_generic::set_asunicodestring(const std::u16string&) { not_implemented("set_asunicodestring"); }
void tvalue_generic::set_asunicodestring1(int32_t, const std::u16string&) { not_implemented("set_asunicodestring1"); }
void tvalue_generic::set_asunicodestring2(treflected_object&, int32_t, const std::u16string&) { not_implemented("set_asunicodestring2"); }
