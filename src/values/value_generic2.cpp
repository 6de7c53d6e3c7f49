#include "values/value_generic2.h"

const tclass_info& tvalue_generic2::static_class() {
    static const tclass_info info("tvalue_generic2", &treflected_object::static_class());
    return info;
}

void tvalue_generic2::not_implemented(const char* aoperation) const {
    throw tvelmor_exception("%s.%s(); not implemented.", class_name(), aoperation);
}

std::string tvalue_generic2::get_debug_text(int32_t) const { not_implemented("get_debug_text"); }
int32_t tvalue_generic2::get_field_count() const { not_implemented("get_field_count"); }
std::string tvalue_generic2::get_field_name(int32_t) const { not_implemented("get_field_name"); }
tvalue_type2 tvalue_generic2::get_field_type(int32_t) const { not_implemented("get_field_type"); }
bool tvalue_generic2::get_field_is_assigned(int32_t) const { not_implemented("get_field_is_assigned"); }
int32_t tvalue_generic2::get_field_domain(int32_t) const { not_implemented("get_field_domain"); }
bool tvalue_generic2::get_field_index(int32_t&, std::string_view) const { not_implemented("get_field_index"); }

bool tvalue_generic2::get_asboolean() const { not_implemented("get_asboolean"); }
bool tvalue_generic2::get_asboolean1(int32_t) const { not_implemented("get_asboolean1"); }
bool tvalue_generic2::get_asboolean2(const treflected_object&, int32_t) const { not_implemented("get_asboolean2"); }
void tvalue_generic2::set_asboolean(bool) { not_implemented("set_asboolean"); }
void tvalue_generic2::set_asboolean1(int32_t, bool) { not_implemented("set_asboolean1"); }
void tvalue_generic2::set_asboolean2(treflected_object&, int32_t, bool) { not_implemented("set_asboolean2"); }

int16_t tvalue_generic2::get_assmallint() const { not_implemented("get_assmallint"); }
int16_t tvalue_generic2::get_assmallint1(int32_t) const { not_implemented("get_assmallint1"); }
int16_t tvalue_generic2::get_assmallint2(const treflected_object&, int32_t) const { not_implemented("get_assmallint2"); }
void tvalue_generic2::set_assmallint(int16_t) { not_implemented("set_assmallint"); }
void tvalue_generic2::set_assmallint1(int32_t, int16_t) { not_implemented("set_assmallint1"); }
void tvalue_generic2::set_assmallint2(treflected_object&, int32_t, int16_t) { not_implemented("set_assmallint2"); }

int32_t tvalue_generic2::get_aslongint() const { not_implemented("get_aslongint"); }
int32_t tvalue_generic2::get_aslongint1(int32_t) const { not_implemented("get_aslongint1"); }
int32_t tvalue_generic2::get_aslongint2(const treflected_object&, int32_t) const { not_implemented("get_aslongint2"); }
void tvalue_generic2::set_aslongint(int32_t) { not_implemented("set_aslongint"); }
void tvalue_generic2::set_aslongint1(int32_t, int32_t) { not_implemented("set_aslongint1"); }
void tvalue_generic2::set_aslongint2(treflected_object&, int32_t, int32_t) { not_implemented("set_aslongint2"); }

int64_t tvalue_generic2::get_asint64() const { not_implemented("get_asint64"); }
int64_t tvalue_generic2::get_asint64_1(int32_t) const { not_implemented("get_asint64_1"); }
int64_t tvalue_generic2::get_asint64_2(const treflected_object&, int32_t) const { not_implemented("get_asint64_2"); }
void tvalue_generic2::set_asint64(int64_t) { not_implemented("set_asint64"); }
void tvalue_generic2::set_asint64_1(int32_t, int64_t) { not_implemented("set_asint64_1"); }
void tvalue_generic2::set_asint64_2(treflected_object&, int32_t, int64_t) { not_implemented("set_asint64_2"); }

tcurrency tvalue_generic2::get_ascurrency() const { not_implemented("get_ascurrency"); }
tcurrency tvalue_generic2::get_ascurrency1(int32_t) const { not_implemented("get_ascurrency1"); }
tcurrency tvalue_generic2::get_ascurrency2(const treflected_object&, int32_t) const { not_implemented("get_ascurrency2"); }
void tvalue_generic2::set_ascurrency(tcurrency) { not_implemented("set_ascurrency"); }
void tvalue_generic2::set_ascurrency1(int32_t, tcurrency) { not_implemented("set_ascurrency1"); }
void tvalue_generic2::set_ascurrency2(treflected_object&, int32_t, tcurrency) { not_implemented("set_ascurrency2"); }

std::string tvalue_generic2::get_asansistring() const { not_implemented("get_asansistring"); }
std::string tvalue_generic2::get_asansistring(int32_t) const { not_implemented("get_asansistring"); }
std::string tvalue_generic2::get_asansistring(const treflected_object&, int32_t) const { not_implemented("get_asansistring"); }
void tvalue_generic2::set_asansistring(const std::string&) { not_implemented("set_asansistring"); }
void tvalue_generic2::set_asansistring(int32_t, const std::string&) { not_implemented("set_asansistring"); }
void tvalue_generic2::set_asansistring(treflected_object&, int32_t, const std::string&) { not_implemented("set_asansistring"); }

std::u16string tvalue_generic2::get_asunicodestring() const { not_implemented("get_asunicodestring"); }
std::u16string tvalue_generic2::get_asunicodestring1(int32_t) const { not_implemented("get_asunicodestrin1"); }
std::u16string tvalue_generic2::get_asunicodestring2(const treflected_object&, int32_t) const { not_implemented("get_asunicodestring2"); }
void tvalue_generic2::set_asunicodestring(const std::u16string&) { not_implemented("set_asunicodestring"); }
void tvalue_generic2::set_asunicodestring1(int32_t, const std::u16string&) { not_implemented("set_asunicodestring1"); }
void tvalue_generic2::set_asunicodestring2(treflected_object&, int32_t, const std::u16string&) { not_implemented("set_asunicodestring2"); }

double tvalue_generic2::get_asdouble() const { not_implemented("get_asdouble"); }
double tvalue_generic2::get_asdouble1(int32_t) const { not_implemented("get_asdouble1"); }
double tvalue_generic2::get_asdouble2(const treflected_object&, int32_t) const { not_implemented("get_asdouble2"); }
void tvalue_generic2::set_asdouble(double) { not_implemented("set_asdouble"); }
void tvalue_generic2::set_asdouble1(int32_t, double) { not_implemented("set_asdouble1"); }
void tvalue_generic2::set_asdouble2(treflected_object&, int32_t, double) { not_implemented("set_asdouble2"); }

treflected_object* tvalue_generic2::get_asobject() const { not_implemented("get_asobject"); }
treflected_object* tvalue_generic2::get_asobject1(int32_t) const { not_implemented("get_asobject1"); }
treflected_object* tvalue_generic2::get_asobject2(const treflected_object&, int32_t) const { not_implemented("get_asobject2"); }
void tvalue_generic2::set_asobject(treflected_object*) { not_implemented("set_asobject"); }
void tvalue_generic2::set_asobject1(int32_t, treflected_object*) { not_implemented("set_asobject1"); }
void tvalue_generic2::set_asobject2(treflected_object&, int32_t, treflected_object*) { not_implemented("set_asobject2"); }

int32_t tvalue_generic2::get_field_index1(std::string_view afieldname) const {
    int32_t index = -1;
    if (!get_field_index(index, afieldname))
        throw tvelmor_exception("FieldNotFound[%s] in %s.get_field_index1();", std::string(afieldname), class_name());
    return index;
}
