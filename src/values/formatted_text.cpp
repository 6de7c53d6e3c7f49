#include "values/formatted_text.h"

#include "procs/procs_string.h"

std::u16string tformatted_generic::get_text() const {
    throw tvelmor_exception("%s.get_text(); not implemented.", class_name());
}
std::u16string tformatted_generic::get_text(int32_t) const {
    throw tvelmor_exception("%s.get_text( aindex ); not implemented.", class_name());
}
std::u16string tformatted_generic::get_text(const treflected_object&, int32_t) const {
    throw tvelmor_exception("%s.get_text( ainstance; aindex ); not implemented.", class_name());
}

std::u16string tformatted_longint::get_text() const {
    return tprocs_unicodestring::int_to_str(fowner->get_aslongint());
}
std::u16string tformatted_longint::get_text(int32_t aindex) const {
    return tprocs_unicodestring::int_to_str(fowner->get_aslongint1(aindex));
}
std::u16string tformatted_longint::get_text(const treflected_object& ainstance, int32_t aindex) const {
    return tprocs_unicodestring::int_to_str(fowner->get_aslongint2(ainstance, aindex));
}

std::u16string tformatted_ansistring::get_text() const { return utf8_to_utf16(fowner->get_asansistring()); }
std::u16string tformatted_ansistring::get_text(int32_t aindex) const {
    return utf8_to_utf16(fowner->get_asansistring(aindex));
}
std::u16string tformatted_ansistring::get_text(const treflected_object& ainstance, int32_t aindex) const {
    return utf8_to_utf16(fowner->get_asansistring(ainstance, aindex));
}
