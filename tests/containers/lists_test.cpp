#include "containers/list_ansistring.h"
#include "containers/list_flat.h"
#include "containers/list_object.h"
#include "containers/list_record.h"

#include <gtest/gtest.h>

#include <vector>

#include "containers/test_support.h"

namespace {

struct tentry {
    int16_t fjob;
    int32_t ftag;
    int32_t findex_next;
};

template <typename L>
std::vector<int32_t> tags_of(const L& alist) {
    std::vector<int32_t> tags;
    for (const auto& entry : alist) tags.push_back(entry.ftag);
    return tags;
}

TEST(ListFlat, AddHandsOutZeroedRecordsAppendedOrInserted) {
    tlist_flat<tentry> list;
    list.add() = {1, 10, 5};
    list.add() = {2, 30, 6};
    tentry& inserted = list.add(1);
    EXPECT_EQ(0, inserted.fjob);
    EXPECT_EQ(0, inserted.ftag);
    EXPECT_EQ(0, inserted.findex_next);
    inserted.ftag = 20;
    list.add(3).ftag = 40;
    EXPECT_EQ((std::vector<int32_t>{10, 20, 30, 40}), tags_of(list));

    list.delete_item(0);
    EXPECT_EQ((std::vector<int32_t>{20, 30, 40}), tags_of(list));
    EXPECT_EQ(30, list.get_item(1).ftag);
    list.clear();
    EXPECT_EQ(0, list.get_count());
}

TEST(ListFlat, IndexesOutsideTheListRaiseAndChangeNothing) {
    tlist_flat<tentry> list;
    list.add().ftag = 1;
    EXPECT_EQ("IndexOutOfRange in tlist_flat.get_item();", message_of([&] { list.get_item(1); }));
    EXPECT_EQ("IndexOutOfRange in tlist_flat.get_item();", message_of([&] { list.get_item(-1); }));
    EXPECT_EQ("IndexOutOfRange in tlist_flat.delete();", message_of([&] { list.delete_item(1); }));
    EXPECT_EQ("IndexOutOfRange in tlist_flat.add();", message_of([&] { list.add(2); }));
    EXPECT_EQ(1, list.get_count());

    tarray_basic<int32_t> array(3);
    EXPECT_EQ(0, array.get_item(2));
    EXPECT_EQ("IndexOutOfRange in tarray_basic.get_item();", message_of([&] { array.get_item(3); }));
    EXPECT_EQ("IndexOutOfRange in tarray_basic.set_item();", message_of([&] { array.set_item(-1, 5); }));
}

TEST(ListFlat, SortIsStableAndRefusesAnInvalidCompareResult) {
    tlist_flat<tentry> list;
    for (tentry entry : {tentry{2, 1, 0}, tentry{1, 2, 0}, tentry{2, 3, 0}, tentry{1, 4, 0}}) list.add() = entry;
    auto by_job = [](const tentry& a, const tentry& b) {
        return a.fjob < b.fjob ? cr_lessthan : a.fjob > b.fjob ? cr_greaterthan : cr_equals;
    };
    list.sort(by_job);
    EXPECT_EQ((std::vector<int32_t>{2, 4, 1, 3}), tags_of(list));
    EXPECT_EQ("Internal error invalid compare result 0",
              message_of([&] { list.sort([](const tentry&, const tentry&) { return cr_none; }); }));
}

TEST(StackFlatAndRecord, EmptyStacksRaiseOnPeekAndPop) {
    tstack_flat<tentry> flat;
    EXPECT_EQ("Illegal Last(); call on empty list in tstack_flat.last();", message_of([&] { flat.peek(); }));
    EXPECT_EQ("Illegal pop(); on empty stack in tstack_flat.pop();", message_of([&] { flat.pop(); }));
    tstack_record<std::string> records;
    EXPECT_EQ("Illegal Last(); call on empty list in tstack_record.last();", message_of([&] { records.peek(); }));
    EXPECT_EQ("Illegal pop(); on empty stack in tstack_record.pop();", message_of([&] { records.pop(); }));
}

TEST(StackFlatAndRecord, PushPeekAndPopWorkLastInFirstOut) {
    tstack_flat<tentry> flat;
    flat.push().ftag = 1;
    tentry& pushed = flat.push();
    EXPECT_EQ(0, pushed.ftag);
    pushed.ftag = 2;
    EXPECT_EQ(2, flat.peek().ftag);
    EXPECT_EQ(2, flat.pop().ftag);
    EXPECT_EQ(1, flat.pop().ftag);
    EXPECT_TRUE(flat.is_empty());

    tstack_record<std::string> records;
    records.push("a");
    records.push("b");
    EXPECT_EQ("b", records.peek());
    EXPECT_EQ("b", records.pop());
    EXPECT_EQ("a", records.pop());
}

TEST(ListRecordAndAnsistring, RecordsAreAddedInsertedReplacedAndFound) {
    tlist_ansistring list;
    EXPECT_EQ(0, list.add("delta"));
    EXPECT_EQ(1, list.add("alpha"));
    list.insert(0, "charlie");
    list.insert(3, "bravo");
    list.set_item(1, "echo");
    EXPECT_EQ((std::vector<std::string>{"charlie", "echo", "alpha", "bravo"}),
              std::vector<std::string>(list.begin(), list.end()));
    EXPECT_EQ(2, list.index_of("alpha"));
    EXPECT_EQ(-1, list.index_of("delta"));
    list.sort();
    EXPECT_EQ((std::vector<std::string>{"alpha", "bravo", "charlie", "echo"}),
              std::vector<std::string>(list.begin(), list.end()));
    EXPECT_EQ("IndexOutOfRange in tlist_ansistring.insert();", message_of([&] { list.insert(5, "x"); }));
    EXPECT_EQ("IndexOutOfRange in tlist_ansistring.set_item();", message_of([&] { list.set_item(4, "x"); }));
}

TEST(ListObject, OwningListFreesDeletedClearedAndDestroyedObjects) {
    int freed = 0;
    {
        tlist_object<tcounted> list;
        list.add(new tcounted(freed, 1));
        list.add(std::make_unique<tcounted>(freed, 2));
        list.insert(0, new tcounted(freed, 0));
        EXPECT_EQ(0, list.get_item(0)->fvalue);
        EXPECT_EQ(2, list.index_of(list.get_item(2)));

        list.delete_item(1);
        EXPECT_EQ(1, freed);
        message_of([&] { list.insert(7, new tcounted(freed)); });
        EXPECT_EQ(2, freed);
        EXPECT_EQ("IndexOutOfRange in tlist_object.get_item();", message_of([&] { list.get_item(2); }));

        list.clear();
        EXPECT_EQ(4, freed);
        list.add(new tcounted(freed));
    }
    EXPECT_EQ(5, freed);
}

TEST(ListObject, NonOwningListLeavesObjectsAloneAndSorts) {
    int freed = 0;
    tcounted a(freed, 3), b(freed, 1), c(freed, 2);
    {
        tlist_object<tcounted> list(false);
        for (tcounted* object : {&a, &b, &c}) list.add(object);
        list.sort([](const tcounted& x, const tcounted& y) {
            return x.fvalue < y.fvalue ? cr_lessthan : x.fvalue > y.fvalue ? cr_greaterthan : cr_equals;
        });
        EXPECT_EQ(&b, list.get_item(0));
        EXPECT_EQ(&a, list.get_item(2));
        EXPECT_EQ(-1, list.index_of(nullptr));
        list.delete_item(0);
    }
    EXPECT_EQ(0, freed);
}

}  // namespace
