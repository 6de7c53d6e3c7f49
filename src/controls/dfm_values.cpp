#include "controls/dfm_values.h"

#include "procs/procs_types.h"
#include "values/values_simple.h"

namespace {
const char* const format_number_flag_names[] = {"ff_commas"};
}  // namespace

const tclass_info& tdfmelement_value::static_class() {
    static const tclass_info info("tdfmelement_value", &tdfm_component::static_class());
    return info;
}

std::unique_ptr<tvalue_generic2> tdfmelement_value::create_value() const {
    throw tvelmor_exception("%s.create_value(); not implemented.", class_name());
}

const tclass_info& tdfmelement_value_longint::static_class() {
    static const tproperty_info props[] = {prop<&tdfmelement_value_longint::value>("value")};
    return declared_class<tdfmelement_value_longint>("tdfmelement_value_longint", tdfmelement_value::static_class(), props);
}

std::unique_ptr<tvalue_generic2> tdfmelement_value_longint::create_value() const {
    return std::make_unique<tvalue_longint>(value);
}

const tclass_info& tdfmelement_value_currency::static_class() {
    static const tproperty_info props[] = {prop<&tdfmelement_value_currency::value>("value")};
    return declared_class<tdfmelement_value_currency>("tdfmelement_value_currency", tdfmelement_value::static_class(),
                                                   props);
}

std::unique_ptr<tvalue_generic2> tdfmelement_value_currency::create_value() const {
    return std::make_unique<tvalue_currency>(value);
}

const tclass_info& tdfmelement_validated_currency::static_class() {
    return declared_class<tdfmelement_validated_currency>("tdfmelement_validated_currency",
                                                       tdfmelement_value_currency::static_class());
}

std::unique_ptr<tvalue_generic2> tdfmelement_validated_currency::create_value() const {
    return std::make_unique<tvalue_validated_currency>(value);
}

const tclass_info& tdfmelement_formatted_currency::static_class() {
    using C = tdfmelement_formatted_currency;
    static const tproperty_info props[] = {
        prop<&C::dp>("dp"), prop_set<&C::format_number_flags>("format_number_flags", format_number_flag_names),
        prop<&C::prefix_dollarsign>("prefix_dollarsign")};
    return declared_class<C>("tdfmelement_formatted_currency", tdfmelement_value_currency::static_class(), props);
}

std::unique_ptr<tvalue_generic2> tdfmelement_formatted_currency::create_value() const {
    tformat_number_flags flags;
    if (format_number_flags & 1u) flags.include(ff_commas);
    return std::make_unique<tvalue_formatted_currency>(value, dp, flags, prefix_dollarsign);
}

const tclass_info& tdfmelement_value_unicodestring::static_class() {
    static const tproperty_info props[] = {prop<&tdfmelement_value_unicodestring::value>("value")};
    return declared_class<tdfmelement_value_unicodestring>("tdfmelement_value_unicodestring",
                                                        tdfmelement_value::static_class(), props);
}

std::unique_ptr<tvalue_generic2> tdfmelement_value_unicodestring::create_value() const {
    return std::make_unique<tvalue_unicodestring>(value);
}

const tclass_info& tdfmelement_formatted_daycount::static_class() {
    static const tproperty_info props[] = {prop<&tdfmelement_formatted_daycount::format>("format")};
    return declared_class<tdfmelement_formatted_daycount>("tdfmelement_formatted_daycount",
                                                       tdfmelement_value_longint::static_class(), props);
}

std::unique_ptr<tvalue_generic2> tdfmelement_formatted_daycount::create_value() const {
    return format.empty() ? std::make_unique<tvalue_formatted_daycount>(value)
                          : std::make_unique<tvalue_formatted_daycount>(value, format);
}

const tclass_info& tdfmelement_value_array::static_class() {
    return declared_class<tdfmelement_value_array>("tdfmelement_value_array", tdfmelement_value::static_class());
}

void tdfmelement_value_array::add_child(std::unique_ptr<tdfm_component> achild) {
    if (!dynamic_cast<tdfmelement_value*>(achild.get()))
        throw tvelmor_exception("%s cannot hold %s in %s.add_child();", Name, achild->class_name(), class_name());
    tdfm_component::add_child(std::move(achild));
}

std::unique_ptr<tvalue_generic2> tdfmelement_value_array::create_value() const {
    auto array = std::make_unique<tvalue_array>(static_cast<int32_t>(children.size()));
    for (size_t i = 0; i < children.size(); ++i)
        array->set_value(static_cast<int32_t>(i), static_cast<const tdfmelement_value&>(*children[i]).create_value());
    return array;
}

const tclass_info& tdfmelement_value_custom::static_class() {
    return declared_class<tdfmelement_value_custom>("tdfmelement_value_custom", tdfmelement_value::static_class());
}
