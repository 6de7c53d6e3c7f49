// First-generation reflective access over a class's declared properties; the page controller
// moves page parameters with it (their number, names, kinds and values).
#pragma once

#include "values/rtti_core.h"
#include "values/value_generic.h"

class toperate_rtti_class : public tvalue_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    explicit toperate_rtti_class(const tclass_info& aclass) : fcore(aclass) {}
    const tclass_info& operated_class() const { return fcore.get_class_info(); }

    int32_t get_field_count() const override { return fcore.count(); }
    std::string get_field_name(int32_t aindex) const override;
    tvalue_type2 get_field_type(int32_t aindex) const override;
    // The property's kind, for callers that need more than the field type.
    tproperty_kind get_property_kind(int32_t aindex) const;
    bool get_field_index(int32_t& aindex, std::string_view afieldname) const override;

    using tvalue_generic::get_asansistring;
    using tvalue_generic::set_asansistring;
    bool get_asboolean2(const treflected_object& ainstance, int32_t aindex) const override;
    void set_asboolean2(treflected_object& ainstance, int32_t aindex, bool avalue) override;
    int16_t get_assmallint2(const treflected_object& ainstance, int32_t aindex) const override;
    void set_assmallint2(treflected_object& ainstance, int32_t aindex, int16_t avalue) override;
    int32_t get_aslongint2(const treflected_object& ainstance, int32_t aindex) const override;
    void set_aslongint2(treflected_object& ainstance, int32_t aindex, int32_t avalue) override;
    int64_t get_asint64_2(const treflected_object& ainstance, int32_t aindex) const override;
    void set_asint64_2(treflected_object& ainstance, int32_t aindex, int64_t avalue) override;
    tcurrency get_ascurrency2(const treflected_object& ainstance, int32_t aindex) const override;
    void set_ascurrency2(treflected_object& ainstance, int32_t aindex, tcurrency avalue) override;
    std::string get_asansistring(const treflected_object& ainstance, int32_t aindex) const override;
    void set_asansistring(treflected_object& ainstance, int32_t aindex, const std::string& avalue) override;
    std::u16string get_asunicodestring2(const treflected_object& ainstance, int32_t aindex) const override;
    void set_asunicodestring2(treflected_object& ainstance, int32_t aindex, const std::u16string& avalue) override;

private:
    trtti_core fcore;
};
