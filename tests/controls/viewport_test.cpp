#include "controls/viewport.h"

#include <gtest/gtest.h>

#include "controls_test_support.h"

namespace {

struct tentry {
    int32_t depth;
    TAlign align;
    int16_t ml, mt, mr, mb, dimension;
};

tvelmor_viewport2 make_viewport(std::initializer_list<tentry> aentries, int32_t afirst = 101) {
    tvelmor_viewport2 v;
    v.tag = 2101;
    v.tag_control_first = afirst;
    for (const tentry& e : aentries) v.add_align(e.depth, e.align, e.ml, e.mt, e.mr, e.mb, e.dimension, false);
    v.finish_adds();
    return v;
}

trect rect_of(const tvelmor_viewport2& v, int32_t atag) {
    trect r;
    v.get_rect_value(r, atag);
    return r;
}

}  // namespace

TEST(Viewport, CutsDockedCellsWithTheAsymmetricMarginsOfTheLayoutContract) {
    struct tcase {
        const char* name;
        std::initializer_list<tentry> entries;
        trect total;
        trect first, second;
    };
    const tcase cases[] = {
        {"top cell keeps its bottom margin plus a pixel", {{0, alTop, 10, 10, 10, 10, 30}, {0, alClient, 0, 0, 0, 0, 0}},
         {0, 0, 800, 600}, {10, 10, 790, 40}, {0, 51, 800, 600}},
        {"left cell leaves neither its right margin nor a pixel",
         {{0, alLeft, 4, 0, 0, 0, 100}, {0, alClient, 0, 0, 0, 0, 0}}, {0, 0, 500, 30}, {4, 0, 104, 30}, {104, 0, 500, 30}},
        {"right cell leaves one pixel", {{0, alRight, 0, 0, 10, 0, 430}, {0, alClient, 0, 0, 0, 0, 0}},
         {0, 0, 1000, 700}, {560, 0, 990, 700}, {0, 0, 559, 700}},
        {"bottom cell leaves one pixel and no top margin", {{0, alBottom, 2, 7, 3, 5, 20}, {0, alClient, 1, 1, 1, 1, 0}},
         {0, 0, 100, 100}, {2, 75, 97, 95}, {1, 1, 99, 73}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tvelmor_viewport2 v = make_viewport(c.entries);
        v.calculate_rect_values(c.total);
        EXPECT_EQ(c.first, rect_of(v, 101));
        EXPECT_EQ(c.second, rect_of(v, 102));
    }
}

TEST(Viewport, NestedCellsAreCutFromTheirParentAndSiblingsAreLinked) {
    // A bottom bar holding two right-docked buttons, then the client area.
    tvelmor_viewport2 v = make_viewport({{0, alBottom, 0, 0, 0, 0, 40},
                                         {1, alRight, 0, 5, 5, 5, 80},
                                         {1, alRight, 0, 5, 5, 5, 80},
                                         {0, alClient, 0, 0, 0, 0, 0}});
    EXPECT_EQ(-1, v.align_at(0).index_parent2);
    EXPECT_EQ(0, v.align_at(1).index_parent2);
    EXPECT_EQ(2, v.align_at(1).index_next_sibling);
    EXPECT_EQ(-1, v.align_at(0).index_next_sibling);  // depth-0 cells are never linked
    v.calculate_rect_values({0, 0, 400, 300});
    EXPECT_EQ((trect{0, 260, 400, 300}), rect_of(v, 101));
    EXPECT_EQ((trect{315, 265, 395, 295}), rect_of(v, 102));
    EXPECT_EQ((trect{229, 265, 309, 295}), rect_of(v, 103));
    EXPECT_EQ((trect{0, 0, 400, 259}), rect_of(v, 104));
}

TEST(Viewport, SkippingTheMiddleOfThreeRightDockedCellsMovesTheThirdIntoItsPlace) {
    tvelmor_viewport2 v = make_viewport({{0, alBottom, 0, 0, 0, 0, 40},
                                         {1, alRight, 0, 0, 10, 0, 80},
                                         {1, alRight, 0, 0, 10, 0, 80},
                                         {1, alRight, 0, 0, 10, 0, 80}},
                                        106);
    v.calculate_rect_values({0, 0, 500, 300});
    trect second_before = rect_of(v, 108);
    EXPECT_EQ((trect{319, 260, 399, 300}), second_before);
    v.set_skip(108, true);
    v.recalculate_rect_values_from(106);
    EXPECT_EQ((trect{410, 260, 490, 300}), rect_of(v, 107));
    EXPECT_EQ(second_before, rect_of(v, 108));  // a skipped cell keeps its old rectangle
    EXPECT_EQ(second_before, rect_of(v, 109));
    EXPECT_TRUE(v.get_skip(108));
}

TEST(Viewport, RelayoutBelowACellLeavesEveryOtherCellAlone) {
    tvelmor_viewport2 v = make_viewport({{0, alTop, 0, 0, 0, 0, 20}, {1, alLeft, 0, 0, 0, 0, 50}, {0, alClient, 0, 0, 0, 0, 0}});
    v.calculate_rect_values({0, 0, 200, 100});
    EXPECT_TRUE(v.set_align_value(101, pa_dimension, 40));
    EXPECT_TRUE(v.set_align_value(102, pa_marginleft, 3));
    EXPECT_FALSE(v.set_align_value(102, pa_marginleft, 3));
    v.recalculate_rect_values_from(101);
    EXPECT_EQ((trect{0, 0, 200, 20}), rect_of(v, 101));  // the cell itself is not cut again
    EXPECT_EQ((trect{3, 0, 53, 20}), rect_of(v, 102));
    EXPECT_EQ((trect{0, 21, 200, 100}), rect_of(v, 103));
}

TEST(Viewport, RefusesIllegalDepthsAlignsAndTags) {
    tvelmor_viewport2 deep = make_viewport({{0, alTop, 0, 0, 0, 0, 10}, {2, alClient, 0, 0, 0, 0, 0}});
    expect_raises("Illegal Parent Index Value 2 in tvelmor_viewport2.calculate_rect_values();",
                  [&] { deep.calculate_rect_values({0, 0, 10, 10}); });
    tvelmor_viewport2 custom = make_viewport({{0, alCustom, 0, 0, 0, 0, 10}});
    expect_raises("telement_align.calculate_rect_values( alCustom ) not implemented.",
                  [&] { custom.calculate_rect_values({0, 0, 10, 10}); });
    tvelmor_viewport2 two = make_viewport({{0, alTop, 0, 0, 0, 0, 10}, {0, alClient, 0, 0, 0, 0, 0}});
    trect r;
    expect_raises("Index out of range in tvelmor_viewport2.get_rect_value( 2 );",
                  [&] { two.get_rect_value(r, two.tag_control_last() + 1); });
}

TEST(Viewport, ReadsZeroRectanglesBeforeTheFirstLayout) {
    tvelmor_viewport2 v = make_viewport({{0, alClient, 0, 0, 0, 0, 0}});
    EXPECT_EQ(trect{}, rect_of(v, 101));
}
