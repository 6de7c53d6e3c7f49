#include "procs/procs_decimal.h"

#include "procs/velmor_exception.h"

int64_t tprocs_decimal::multiply18p8(int64_t a, int64_t c) {
    // Split each factor at the point so that only the product of the two fractions needs
    // scaling down; that term alone loses digits.
    int64_t a_int = a / scale18p8, a_frac = a % scale18p8;
    int64_t c_int = c / scale18p8, c_frac = c % scale18p8;
    int64_t result = 0, term = 0;
    bool overflow = __builtin_mul_overflow(c - c_frac, a_int, &result);
    overflow |= __builtin_mul_overflow(c_int, a_frac, &term) || __builtin_add_overflow(result, term, &result);
    overflow |= __builtin_mul_overflow(c_frac, a_int, &term) || __builtin_add_overflow(result, term, &result);
    overflow |= __builtin_add_overflow(result, c_frac * a_frac / scale18p8, &result);
    if (overflow) throw tvelmor_exception("Decimal overflow in %s.multiply18p8();", class_name());
    return result;
}

int64_t tprocs_decimal::round18p8_to_cents(int64_t avalue) {
    constexpr int64_t cent = 1000000, half = 500000;
    int64_t r = avalue % cent;  // has the sign of the value
    if (r >= half) return avalue - r + cent;
    if (r <= -half) return avalue - r - cent;
    return avalue - r;
}
