// First-generation reflective access over a class's declared properties; the page controller
// moves page parameters with it (their number, names, kinds and values).
#pragma once

#include "values/operate_rtti_typed.h"
#include "values/value_generic.h"

class toperate_rtti_class : public toperate_rtti_typed<tvalue_generic> {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    explicit toperate_rtti_class(const tclass_info& aclass) : toperate_rtti_typed(aclass) {}

    // The property's kind, for callers that need more than the field type.
    tproperty_kind get_property_kind(int32_t aindex) const;
};
