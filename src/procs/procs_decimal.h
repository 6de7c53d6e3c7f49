// Arithmetic on decimal18p8 amounts: signed 64-bit integers with eight implied decimals, the
// form in which the database keeps quantities, rates and invoice amounts.
#pragma once

#include <cstdint>

class tprocs_decimal {
public:
    static constexpr const char* class_name() { return "tprocs_decimal"; }
    static constexpr int64_t scale18p8 = 100000000;  // 1.0 as a decimal18p8 amount

    // a x c with eight decimals kept; only the digits below the eighth decimal are cut.
    // Raises when the product does not fit in 64 bits.
    static int64_t multiply18p8(int64_t a, int64_t c);
    // Rounds to two decimals, half away from zero.
    static int64_t round18p8_to_cents(int64_t avalue);
};
