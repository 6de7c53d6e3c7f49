// Validators sit between an edit control and a value: they filter typed characters, parse the
// edited text back into the owner's own value, and give its text, focused or not.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "values/value_generic2.h"

// The date entry rule: D/M/YY forms with slashes, or 6 or 8 digits without; two-digit years
// below 40 are 20xx, from 40 on 19xx; impossible dates fail.
class tprocs_date_entry {
public:
    static bool validate_date(int32_t& adaycount, std::u16string_view atext);
};

class tvalidator_generic : public tvelmor_object {
public:
    explicit tvalidator_generic(tvalue_generic2& aowner) : fowner(&aowner) {}
    const char* class_name() const override { return "tvalidator_generic"; }

    virtual bool can_accept_character(char16_t avalue);
    virtual void delete_last(char16_t avalue);
    virtual void clear();
    // True when the text parses; achanged (and the owner) only when the parsed value differs.
    virtual bool validate_value(bool& achanged, const std::u16string& avalue);
    virtual std::u16string get_text(bool as_focused);

protected:
    tvalue_generic2* fowner;  // not owned
};

class tvalidator_longint : public tvalidator_generic {
public:
    using tvalidator_generic::tvalidator_generic;
    const char* class_name() const override { return "tvalidator_longint"; }
    bool can_accept_character(char16_t avalue) override;
    bool validate_value(bool& achanged, const std::u16string& avalue) override;
    std::u16string get_text(bool as_focused) override;
};

class tvalidator_int64 : public tvalidator_generic {
public:
    using tvalidator_generic::tvalidator_generic;
    const char* class_name() const override { return "tvalidator_int64"; }
    bool can_accept_character(char16_t avalue) override;
    bool validate_value(bool& achanged, const std::u16string& avalue) override;
    std::u16string get_text(bool as_focused) override;
};

class tvalidator_unicodestring : public tvalidator_generic {
public:
    using tvalidator_generic::tvalidator_generic;
    const char* class_name() const override { return "tvalidator_unicodestring"; }
    bool can_accept_character(char16_t avalue) override;
    bool validate_value(bool& achanged, const std::u16string& avalue) override;
    std::u16string get_text(bool as_focused) override;
};

// Keeps count of the digits typed after the point so that a second point is refused.
class tvalidator_currency : public tvalidator_generic {
public:
    explicit tvalidator_currency(tvalue_generic2& aowner) : tvalidator_generic(aowner) { clear(); }
    const char* class_name() const override { return "tvalidator_currency"; }
    bool can_accept_character(char16_t avalue) override;
    void delete_last(char16_t avalue) override;
    void clear() override { fdigits_after_dp = -1; }
    bool validate_value(bool& achanged, const std::u16string& avalue) override;
    std::u16string get_text(bool as_focused) override;
    int16_t digits_after_dp() const { return fdigits_after_dp; }

private:
    int16_t fdigits_after_dp = -1;  // -1 while no point has been typed
};

class tvalidator_date : public tvalidator_generic {
public:
    using tvalidator_generic::tvalidator_generic;
    const char* class_name() const override { return "tvalidator_date"; }
    bool can_accept_character(char16_t avalue) override;
    bool validate_value(bool& achanged, const std::u16string& avalue) override;
    std::u16string get_text(bool as_focused) override;
};

class tvalidator_decimal;

// The validator for an edited field of value kind akind, working on aowner's own value. A kind
// without a validator raises "Unsupported value type %d in %s.create();" naming aclass_name.
std::unique_ptr<tvalidator_generic> create_validator(tvelmor_value_type_extended akind, tvalue_generic2& aowner,
                                                     int16_t aprecision, int16_t ascale, const char* aclass_name);

class tvalidator_decimal : public tvalidator_generic {
public:
    tvalidator_decimal(tvalue_generic2& aowner, int16_t aprecision, int16_t ascale)
        : tvalidator_generic(aowner), fprecision(aprecision), fscale(ascale) {}
    const char* class_name() const override { return "tvalidator_decimal"; }
    bool can_accept_character(char16_t avalue) override;
    bool validate_value(bool& achanged, const std::u16string& avalue) override;
    std::u16string get_text(bool as_focused) override;

private:
    int16_t fprecision;
    int16_t fscale;
};
