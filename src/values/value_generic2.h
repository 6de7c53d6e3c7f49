// The one interface every typed value answers: its own value, its fields by index, by name, or
// the fields of another instance. Operations a class does not provide raise "not implemented".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "procs/currency.h"
#include "values/property_table.h"
#include "values/value_types.h"

class tvalue_generic2 : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    virtual std::string get_debug_text(int32_t aindent) const;
    virtual int32_t get_field_count() const;
    int32_t field_count() const { return get_field_count(); }
    virtual std::string get_field_name(int32_t aindex) const;
    virtual tvalue_type2 get_field_type(int32_t aindex) const;
    virtual bool get_field_is_assigned(int32_t aindex) const;
    virtual int32_t get_field_domain(int32_t aindex) const;

    // Per type: own value, field by index, field of another instance; then the same setters.
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

    virtual int64_t get_asint64() const;
    virtual int64_t get_asint64_1(int32_t aindex) const;
    virtual int64_t get_asint64_2(const treflected_object& ainstance, int32_t aindex) const;
    virtual void set_asint64(int64_t avalue);
    virtual void set_asint64_1(int32_t aindex, int64_t avalue);
    virtual void set_asint64_2(treflected_object& ainstance, int32_t aindex, int64_t avalue);

    virtual tcurrency get_ascurrency() const;
    virtual tcurrency get_ascurrency1(int32_t aindex) const;
    virtual tcurrency get_ascurrency2(const treflected_object& ainstance, int32_t aindex) const;
    virtual void set_ascurrency(tcurrency avalue);
    virtual void set_ascurrency1(int32_t aindex, tcurrency avalue);
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

    virtual double get_asdouble() const;
    virtual double get_asdouble1(int32_t aindex) const;
    virtual double get_asdouble2(const treflected_object& ainstance, int32_t aindex) const;
    virtual void set_asdouble(double avalue);
    virtual void set_asdouble1(int32_t aindex, double avalue);
    virtual void set_asdouble2(treflected_object& ainstance, int32_t aindex, double avalue);

    // Objects: a field that owns its object takes over the one it is given.
    virtual treflected_object* get_asobject() const;
    virtual treflected_object* get_asobject1(int32_t aindex) const;
    virtual treflected_object* get_asobject2(const treflected_object& ainstance, int32_t aindex) const;
    virtual void set_asobject(treflected_object* avalue);
    virtual void set_asobject1(int32_t aindex, treflected_object* avalue);
    virtual void set_asobject2(treflected_object& ainstance, int32_t aindex, treflected_object* avalue);

    // The first field whose name matches; false when none does.
    virtual bool get_field_index(int32_t& aindex, std::string_view afieldname) const;

    // By name: raise "FieldNotFound[...]" for an unknown name, then work by index.
    int32_t get_field_index1(std::string_view afieldname) const;
    bool get_asboolean3(std::string_view afieldname) const { return get_asboolean1(get_field_index1(afieldname)); }
    int16_t get_assmallint3(std::string_view afieldname) const { return get_assmallint1(get_field_index1(afieldname)); }
    int32_t get_aslongint3(std::string_view afieldname) const { return get_aslongint1(get_field_index1(afieldname)); }
    int64_t get_asint64_3(std::string_view afieldname) const { return get_asint64_1(get_field_index1(afieldname)); }
    tcurrency get_ascurrency3(std::string_view afieldname) const { return get_ascurrency1(get_field_index1(afieldname)); }
    std::u16string get_asunicodestring3(std::string_view afieldname) const {
        return get_asunicodestring1(get_field_index1(afieldname));
    }
    double get_asdouble3(std::string_view afieldname) const { return get_asdouble1(get_field_index1(afieldname)); }
    treflected_object* get_asobject3(std::string_view afieldname) const {
        return get_asobject1(get_field_index1(afieldname));
    }
    void set_asboolean3(std::string_view afieldname, bool avalue) { set_asboolean1(get_field_index1(afieldname), avalue); }
    void set_assmallint3(std::string_view afieldname, int16_t avalue) {
        set_assmallint1(get_field_index1(afieldname), avalue);
    }
    void set_aslongint3(std::string_view afieldname, int32_t avalue) {
        set_aslongint1(get_field_index1(afieldname), avalue);
    }
    void set_asint64_3(std::string_view afieldname, int64_t avalue) { set_asint64_1(get_field_index1(afieldname), avalue); }
    void set_ascurrency3(std::string_view afieldname, tcurrency avalue) {
        set_ascurrency1(get_field_index1(afieldname), avalue);
    }
    void set_asunicodestring3(std::string_view afieldname, const std::u16string& avalue) {
        set_asunicodestring1(get_field_index1(afieldname), avalue);
    }
    void set_asdouble3(std::string_view afieldname, double avalue) { set_asdouble1(get_field_index1(afieldname), avalue); }
    void set_asobject3(std::string_view afieldname, treflected_object* avalue) {
        set_asobject1(get_field_index1(afieldname), avalue);
    }

protected:
    // Raises "<class>.<operation>(); not implemented.".
    [[noreturn]] void not_implemented(const char* aoperation) const;
};
