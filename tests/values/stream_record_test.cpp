#include "values/stream_record.h"

#include <gtest/gtest.h>

#include "values/test_helpers.h"

TEST(StreamRecord, GrowsToHalfAgainWhatIsNeededAndZeroFillsOnRequest) {
    tstream_record s;
    EXPECT_EQ(0, s.add(10, true));
    EXPECT_EQ(15, s.capacity());
    for (int32_t i = 0; i < 10; ++i) EXPECT_EQ(0, *s.get_item(i));
    *s.get_item(9) = 7;
    EXPECT_EQ(10, s.add(6, true));
    EXPECT_EQ(24, s.capacity());
    EXPECT_EQ(7, *s.get_item(9));  // content kept across the growth
    EXPECT_EQ(16, s.count());
}

TEST(StreamRecord, CapacityBelowTheCountIsRefused) {
    tstream_record s;
    s.add(8, true);
    EXPECT_EQ("Illegal tstream_record.set_capacity( 7 ) less than count.", message_of([&] { s.set_capacity(7); }));
    s.set_capacity(8);
    EXPECT_EQ(8, s.capacity());
    s.clear();
    EXPECT_EQ(0, s.count());
    EXPECT_EQ(0, s.capacity());
}
