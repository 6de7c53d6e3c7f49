#include "values/values_simple.h"

#include "procs/procs_daycount.h"
#include "procs/procs_string.h"

using tus = tprocs_unicodestring;

const tclass_info& tvalue_longint::static_class() {
    return describe_class<tvalue_longint, tvalue_generic2>("tvalue_longint");
}
std::u16string tvalue_longint::get_asunicodestring() const { return tus::int_to_str(fvalue); }

const tclass_info& tvalue_currency::static_class() {
    return describe_class<tvalue_currency, tvalue_generic2>("tvalue_currency");
}
std::u16string tvalue_currency::get_asunicodestring() const { return tus::currency_to_str(fvalue, -1); }

const tclass_info& tvalue_unicodestring::static_class() {
    return describe_class<tvalue_unicodestring, tvalue_generic2>("tvalue_unicodestring");
}

const tclass_info& tvalue_array::static_class() {
    return describe_class<tvalue_array, tvalue_generic2>("tvalue_array");
}

void tvalue_array::check_index(int32_t aindex, const char* aop) const {
    if (aindex < 0 || aindex >= count())
        throw tvelmor_exception("Index out of range in %s.%s( %d );", class_name(), aop, aindex);
}

tvalue_generic2* tvalue_array::get_value(int32_t aindex) const {
    check_index(aindex, "get_value");
    return fvalues[static_cast<size_t>(aindex)].get();
}

void tvalue_array::set_value(int32_t aindex, std::unique_ptr<tvalue_generic2> avalue) {
    check_index(aindex, "set_value");
    fvalues[static_cast<size_t>(aindex)] = std::move(avalue);
}

const tclass_info& tvalue_validated_generic::static_class() {
    return describe_class<tvalue_validated_generic, tvalue_generic2>("tvalue_validated_generic");
}

const tclass_info& tvalue_validated_currency::static_class() {
    return describe_class<tvalue_validated_currency, tvalue_validated_generic>("tvalue_validated_currency");
}
tvalue_validated_currency::tvalue_validated_currency(tcurrency avalue) : fvalue(avalue) {
    fvalidator = std::make_unique<tvalidator_currency>(*this);
}

const tclass_info& tvalue_formatted_daycount::static_class() {
    return describe_class<tvalue_formatted_daycount, tvalue_longint>("tvalue_formatted_daycount");
}
std::u16string tvalue_formatted_daycount::get_asunicodestring() const {
    return tprocs_daycount::to_text(fformat, fvalue);
}

const tclass_info& tvalue_formatted_currency::static_class() {
    return describe_class<tvalue_formatted_currency, tvalue_currency>("tvalue_formatted_currency");
}
std::u16string tvalue_formatted_currency::get_asunicodestring() const {
    return (fprefix_dollarsign ? u"$" : u"") + tus::currency_to_str(fvalue, fdp, fformat_number_flags);
}
