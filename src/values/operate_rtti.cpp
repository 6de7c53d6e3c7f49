#include "values/operate_rtti.h"

const tclass_info& toperate_rtti_class::static_class() {
    return describe_class<toperate_rtti_class, tvalue_generic>("toperate_rtti_class");
}

tproperty_kind toperate_rtti_class::get_property_kind(int32_t aindex) const {
    return fcore.at(aindex, *this, "get_property_kind").fkind;
}

