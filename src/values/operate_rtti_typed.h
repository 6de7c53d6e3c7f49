// The typed by-index accessors that both generations of reflective access share, written once
// over whichever typed-value interface (first or second generation) the class implements.
#pragma once

#include <string>
#include <string_view>

#include "values/rtti_core.h"

template <typename Base>
class toperate_rtti_typed : public Base {
public:
    explicit toperate_rtti_typed(const tclass_info& aclass) : fcore(aclass) {}
    const tclass_info& operated_class() const { return fcore.get_class_info(); }

    int32_t get_field_count() const override { return fcore.count(); }
    std::string get_field_name(int32_t aindex) const override { return fcore.at(aindex, *this, "get_field_name").fname; }
    tvalue_type2 get_field_type(int32_t aindex) const override { return fcore.field_type(aindex, *this); }
    bool get_field_index(int32_t& aindex, std::string_view afieldname) const override {
        return fcore.find(aindex, afieldname);
    }

    using Base::get_asansistring;
    using Base::set_asansistring;
    bool get_asboolean2(const treflected_object& ainstance, int32_t aindex) const override {
        return get<bool>(ainstance, aindex, tproperty_kind::pk_boolean, "get_asboolean2");
    }
    void set_asboolean2(treflected_object& ainstance, int32_t aindex, bool avalue) override {
        set<bool>(ainstance, aindex, tproperty_kind::pk_boolean, avalue, "set_asboolean2");
    }
    int16_t get_assmallint2(const treflected_object& ainstance, int32_t aindex) const override {
        return get<int16_t>(ainstance, aindex, tproperty_kind::pk_smallint, "get_assmallint2");
    }
    void set_assmallint2(treflected_object& ainstance, int32_t aindex, int16_t avalue) override {
        set<int16_t>(ainstance, aindex, tproperty_kind::pk_smallint, avalue, "set_assmallint2");
    }
    int32_t get_aslongint2(const treflected_object& ainstance, int32_t aindex) const override {
        return get<int32_t>(ainstance, aindex, tproperty_kind::pk_longint, "get_aslongint2");
    }
    void set_aslongint2(treflected_object& ainstance, int32_t aindex, int32_t avalue) override {
        set<int32_t>(ainstance, aindex, tproperty_kind::pk_longint, avalue, "set_aslongint2");
    }
    int64_t get_asint64_2(const treflected_object& ainstance, int32_t aindex) const override {
        return get<int64_t>(ainstance, aindex, tproperty_kind::pk_int64, "get_asint64_2");
    }
    void set_asint64_2(treflected_object& ainstance, int32_t aindex, int64_t avalue) override {
        set<int64_t>(ainstance, aindex, tproperty_kind::pk_int64, avalue, "set_asint64_2");
    }
    tcurrency get_ascurrency2(const treflected_object& ainstance, int32_t aindex) const override {
        return get<tcurrency>(ainstance, aindex, tproperty_kind::pk_currency, "get_ascurrency2");
    }
    void set_ascurrency2(treflected_object& ainstance, int32_t aindex, tcurrency avalue) override {
        set<tcurrency>(ainstance, aindex, tproperty_kind::pk_currency, avalue, "set_ascurrency2");
    }
    std::string get_asansistring(const treflected_object& ainstance, int32_t aindex) const override {
        return get<std::string>(ainstance, aindex, tproperty_kind::pk_ansistring, "get_asansistring");
    }
    void set_asansistring(treflected_object& ainstance, int32_t aindex, const std::string& avalue) override {
        set<std::string>(ainstance, aindex, tproperty_kind::pk_ansistring, avalue, "set_asansistring");
    }
    std::u16string get_asunicodestring2(const treflected_object& ainstance, int32_t aindex) const override {
        return get<std::u16string>(ainstance, aindex, tproperty_kind::pk_unicodestring, "get_asunicodestring2");
    }
    void set_asunicodestring2(treflected_object& ainstance, int32_t aindex, const std::u16string& avalue) override {
        set<std::u16string>(ainstance, aindex, tproperty_kind::pk_unicodestring, avalue, "set_asunicodestring2");
    }

protected:
    template <typename T>
    T get(const treflected_object& ainstance, int32_t aindex, tproperty_kind akind, const char* aop) const {
        return fcore.template get<T>(ainstance, aindex, akind, *this, aop);
    }
    template <typename T>
    void set(treflected_object& ainstance, int32_t aindex, tproperty_kind akind, T avalue, const char* aop) {
        fcore.template set<T>(ainstance, aindex, akind, std::move(avalue), *this, aop);
    }

    trtti_core fcore;
};
