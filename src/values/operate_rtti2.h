// Reflective access: the declared properties of a class seen as the fields of a typed value.
// toperate_rtti_class2 answers for any instance of the class, toperate_rtti_object2 for one.
#pragma once

#include "values/operate_rtti_typed.h"
#include "values/value_object.h"
#include "values/value_generic2.h"

class toperate_rtti_class2 : public toperate_rtti_typed<tvalue_generic2> {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    explicit toperate_rtti_class2(const tclass_info& aclass) : toperate_rtti_typed(aclass) {}

    bool get_field_is_assigned(int32_t aindex) const override;
    // The property's declared default: 101 marks an eight-decimal amount, 32..63 a data object
    // whose id is in the property numbered domain - 32.
    int32_t get_field_domain(int32_t aindex) const override;

    double get_asdouble2(const treflected_object& ainstance, int32_t aindex) const override;
    void set_asdouble2(treflected_object& ainstance, int32_t aindex, double avalue) override;
    treflected_object* get_asobject2(const treflected_object& ainstance, int32_t aindex) const override;
    void set_asobject2(treflected_object& ainstance, int32_t aindex, treflected_object* avalue) override;
};

class toperate_rtti_object2 : public toperate_rtti_class2 {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    // Without avalue_object every field counts as assigned.
    explicit toperate_rtti_object2(treflected_object& ainstance, const ivalue_object* avalue_object = nullptr)
        : toperate_rtti_class2(ainstance.get_class()), finstance(&ainstance), fvalue_object(avalue_object) {}

    bool get_field_is_assigned(int32_t aindex) const override;
    using toperate_rtti_class2::get_asansistring;
    using toperate_rtti_class2::set_asansistring;
    bool get_asboolean1(int32_t aindex) const override;
    void set_asboolean1(int32_t aindex, bool avalue) override;
    int16_t get_assmallint1(int32_t aindex) const override;
    void set_assmallint1(int32_t aindex, int16_t avalue) override;
    int32_t get_aslongint1(int32_t aindex) const override;
    void set_aslongint1(int32_t aindex, int32_t avalue) override;
    int64_t get_asint64_1(int32_t aindex) const override;
    void set_asint64_1(int32_t aindex, int64_t avalue) override;
    tcurrency get_ascurrency1(int32_t aindex) const override;
    void set_ascurrency1(int32_t aindex, tcurrency avalue) override;
    std::u16string get_asunicodestring1(int32_t aindex) const override;
    void set_asunicodestring1(int32_t aindex, const std::u16string& avalue) override;
    std::string get_asansistring(int32_t aindex) const override;
    void set_asansistring(int32_t aindex, const std::string& avalue) override;

private:
    treflected_object* finstance;
    const ivalue_object* fvalue_object;
};
