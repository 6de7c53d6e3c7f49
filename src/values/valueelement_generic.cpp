#include "values/valueelement_generic.h"

void tvalueelement_generic::not_implemented(const char* aoperation) const {
    throw tvelmor_exception("%s.%s() not implemented.", class_name(), aoperation);
}

std::string tvalueelement_generic::get_debug_text(int32_t) const { not_implemented("get_debug_text"); }
std::u16string tvalueelement_generic::get_astext() const { not_implemented("get_astext"); }
tvalueelement_generic* tvalueelement_generic::get_asvalueelement(int32_t) const { not_implemented("get_asvalueelement"); }
void tvalueelement_generic::set_asvalueelement(int32_t, tvalueelement_generic*) { not_implemented("set_asvalueelement"); }
std::u16string tvalueelement_generic::get_asunicodestring() const { not_implemented("get_asunicodestring"); }
void tvalueelement_generic::set_asunicodestring(const std::u16string&) { not_implemented("set_asunicodestring"); }
int32_t tvalueelement_generic::get_aslongint() const { not_implemented("get_aslongint"); }
void tvalueelement_generic::set_aslongint(int32_t) { not_implemented("set_aslongint"); }
tcurrency tvalueelement_generic::get_ascurrency() const { not_implemented("get_ascurrency"); }
void tvalueelement_generic::set_ascurrency(tcurrency) { not_implemented("set_ascurrency"); }
