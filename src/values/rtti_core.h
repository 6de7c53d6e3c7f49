// What both generations of reflective access share: index, class and kind checks with their
// messages, the kind-to-field-type mapping, and range-checked integer writes.
#pragma once

#include <string>

#include "values/property_table.h"
#include "values/value_types.h"

class trtti_core {
public:
    explicit trtti_core(const tclass_info& aclass) : fclass(&aclass) {}

    const tclass_info& get_class_info() const { return *fclass; }
    int32_t count() const { return fclass->property_count(); }
    // The property at aindex; raises "OutOfRange Index[...]" naming aowner and aop.
    const tproperty_info& at(int32_t aindex, const tvelmor_object& aowner, const char* aop) const;
    // The same, checked to be of kind akind on an instance of the class.
    const tproperty_info& typed(const treflected_object& ainstance, int32_t aindex, tproperty_kind akind,
                                const tvelmor_object& aowner, const char* aop) const;
    tvalue_type2 field_type(int32_t aindex, const tvelmor_object& aowner) const;
    bool find(int32_t& aindex, std::string_view aname) const;

    template <typename T>
    T get(const treflected_object& ainstance, int32_t aindex, tproperty_kind akind, const tvelmor_object& aowner,
          const char* aop) const {
        tproperty_value v = typed(ainstance, aindex, akind, aowner, aop).get(ainstance);
        if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>) return static_cast<T>(std::get<int64_t>(v));
        else return std::get<T>(std::move(v));
    }
    template <typename T>
    void set(treflected_object& ainstance, int32_t aindex, tproperty_kind akind, T avalue,
             const tvelmor_object& aowner, const char* aop) const {
        const tproperty_info& p = typed(ainstance, aindex, akind, aowner, aop);
        if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>) {
            check_range(ainstance, p, avalue, aowner, aop);
            p.set(ainstance, static_cast<int64_t>(avalue));
        } else {
            p.set(ainstance, std::move(avalue));
        }
    }

private:
    void check_range(const treflected_object& ainstance, const tproperty_info& aproperty, int64_t avalue,
                     const tvelmor_object& aowner, const char* aop) const;
    const tclass_info* fclass;
};
