// A value element: a typed value that a control container stores by tag. The base offers the
// operations and raises for each; kinds override what they hold.
#pragma once

#include <cstdint>
#include <string>

#include "procs/currency.h"
#include "procs/velmor_exception.h"
#include "values/value_types.h"

class tvalueelement_generic : public tvelmor_object {
public:
    tvalueelement_generic(tvelmor_value_type aid, int32_t atag) : fid(aid), ftag(atag) {}
    const char* class_name() const override { return "tvalueelement_generic"; }

    tvelmor_value_type id() const { return fid; }
    int32_t tag() const { return ftag; }

    virtual std::string get_debug_text(int32_t aindent) const;
    virtual std::u16string get_astext() const;
    virtual tvalueelement_generic* get_asvalueelement(int32_t aindex) const;
    virtual void set_asvalueelement(int32_t aindex, tvalueelement_generic* avalue);
    virtual std::u16string get_asunicodestring() const;
    virtual void set_asunicodestring(const std::u16string& avalue);
    virtual int32_t get_aslongint() const;
    virtual void set_aslongint(int32_t avalue);
    virtual tcurrency get_ascurrency() const;
    virtual void set_ascurrency(tcurrency avalue);

protected:
    [[noreturn]] void not_implemented(const char* aoperation) const;

private:
    tvelmor_value_type fid;
    int32_t ftag;
};
