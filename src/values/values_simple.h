// The small concrete values: a long integer, a currency amount, a wide text, an array of owned
// values, a validated currency and the formatted day count and currency that pages declare.
#pragma once

#include <memory>
#include <vector>

#include "procs/procs_types.h"
#include "values/validators.h"
#include "values/value_generic2.h"

class tvalue_longint : public tvalue_generic2 {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tvalue_longint(int32_t avalue = 0) : fvalue(avalue) {}

    int32_t get_aslongint() const override { return fvalue; }
    void set_aslongint(int32_t avalue) override { fvalue = avalue; }
    std::u16string get_asunicodestring() const override;

    int32_t fvalue;
};

class tvalue_currency : public tvalue_generic2 {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tvalue_currency(tcurrency avalue = {}) : fvalue(avalue) {}

    tcurrency get_ascurrency() const override { return fvalue; }
    void set_ascurrency(tcurrency avalue) override { fvalue = avalue; }
    std::u16string get_asunicodestring() const override;

    tcurrency fvalue;
};

class tvalue_unicodestring : public tvalue_generic2 {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tvalue_unicodestring(std::u16string avalue = {}) : fvalue(std::move(avalue)) {}

    std::u16string get_asunicodestring() const override { return fvalue; }
    void set_asunicodestring(const std::u16string& avalue) override { fvalue = avalue; }

    std::u16string fvalue;
};

// A fixed number of owned values.
class tvalue_array : public tvalue_generic2 {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tvalue_array(int32_t acount = 0) : fvalues(static_cast<size_t>(acount)) {}

    tvalue_generic2* get_value(int32_t aindex) const;
    // Frees the value it replaces.
    void set_value(int32_t aindex, std::unique_ptr<tvalue_generic2> avalue);
    int32_t count() const { return static_cast<int32_t>(fvalues.size()); }

private:
    void check_index(int32_t aindex, const char* aop) const;
    std::vector<std::unique_ptr<tvalue_generic2>> fvalues;
};

// A value that edits itself through its own validator.
class tvalue_validated_generic : public tvalue_generic2 {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tvalidator_generic* validator() const { return fvalidator.get(); }

protected:
    std::unique_ptr<tvalidator_generic> fvalidator;
};

class tvalue_validated_currency : public tvalue_validated_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tvalue_validated_currency(tcurrency avalue = {});

    tcurrency get_ascurrency() const override { return fvalue; }
    void set_ascurrency(tcurrency avalue) override { fvalue = avalue; }

    tcurrency fvalue;
};

class tvalue_formatted_daycount : public tvalue_longint {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tvalue_formatted_daycount(int32_t avalue = 0, std::u16string aformat = u"DD/MM/YYYY")
        : tvalue_longint(avalue), fformat(std::move(aformat)) {}

    std::u16string get_asunicodestring() const override;

    std::u16string fformat;
};

class tvalue_formatted_currency : public tvalue_currency {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tvalue_formatted_currency(tcurrency avalue = {}, int16_t adp = -1, tformat_number_flags aflags = {},
                                       bool aprefix_dollarsign = false)
        : tvalue_currency(avalue), fdp(adp), fformat_number_flags(aflags), fprefix_dollarsign(aprefix_dollarsign) {}

    std::u16string get_asunicodestring() const override;

    int16_t fdp;
    tformat_number_flags fformat_number_flags;
    bool fprefix_dollarsign;
};
