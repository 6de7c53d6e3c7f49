// Declarations of literal values (held by value misc objects and value arrays); each creates
// its typed value.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/dfm_component.h"
#include "procs/currency.h"
#include "values/value_generic2.h"

class tdfmelement_value : public tdfm_component {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    virtual std::unique_ptr<tvalue_generic2> create_value() const;
};

class tdfmelement_value_longint : public tdfmelement_value {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvalue_generic2> create_value() const override;
    int32_t value = 0;
};

class tdfmelement_value_currency : public tdfmelement_value {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvalue_generic2> create_value() const override;
    tcurrency value;
};

class tdfmelement_validated_currency : public tdfmelement_value_currency {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvalue_generic2> create_value() const override;
};

class tdfmelement_formatted_currency : public tdfmelement_value_currency {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvalue_generic2> create_value() const override;
    int16_t dp = 0;
    uint32_t format_number_flags = 0;
    bool prefix_dollarsign = false;
};

class tdfmelement_value_unicodestring : public tdfmelement_value {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvalue_generic2> create_value() const override;
    std::u16string value;
};

class tdfmelement_formatted_daycount : public tdfmelement_value_longint {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvalue_generic2> create_value() const override;
    std::u16string format;
};

class tdfmelement_value_array : public tdfmelement_value {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    void add_child(std::unique_ptr<tdfm_component> achild) override;
    std::unique_ptr<tvalue_generic2> create_value() const override;
};

// A placeholder value: it creates nothing.
class tdfmelement_value_custom : public tdfmelement_value {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvalue_generic2> create_value() const override { return nullptr; }
};
