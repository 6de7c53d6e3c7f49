// One column of a result row or one named parameter of a statement: its SQL type, subtype and
// name, the typed readers, and the setters that bind a parameter value.
//
// NULL: a NULL column reads as 0, 0.0, false or empty text from every typed reader (is_null()
// tells it apart). A parameter that was never set, or was set with set_null(), binds as NULL.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "procs/currency.h"
#include "procs/velmor_exception.h"

// The engine's SQL type codes (nullable bit removed) and numeric subtypes.
enum : int16_t {
    fb_sql_varying = 448,
    fb_sql_text = 452,
    fb_sql_double = 480,
    fb_sql_float = 482,
    fb_sql_long = 496,
    fb_sql_short = 500,
    fb_sql_timestamp = 510,
    fb_sql_blob = 520,
    fb_sql_d_float = 530,
    fb_sql_array = 540,
    fb_sql_quad = 550,
    fb_sql_type_time = 560,
    fb_sql_type_date = 570,
    fb_sql_int64 = 580,
    fb_sql_boolean = 32764,
    fb_sql_null = 32766
};
enum : int16_t { fb_subtype_numeric = 1, fb_subtype_decimal = 2 };

class tfb_xsqlvar : public tvelmor_object {
public:
    // A scaled integer (value x 10^scale), a floating value or text bytes (UTF-8 unless octets).
    struct tscaled {
        int64_t fvalue;
        int16_t fscale;
    };
    using tvalue = std::variant<std::monostate, tscaled, double, std::string>;

    const char* class_name() const override { return "tfb_xsqlvar"; }

    const std::string& name() const { return fname; }
    int16_t sqltype() const { return fsqltype; }
    int16_t sqlsubtype() const { return fsqlsubtype; }
    int16_t sqlscale() const { return fsqlscale; }
    bool is_null() const { return std::holds_alternative<std::monostate>(fvalue); }

    int16_t as_smallint() const;
    int32_t as_integer() const;
    int64_t as_int64() const;
    tcurrency as_currency() const;   // rounded to the nearest ten-thousandth
    double as_double() const;
    bool as_boolean() const { return as_int64() != 0; }
    std::string as_string() const;   // 8-bit text; a scaled number as decimal text ("10.50000000")
    std::u16string as_widestring() const;

    void set_null() { fvalue = std::monostate{}; }
    void set_assmallint(int16_t avalue) { fvalue = tscaled{avalue, 0}; }
    void set_asinteger(int32_t avalue) { fvalue = tscaled{avalue, 0}; }
    void set_asint64(int64_t avalue) { fvalue = tscaled{avalue, 0}; }
    void set_ascurrency(tcurrency avalue) { fvalue = tscaled{avalue.value, -4}; }
    void set_asdouble(double avalue) { fvalue = avalue; }
    void set_asstring(const std::string& avalue) {
        fvalue = avalue;
        fwide = false;
    }
    void set_aswidestring(const std::u16string& avalue);

    // For the statement that owns the variable.
    void describe(std::string aname, int16_t asqltype, int16_t asqlsubtype, int16_t ascale) {
        fname = std::move(aname);
        fsqltype = asqltype;
        fsqlsubtype = asqlsubtype;
        fsqlscale = ascale;
    }
    const tvalue& value() const { return fvalue; }
    void set_value(tvalue avalue) { fvalue = std::move(avalue); }
    bool value_is_wide() const { return fwide; }

private:
    [[noreturn]] void out_of_range(const char* aop) const;

    std::string fname;
    int16_t fsqltype = 0;
    int16_t fsqlsubtype = 0;
    int16_t fsqlscale = 0;
    tvalue fvalue;
    bool fwide = false;  // text set as wide text: bound as UTF-8
};
