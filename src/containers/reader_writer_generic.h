// The abstract typed writer and reader: one operation per value type. Every operation of the base
// raises a "not implemented" error, so a concrete writer or reader supports exactly what it
// overrides.
#pragma once

#include <cstdint>
#include <string>

#include "procs/currency.h"
#include "procs/velmor_exception.h"

class twriter_generic : public tvelmor_object {
public:
    const char* class_name() const override { return "twriter_generic"; }

    virtual void write_byte(uint8_t avalue);
    virtual void write_boolean(bool avalue);
    virtual void write_longint(int32_t avalue);
    virtual void write_smallint(int16_t avalue);
    virtual void write_shortstring(const std::string& avalue);
    virtual void write_currency(tcurrency avalue);
    virtual void write_double(double avalue);
    virtual void write_ansistring(const std::string& avalue);
    virtual void write_unicodestring(const std::u16string& avalue);
};

class treader_generic : public tvelmor_object {
public:
    const char* class_name() const override { return "treader_generic"; }

    virtual std::string read_ansistring();
    virtual std::u16string read_unicodestring();
    virtual bool read_boolean();
    virtual uint8_t read_byte();
    virtual int32_t read_longint();
    virtual int16_t read_smallint();
    virtual tcurrency read_currency();
    virtual double read_double();
    virtual std::string read_shortstring();
};
