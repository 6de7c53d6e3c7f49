// The first-generation value interface, still used by reflective access over parameter records
// and by the list-row text formatters. Operations a class does not provide raise "not implemented".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "procs/currency.h"
#include "values/property_table.h"
#include "values/value_types.h"

class tvalue_generic : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    virtual int32_t get_id() const;
    virtual std::string get_debug_text(int32_t aindent) const;
    virtual int32_t get_field_count() const;
    virtual std::string get_field_name(int32_t aindex) const;
    virtual tvalue_type2 get_field_type(int32_t aindex) const;

    virtual bool get_asboolean() const;
    virtual bool get_asboolean1(int32_t aindex) const;
    virtual bool get_asboolean2(const treflected_object& ainstance, int32_t aindex) const;
    virtual void set_asboolean(bool avalue);
    virtual void set_asboolean1(int32_t aindex, bool avalue);
    virtual void set_asboolean2(treflected_object& ainstance, int32_t aindex, bool avalue);

    virtual int16_t get_assmallint() const;
    virtual int16_t get_assmallint1(int32_t aindex) const;
    virtual int16_t get_assmallint2(const treflected_object& ainstance, int32_t aindex) const;
    virtual void set_assmallint(int16_t avalue);
    virtual void set_assmallint1(int32_t aindex, int16_t avalue);
    virtual void set_assmallint2(treflected_object& ainstance, int32_t aindex, int16_t avalue);

    virtual int32_t get_aslongint() const;
    virtual int32_t get_aslongint1(int32_t aindex) const;
    virtual int32_t get_aslongint2(const treflected_object& ainstance, int32_t aindex) const;
    virtual void set_aslongint(int32_t avalue);
    virtual void set_aslongint1(int32_t aindex, int32_t avalue);
    virtual void set_aslongint2(treflected_object& ainstance, int32_t aindex, int32_t avalue);

    virtual int64_t get_asint64_2(const treflected_object& ainstance, int32_t aindex) const;
    virtual void set_asint64_2(treflected_object& ainstance, int32_t aindex, int64_t avalue);

    virtual tcurrency get_ascurrency2(const treflected_object& ainstance, int32_t aindex) const;
    virtual void set_ascurrency2(treflected_object& ainstance, int32_t aindex, tcurrency avalue);

    virtual std::string get_asansistring() const;
    virtual std::string get_asansistring(int32_t aindex) const;
    virtual std::string get_asansistring(const treflected_object& ainstance, int32_t aindex) const;
    virtual void set_asansistring(const std::string& avalue);
    virtual void set_asansistring(int32_t aindex, const std::string& avalue);
    virtual void set_asansistring(treflected_object& ainstance, int32_t aindex, const std::string& avalue);

    virtual std::u16string get_asunicodestring() const;
    virtual std::u16string get_asunicodestring1(int32_t aindex) const;
    virtual std::u16string get_asunicodestring2(const treflected_object& ainstance, int32_t aindex) const;
    virtual void set_asunicodestring(const std::u16string& avalue);
    virtual void set_asunicodestring1(int32_t aindex, const std::u16string& avalue);
    virtual void set_asunicodestring2(treflected_object& ainstance, int32_t aindex, const std::u16string& avalue);
    // Copies the fields of ainstance_source (read through aoperate_source) into ainstance_dest.
    virtual void assign(treflected_object& ainstance_dest, const tvalue_generic& aoperate_source,
                        const treflected_object& ainstance_source);
    virtual bool get_field_index(int32_t& aindex, std::string_view afieldname) const;

protected:
    [[noreturn]] void not_implemented(const char* aoperation) const;
};
