#include "values/rtti_core.h"

const tproperty_info& trtti_core::at(int32_t aindex, const tvelmor_object& aowner, const char* aop) const {
    if (aindex < 0 || aindex >= count())
        throw tvelmor_exception("OutOfRange Index[%d] in %s.%s();", aindex, aowner.class_name(), aop);
    return fclass->property(aindex);
}

const tproperty_info& trtti_core::typed(const treflected_object& ainstance, int32_t aindex, tproperty_kind akind,
                                        const tvelmor_object& aowner, const char* aop) const {
    const tproperty_info& p = at(aindex, aowner, aop);
    // An instance of another class would be read through the wrong members.
    if (!ainstance.get_class().inherits_from(*fclass))
        throw tvelmor_exception("Class Mismatch [%s] in %s.%s();", ainstance.class_name(), aowner.class_name(), aop);
    if (p.fkind != akind)
        throw tvelmor_exception("Type Mismatch [%s.%s] in %s.%s();", ainstance.class_name(), p.fname,
                                aowner.class_name(), aop);
    return p;
}

void trtti_core::check_range(const treflected_object& ainstance, const tproperty_info& aproperty, int64_t avalue,
                             const tvelmor_object& aowner, const char* aop) const {
    if (aproperty.in_range(avalue)) return;
    if (aproperty.fkind == tproperty_kind::pk_smallint)
        throw tvelmor_exception("OutOfRange Smallint Value [%s.%s] %s.%s();", ainstance.class_name(), aproperty.fname,
                                aowner.class_name(), aop);
    // The 32-bit message names the read operation on both paths.
    std::string op(aop);
    if (op.rfind("set_", 0) == 0) op.replace(0, 4, "get_");
    throw tvelmor_exception("OutOfRange Longint Value [%s.%s] %s.%s();", ainstance.class_name(), aproperty.fname,
                            aowner.class_name(), op);
}

tvalue_type2 trtti_core::field_type(int32_t aindex, const tvelmor_object& aowner) const {
    const tproperty_info& p = at(aindex, aowner, "get_field_type");
    switch (p.fkind) {
    case tproperty_kind::pk_smallint: return vt_smallint;
    case tproperty_kind::pk_longint: return vt_longint;
    case tproperty_kind::pk_boolean: return vt_boolean;
    case tproperty_kind::pk_currency: return vt_currency;
    case tproperty_kind::pk_int64: return vt_int64;
    case tproperty_kind::pk_object: return vt_object;
    case tproperty_kind::pk_unicodestring: return vt_unicodestring;
    case tproperty_kind::pk_ansistring: return vt_ansistring;
    case tproperty_kind::pk_double: return vt_double;
    default:
        throw tvelmor_exception("UnSupported FieldType[%s] in %s.get_field_type();", property_kind_name(p.fkind),
                                aowner.class_name());
    }
}

bool trtti_core::find(int32_t& aindex, std::string_view aname) const {
    int32_t i = fclass->property_index(aname);
    if (i < 0) return false;
    aindex = i;
    return true;
}
