#include <gtest/gtest.h>

#include <limits>

#include "procs/procs_decimal.h"
#include "thrown_message.h"

namespace {

constexpr int64_t one = tprocs_decimal::scale18p8;

TEST(Decimal18p8, ProductKeepsEightDecimals) {
    struct tcase { const char* name; int64_t a, c, want; };
    const tcase cases[] = {
        {"15 percent of 200", 200 * one, 15000000, 30 * one},
        {"negative factor", -250000000, 150000000, -375000000},
        {"digits below the eighth decimal are cut", 1, 1, 0},
        {"fraction times fraction", 50000000, 50000000, 25000000},
        {"by one", 123456789, one, 123456789},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tprocs_decimal::multiply18p8(c.a, c.c), c.want);
    }
    // For positive amounts the split product equals the exact product cut at eight decimals.
    for (int64_t a : {int64_t{1234567891234}, int64_t{99999999}, int64_t{31415926535}}) {
        for (int64_t c : {int64_t{271828182}, int64_t{333333333}, int64_t{100000001}}) {
            auto exact = static_cast<int64_t>(static_cast<__int128>(a) * c / one);
            EXPECT_EQ(tprocs_decimal::multiply18p8(a, c), exact) << a << " x " << c;
        }
    }
}

TEST(Decimal18p8, ProductTooLargeRaises) {
    EXPECT_EQ(thrown_message([] { tprocs_decimal::multiply18p8(10000000000 * one / 100, 10000000000 * one / 100); }),
              "Decimal overflow in tprocs_decimal.multiply18p8();");
}

TEST(Decimal18p8, RoundingToCentsIsHalfAwayFromZero) {
    struct tcase { int64_t value, want; };
    const tcase cases[] = {
        {100499999, 100000000}, {100500000, 101000000}, {100999999, 101000000}, {0, 0},
        {-100400000, -100000000}, {-100500000, -101000000}, {-100900000, -101000000}, {-400000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(tprocs_decimal::round18p8_to_cents(c.value), c.want);
    }
}

}  // namespace
