#include "containers/tree_object.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "containers/test_support.h"
#include "procs/procs_text_helpers.h"

namespace {

// A node ordered by its key that counts its destructions; a forced result, when set, is what
// every compare answers.
class tnode_key : public tcomparable {
public:
    tnode_key(int akey, int& afreed, const std::optional<tcompare_result>* aforced = nullptr, int apayload = 0)
        : fkey(akey), fpayload(apayload), ffreed(afreed), fforced(aforced) {}
    ~tnode_key() override { ++ffreed; }
    tcompare_result compare(const tcomparable& aother) const override {
        if (fforced && *fforced) return **fforced;
        int other = static_cast<const tnode_key&>(aother).fkey;
        return fkey < other ? cr_lessthan : fkey > other ? cr_greaterthan : cr_equals;
    }
    int fkey;
    int fpayload;

private:
    int& ffreed;
    const std::optional<tcompare_result>* fforced;
};

class TreeObject : public ::testing::Test {
protected:
    int add(int akey, int apayload = 0) {
        int32_t index = -1;
        tree.add(std::make_unique<tnode_key>(akey, freed, &forced, apayload), index);
        return index;
    }
    std::vector<int> keys_in_order() const {
        std::vector<int> keys;
        int32_t index = -1;
        for (bool more = tprocs_iterate_tree::first(tree, index); more; more = tprocs_iterate_tree::next(tree, index))
            keys.push_back(tree.get_node(index)->fkey);
        return keys;
    }
    tnode_key probe(int akey) { return tnode_key(akey, probes_freed, &forced); }

    int freed = 0;
    int probes_freed = 0;
    std::optional<tcompare_result> forced;
    ttree_object<tnode_key> tree;
};

TEST_F(TreeObject, WalksInAscendingOrderWhateverTheOrderOfAdding) {
    for (int key : {50, 10, 40, 20, 30, 60, -5}) add(key);
    EXPECT_EQ((std::vector<int>{-5, 10, 20, 30, 40, 50, 60}), keys_in_order());
    EXPECT_EQ(7, tree.get_count());
    int32_t index = -1;
    ASSERT_TRUE(tprocs_iterate_tree::last(tree, index));
    EXPECT_EQ(60, tree.get_node(index)->fkey);
    EXPECT_FALSE(tprocs_iterate_tree::next(tree, index));
    EXPECT_EQ(-1, index);
}

TEST_F(TreeObject, AddingAnEqualNodeReleasesItAndReportsTheExistingOne) {
    int first = add(7, 111);
    int32_t index = -1;
    EXPECT_FALSE(tree.add(std::make_unique<tnode_key>(7, freed, &forced, 222), index));
    EXPECT_EQ(first, index);
    EXPECT_EQ(1, freed);
    EXPECT_EQ(111, tree.get_node(index)->fpayload);
    EXPECT_EQ(1, tree.get_count());
}

struct tlookup_case {
    int probe;
    int found;    // key found by find, or -1
    int greater;  // key found by find_first_greaterthan, or -1
};

TEST_F(TreeObject, FindAndFindFirstGreaterThanAnswerWithNodeIndexes) {
    for (int key : {10, 20, 30}) add(key);
    const std::vector<tlookup_case> cases = {
        {5, -1, 10}, {10, 10, 20}, {15, -1, 20}, {30, 30, -1}, {31, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.probe);
        tnode_key key = probe(c.probe);
        int32_t index = 99;
        EXPECT_EQ(c.found != -1, tree.find(key, index));
        EXPECT_EQ(c.found, index == -1 ? -1 : tree.get_node(index)->fkey);
        EXPECT_EQ(c.greater != -1, tree.find_first_greaterthan(key, index));
        EXPECT_EQ(c.greater, index == -1 ? -1 : tree.get_node(index)->fkey);
    }
}

TEST_F(TreeObject, DeletingKeepsOtherIndexesAndReusesTheFreedOne) {
    int ten = add(10);
    int twenty = add(20);
    int thirty = add(30);
    tree.delete_item(twenty);
    EXPECT_EQ(1, freed);
    EXPECT_EQ((std::vector<int>{10, 30}), keys_in_order());
    EXPECT_EQ(10, tree.get_node(ten)->fkey);
    EXPECT_EQ(30, tree.get_node(thirty)->fkey);
    EXPECT_EQ("Index out of range in ttree_object.get_node( 1 );", message_of([&] { tree.get_node(twenty); }));
    EXPECT_EQ("Index out of range in ttree_object.delete( 1 );", message_of([&] { tree.delete_item(twenty); }));
    EXPECT_EQ("Index out of range in ttree_object.get_node( -1 );", message_of([&] { tree.get_node(-1); }));

    EXPECT_EQ(twenty, add(25));
    EXPECT_EQ((std::vector<int>{10, 25, 30}), keys_in_order());
    tree.clear();
    EXPECT_EQ(0, tree.get_count());
    EXPECT_EQ(4, freed);
    int32_t index = 0;
    EXPECT_FALSE(tprocs_iterate_tree::first(tree, index));
    EXPECT_EQ(-1, index);
}

TEST_F(TreeObject, AnInvalidCompareResultRaisesAndAddsNothing) {
    add(10);
    for (tcompare_result bad : {cr_none, static_cast<tcompare_result>(7)}) {
        SCOPED_TRACE(static_cast<int>(bad));
        forced = bad;
        int32_t index = -1;
        EXPECT_EQ("Internal error invalid compare result " + std::to_string(static_cast<int>(bad)),
                  message_of([&] { tree.add(std::make_unique<tnode_key>(5, freed, &forced), index); }));
        tnode_key key = probe(10);
        EXPECT_EQ("Internal error invalid compare result " + std::to_string(static_cast<int>(bad)),
                  message_of([&] { tree.find(key, index); }));
        forced.reset();
        EXPECT_EQ((std::vector<int>{10}), keys_in_order());
    }
}

// Orders descending through a compare object; the nodes know nothing of ordering.
struct tplain_node {
    int fkey;
};

class tcompare_descending : public towning_compare<tplain_node> {
public:
    tcompare_result compare(const tplain_node& anode1, const tplain_node& anode2) const override {
        if (anode1.fkey == 13 || anode2.fkey == 13) return cr_none;
        return anode1.fkey > anode2.fkey ? cr_lessthan : anode1.fkey < anode2.fkey ? cr_greaterthan : cr_equals;
    }
};

TEST(TreeObjectOwningCompare, TheCompareObjectDecidesTheOrder) {
    ttree_object<tplain_node> tree(std::make_unique<tcompare_descending>());
    int32_t index = -1;
    for (int key : {2, 9, 5}) tree.add(std::make_unique<tplain_node>(tplain_node{key}), index);
    std::vector<int> keys;
    for (bool more = tprocs_iterate_tree::first(tree, index); more; more = tprocs_iterate_tree::next(tree, index))
        keys.push_back(tree.get_node(index)->fkey);
    EXPECT_EQ((std::vector<int>{9, 5, 2}), keys);

    EXPECT_EQ("Internal error invalid compare result 0",
              message_of([&] { tree.add(std::make_unique<tplain_node>(tplain_node{13}), index); }));
    EXPECT_EQ(3, tree.get_count());
}

// Names ordered without case by the text helpers' comparison, which gives the tree's own result
// type.
struct tname_node {
    std::string fname;
};

class tcompare_names : public towning_compare<tname_node> {
public:
    tcompare_result compare(const tname_node& anode1, const tname_node& anode2) const override {
        return tprocs_text_helpers<char>::compare(anode1.fname, anode2.fname, true);
    }
};

TEST(TreeObjectOwningCompare, OrdersByTheTextHelpersComparison) {
    ttree_object<tname_node> tree(std::make_unique<tcompare_names>());
    int32_t index = -1;
    for (const char* name : {"smith", "Adams", "obrien"}) tree.add(std::make_unique<tname_node>(tname_node{name}), index);
    EXPECT_FALSE(tree.add(std::make_unique<tname_node>(tname_node{"SMITH"}), index));
    std::vector<std::string> names;
    for (bool more = tprocs_iterate_tree::first(tree, index); more; more = tprocs_iterate_tree::next(tree, index))
        names.push_back(tree.get_node(index)->fname);
    EXPECT_EQ((std::vector<std::string>{"Adams", "obrien", "smith"}), names);
}

}  // namespace
