#include "values/validators.h"

#include "procs/procs_daycount.h"
#include "procs/procs_string.h"

using tus = tprocs_unicodestring;

static bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Sets the owner's value through aset only when the parsed value differs from acurrent.
template <typename T, typename Set>
static bool take_value(bool& achanged, bool aparsed, const T& aparsed_value, const T& acurrent, Set aset) {
    achanged = false;
    if (!aparsed) return false;
    if (aparsed_value != acurrent) {
        aset(aparsed_value);
        achanged = true;
    }
    return true;
}

bool tvalidator_generic::can_accept_character(char16_t) {
    throw tvelmor_exception("%s.can_accept_character(); not implemented.", class_name());
}
void tvalidator_generic::delete_last(char16_t) {}
void tvalidator_generic::clear() {}
bool tvalidator_generic::validate_value(bool&, const std::u16string&) {
    throw tvelmor_exception("%s.validate_value(); not implemented.", class_name());
}
std::u16string tvalidator_generic::get_text(bool) { throw tvelmor_exception("%s.get_text(); not implemented.", class_name()); }

bool tvalidator_longint::can_accept_character(char16_t avalue) { return is_digit(avalue); }
bool tvalidator_longint::validate_value(bool& achanged, const std::u16string& avalue) {
    int32_t v = 0;
    bool parsed = tus::can_str_to_longint(v, avalue);
    return take_value(achanged, parsed, v, parsed ? fowner->get_aslongint() : 0,
                      [this](int32_t a) { fowner->set_aslongint(a); });
}
std::u16string tvalidator_longint::get_text(bool) { return tus::int_to_str(fowner->get_aslongint()); }

bool tvalidator_int64::can_accept_character(char16_t avalue) { return is_digit(avalue); }
bool tvalidator_int64::validate_value(bool& achanged, const std::u16string& avalue) {
    int64_t v = 0;
    bool parsed = tus::can_str_to_int64(v, avalue);
    return take_value(achanged, parsed, v, parsed ? fowner->get_asint64() : 0,
                      [this](int64_t a) { fowner->set_asint64(a); });
}
std::u16string tvalidator_int64::get_text(bool) { return tus::int_to_str(fowner->get_asint64()); }

bool tvalidator_unicodestring::can_accept_character(char16_t) { return true; }
bool tvalidator_unicodestring::validate_value(bool& achanged, const std::u16string& avalue) {
    return take_value(achanged, true, avalue, fowner->get_asunicodestring(),
                      [this](const std::u16string& a) { fowner->set_asunicodestring(a); });
}
std::u16string tvalidator_unicodestring::get_text(bool) { return fowner->get_asunicodestring(); }

bool tvalidator_currency::can_accept_character(char16_t avalue) {
    if (avalue == u'.') {
        if (fdigits_after_dp != -1) return false;
        fdigits_after_dp = 0;
        return true;
    }
    if (!is_digit(avalue)) return false;
    if (fdigits_after_dp != -1) ++fdigits_after_dp;
    return true;
}
void tvalidator_currency::delete_last(char16_t) {
    if (fdigits_after_dp != -1) --fdigits_after_dp;
}
bool tvalidator_currency::validate_value(bool& achanged, const std::u16string& avalue) {
    tcurrency v;
    bool parsed = tus::can_str_to_currency(v, avalue, -1);
    return take_value(achanged, parsed, v, parsed ? fowner->get_ascurrency() : tcurrency(),
                      [this](tcurrency a) { fowner->set_ascurrency(a); });
}
std::u16string tvalidator_currency::get_text(bool as_focused) {
    std::u16string text = tus::currency_to_str(fowner->get_ascurrency(), 2);
    return as_focused ? text : u"$" + text;
}

bool tvalidator_date::can_accept_character(char16_t avalue) { return is_digit(avalue) || avalue == u'/'; }
bool tvalidator_date::validate_value(bool& achanged, const std::u16string& avalue) {
    int32_t v = 0;
    bool parsed = tprocs_date_entry::validate_date(v, avalue);
    return take_value(achanged, parsed, v, parsed ? fowner->get_aslongint() : 0,
                      [this](int32_t a) { fowner->set_aslongint(a); });
}
std::u16string tvalidator_date::get_text(bool as_focused) {
    return tprocs_daycount::to_text(as_focused ? u"DD/MM/YYYY" : u"DDD D MMM YYYY", fowner->get_aslongint());
}

bool tvalidator_decimal::can_accept_character(char16_t avalue) { return is_digit(avalue) || avalue == u'.'; }
bool tvalidator_decimal::validate_value(bool& achanged, const std::u16string& avalue) {
    int64_t v = 0;
    bool parsed = tus::can_str_to_decimal(v, avalue, fprecision, fscale);
    return take_value(achanged, parsed, v, parsed ? fowner->get_asint64() : 0,
                      [this](int64_t a) { fowner->set_asint64(a); });
}
std::u16string tvalidator_decimal::get_text(bool) { return tus::decimal_to_str(fowner->get_asint64(), fprecision, fscale); }

std::unique_ptr<tvalidator_generic> create_validator(tvelmor_value_type_extended akind, tvalue_generic2& aowner,
                                                     int16_t aprecision, int16_t ascale, const char* aclass_name) {
    switch (akind) {
    case vf_longint: return std::make_unique<tvalidator_longint>(aowner);
    case vf_unicodestring: return std::make_unique<tvalidator_unicodestring>(aowner);
    case vf_currency: return std::make_unique<tvalidator_currency>(aowner);
    case vf_int64: return std::make_unique<tvalidator_int64>(aowner);
    case vf_date: return std::make_unique<tvalidator_date>(aowner);
    case vf_decimal: return std::make_unique<tvalidator_decimal>(aowner, aprecision, ascale);
    default: throw tvelmor_exception("Unsupported value type %d in %s.create();", static_cast<int32_t>(akind), aclass_name);
    }
}

// ---- Date entry ----

static bool digits_to_number(std::u16string_view atext, uint16_t& avalue) {
    avalue = 0;
    for (char16_t c : atext) {
        if (!is_digit(c)) return false;
        avalue = static_cast<uint16_t>(avalue * 10 + (c - u'0'));
    }
    return true;
}

bool tprocs_date_entry::validate_date(int32_t& adaycount, std::u16string_view atext) {
    std::u16string_view day, month, year;
    size_t slash1 = atext.find(u'/');
    if (slash1 != std::u16string_view::npos) {
        size_t slash2 = atext.find(u'/', slash1 + 1);
        if (slash2 == std::u16string_view::npos || atext.find(u'/', slash2 + 1) != std::u16string_view::npos) return false;
        day = atext.substr(0, slash1);
        month = atext.substr(slash1 + 1, slash2 - slash1 - 1);
        year = atext.substr(slash2 + 1);
        if (day.empty() || day.size() > 2 || month.empty() || month.size() > 2) return false;
        if (year.size() != 2 && year.size() != 4) return false;
    } else {
        if (atext.size() != 6 && atext.size() != 8) return false;
        day = atext.substr(0, 2);
        month = atext.substr(2, 2);
        year = atext.substr(4);
    }
    uint16_t d = 0, m = 0, y = 0;
    if (!digits_to_number(day, d) || !digits_to_number(month, m) || !digits_to_number(year, y)) return false;
    if (y < 40) y = static_cast<uint16_t>(y + 2000);
    else if (y < 100) y = static_cast<uint16_t>(y + 1900);
    return tprocs_daycount::encode(adaycount, y, m, d);
}
