#include "containers/birdbox_longint.h"
#include "containers/birdbox_object.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "containers/test_support.h"

namespace {

TEST(BirdboxObject, FinishAddsBuildsTheDenseRangeWithHoles) {
    int freed = 0;
    tbirdbox_object<tcounted> box;
    box.add(105, new tcounted(freed, 5));
    box.add(101, std::make_unique<tcounted>(freed, 1));
    box.add(103, new tcounted(freed, 3));
    box.finish_adds();

    EXPECT_EQ(101, box.index_first());
    EXPECT_EQ(105, box.index_last());
    EXPECT_EQ(5, box.get_count());
    EXPECT_FALSE(box.is_empty());
    EXPECT_EQ(1, box.get_item(101)->fvalue);
    EXPECT_EQ(nullptr, box.get_item(102));
    EXPECT_EQ(5, box.get_item(105)->fvalue);

    std::vector<int> visited;
    titerate_birdbox_object<tcounted> iterator(box);
    for (iterator.first(); !iterator.eof(); iterator.next()) visited.push_back(iterator.item()->fvalue);
    EXPECT_EQ((std::vector<int>{1, 3, 5}), visited);
}

TEST(BirdboxObject, EmptyTableHasNoRangeAndIteratesNothing) {
    tbirdbox_object<tcounted> box;
    box.finish_adds();
    EXPECT_TRUE(box.is_empty());
    EXPECT_EQ(0, box.index_first());
    EXPECT_EQ(-1, box.index_last());
    EXPECT_EQ(0, box.get_count());
    EXPECT_EQ("Index out of range in tbirdbox_object.get_item( 0 );", message_of([&] { box.get_item(0); }));
    titerate_birdbox_object<tcounted> iterator(box);
    iterator.first();
    EXPECT_TRUE(iterator.eof());
}

struct tphase_case {
    const char* name;
    std::function<void(tbirdbox_object<tcounted>&)> call;
    const char* message;
};

// Each case runs on a table holding 10 and 12 (finished or not, as the case needs).
TEST(BirdboxObject, PhaseAndRangeErrorsCarryTheExactMessages) {
    const std::vector<tphase_case> unfinished = {
        {"get_item", [](auto& b) { b.get_item(10); }, "Illegal tbirdbox_object.get_item(); without being finalized."},
        {"get_item2", [](auto& b) { b.get_item2(10, true); }, "Illegal tbirdbox_object.get_item(); without being finalized."},
        {"exchange", [](auto& b) { b.exchange(10, 12); }, "Illegal tbirdbox_object.exchange(); without being finalized."},
        {"set_item", [](auto& b) { b.set_item(10, nullptr); }, "Illegal tbirdbox_object.set_item(); without being finalized."},
        {"get_count", [](auto& b) { b.get_count(); }, "Illegal tbirdbox_object.get_count(); without being finalized."},
    };
    const std::vector<tphase_case> finished = {
        {"add", [](auto& b) { b.add(11, nullptr); }, "Illegal tbirdbox_object.add(); after finalized."},
        {"finish twice", [](auto& b) { b.finish_adds(); }, "Illegal tbirdbox_object.finish_adds(); after finalized."},
        {"below range", [](auto& b) { b.get_item(9); }, "Index out of range in tbirdbox_object.get_item( 9 );"},
        {"above range", [](auto& b) { b.get_item(13); }, "Index out of range in tbirdbox_object.get_item( 13 );"},
        {"set_item out", [](auto& b) { b.set_item(-4, nullptr); }, "Index out of range in tbirdbox_object.set_item( -4 );"},
        {"exchange out", [](auto& b) { b.exchange(10, 13); }, "Index out of range in tbirdbox_object.exchange( 10, 13 );"},
    };
    int freed = 0;
    for (bool finish : {false, true}) {
        for (const auto& c : finish ? finished : unfinished) {
            SCOPED_TRACE(c.name);
            tbirdbox_object<tcounted> box;
            box.add(10, new tcounted(freed, 10));
            box.add(12, new tcounted(freed, 12));
            if (finish) box.finish_adds();
            EXPECT_EQ(c.message, message_of([&] { c.call(box); }));
        }
    }
}

TEST(BirdboxObject, DuplicateIndexRaisesAndLeavesThePairsPendingForClear) {
    int freed = 0;
    tbirdbox_object<tcounted> box;
    box.add(7, new tcounted(freed));
    box.add(3, new tcounted(freed));
    box.add(7, new tcounted(freed));
    EXPECT_EQ("Illegal assignment to occupied element in tbirdbox_object.finish_adds();",
              message_of([&] { box.finish_adds(); }));
    EXPECT_FALSE(box.is_finalized());
    EXPECT_EQ(0, freed);
    box.clear();
    EXPECT_EQ(3, freed);
    box.add(1, new tcounted(freed));
    box.finish_adds();
    EXPECT_EQ(1, box.get_count());
}

TEST(BirdboxObject, OutOfRangeLookupsGiveNothingWhenAllowed) {
    int freed = 0;
    tbirdbox_object<tcounted> lenient(true, true);
    lenient.add(5, new tcounted(freed));
    lenient.finish_adds();
    EXPECT_EQ(nullptr, lenient.get_item(4));
    EXPECT_EQ(nullptr, lenient.get_item(1000));
    EXPECT_EQ("Index out of range in tbirdbox_object.get_item( 4 );", message_of([&] { lenient.get_item2(4, false); }));

    tbirdbox_object<tcounted> strict;
    strict.add(5, new tcounted(freed));
    strict.finish_adds();
    EXPECT_EQ(nullptr, strict.get_item2(6, true));
}

TEST(BirdboxObject, OwningTableFreesReplacedClearedAndRefusedObjects) {
    int freed = 0;
    {
        tbirdbox_object<tcounted> box;
        box.add(1, new tcounted(freed, 1));
        box.add(2, new tcounted(freed, 2));
        box.finish_adds();
        box.exchange(1, 2);
        EXPECT_EQ(2, box.get_item(1)->fvalue);
        EXPECT_EQ(1, box.get_item(2)->fvalue);

        box.set_item(1, new tcounted(freed, 9));
        EXPECT_EQ(1, freed);
        EXPECT_EQ(9, box.get_item(1)->fvalue);

        message_of([&] { box.add(3, new tcounted(freed)); });
        EXPECT_EQ(2, freed);
        message_of([&] { box.set_item(3, new tcounted(freed)); });
        EXPECT_EQ(3, freed);

        box.clear();
        EXPECT_EQ(5, freed);
        EXPECT_FALSE(box.is_finalized());
        box.add(4, new tcounted(freed, 4));
    }
    EXPECT_EQ(6, freed);
}

TEST(BirdboxObject, NonOwningTableLeavesItsObjectsAlone) {
    int freed = 0;
    tcounted kept(freed, 1);
    tcounted other(freed, 2);
    {
        tbirdbox_object<tcounted> box(false);
        box.add(1, &kept);
        box.finish_adds();
        box.set_item(1, &other);
        box.clear();
    }
    EXPECT_EQ(0, freed);
}

TEST(BirdboxLongint, HolesHoldMinusOneAndErrorsMatchTheObjectTable) {
    tbirdbox_longint box;
    EXPECT_EQ("Illegal tbirdbox_longint.get_item(); without being finalized.", message_of([&] { box.get_item(1); }));
    box.add(20, 200);
    box.add(22, -7);
    box.finish_adds();
    EXPECT_EQ(200, box.get_item(20));
    EXPECT_EQ(-1, box.get_item(21));
    EXPECT_EQ(-7, box.get_item(22));
    EXPECT_EQ(3, box.get_count());
    EXPECT_EQ("Index out of range in tbirdbox_longint.get_item( 23 );", message_of([&] { box.get_item(23); }));
    EXPECT_EQ(-1, box.get_item2(23, true));
    EXPECT_EQ("Illegal tbirdbox_longint.add(); after finalized.", message_of([&] { box.add(1, 1); }));
    EXPECT_EQ("Illegal tbirdbox_longint.finish_adds(); after finalized.", message_of([&] { box.finish_adds(); }));

    box.clear();
    box.add(1, 1);
    box.add(1, 2);
    EXPECT_EQ("Illegal assignment to occupied element in tbirdbox_longint.finish_adds();",
              message_of([&] { box.finish_adds(); }));
}

struct tbalance_case {
    const char* name;
    int pairs;      // pairs at 0, 1, 2, ... with the last one moved to last_index
    int last_index;
    bool unbalanced;
};

TEST(BirdboxLongint, UnbalancedWhenMoreThanTenPairsFillLessThanAQuarter) {
    const std::vector<tbalance_case> cases = {
        {"ten pairs never count however sparse", 10, 1000, false},
        {"eleven pairs filling exactly a quarter", 11, 43, false},
        {"eleven pairs filling just under a quarter", 11, 44, true},
        {"dense", 50, 49, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tbirdbox_longint box;
        for (int i = 0; i + 1 < c.pairs; ++i) box.add(i, i);
        box.add(c.last_index, 0);
        box.finish_adds();
        EXPECT_EQ(c.unbalanced, box.is_unbalanced());
    }
}

}  // namespace
