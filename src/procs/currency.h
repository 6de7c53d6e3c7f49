// The currency amount: a signed 64-bit count of ten-thousandths. A distinct type so that currency
// and eight-decimal amounts (plain int64_t with a stated scale) cannot be mixed up silently.
#pragma once

#include <compare>
#include <cstdint>

struct tcurrency {
    int64_t value = 0;  // ten-thousandths of a unit

    constexpr tcurrency() = default;
    constexpr explicit tcurrency(int64_t aten_thousandths) : value(aten_thousandths) {}

    static constexpr tcurrency of_units(int64_t aunits) { return tcurrency(aunits * 10000); }

    constexpr auto operator<=>(const tcurrency&) const = default;
    constexpr tcurrency operator+(tcurrency a) const { return tcurrency(value + a.value); }
    constexpr tcurrency operator-(tcurrency a) const { return tcurrency(value - a.value); }
    constexpr tcurrency operator-() const { return tcurrency(-value); }
    constexpr tcurrency& operator+=(tcurrency a) { value += a.value; return *this; }
    constexpr tcurrency& operator-=(tcurrency a) { value -= a.value; return *this; }
};
