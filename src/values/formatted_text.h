// List-row text formatters: turn a first-generation value's own value, its field aindex, or field
// aindex of an instance into display text.
#pragma once

#include <string>

#include "values/value_generic.h"

class tformatted_generic : public tvelmor_object {
public:
    explicit tformatted_generic(tvalue_generic& aowner) : fowner(&aowner) {}
    const char* class_name() const override { return "tformatted_generic"; }

    virtual std::u16string get_text() const;
    virtual std::u16string get_text(int32_t aindex) const;
    virtual std::u16string get_text(const treflected_object& ainstance, int32_t aindex) const;

protected:
    tvalue_generic* fowner;  // not owned
};

class tformatted_longint : public tformatted_generic {
public:
    using tformatted_generic::tformatted_generic;
    const char* class_name() const override { return "tformatted_longint"; }
    std::u16string get_text() const override;
    std::u16string get_text(int32_t aindex) const override;
    std::u16string get_text(const treflected_object& ainstance, int32_t aindex) const override;
};

class tformatted_unicodestring : public tformatted_generic {
public:
    using tformatted_generic::tformatted_generic;
    const char* class_name() const override { return "tformatted_unicodestring"; }
    std::u16string get_text() const override { return fowner->get_asunicodestring(); }
    std::u16string get_text(int32_t aindex) const override { return fowner->get_asunicodestring1(aindex); }
    std::u16string get_text(const treflected_object& ainstance, int32_t aindex) const override {
        return fowner->get_asunicodestring2(ainstance, aindex);
    }
};

// 8-bit text is taken as UTF-8 when widened.
class tformatted_ansistring : public tformatted_generic {
public:
    using tformatted_generic::tformatted_generic;
    const char* class_name() const override { return "tformatted_ansistring"; }
    std::u16string get_text() const override;
    std::u16string get_text(int32_t aindex) const override;
    std::u16string get_text(const treflected_object& ainstance, int32_t aindex) const override;
};
