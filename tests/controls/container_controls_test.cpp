#include "controls/container_controls.h"

#include <gtest/gtest.h>

#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/miscobject_textlines.h"
#include "controls/text_controls.h"
#include "controls_test_support.h"
#include "page_fixture.h"

TEST(ContainerLoading, ControlOutsideItsPanelsHundredFailsAtStageTwo) {
    ttest_owner page;
    add_test_panel(page.controls, 2101);
    add_test_panel(page.controls, 2102);
    page.controls.finish_adds(1);
    for (int32_t tag = 101; tag <= 105; ++tag) add_test_control<tvelmor_label>(page, tag, 2101);
    add_test_control<tvelmor_label>(page, 150, 2102);
    expect_raises("Control[2102][150] tag 150 violates range 200 - 299 in tvelmor_label.finish_adds();",
                  [&] { page.controls.finish_adds(2); });
}

TEST(ContainerLoading, AnEmptyFirstPanelDoesNotMoveTheRanges) {
    ttest_owner page;
    for (int32_t tag : {2101, 2102, 2103}) add_test_panel(page.controls, tag);
    page.controls.finish_adds(1);
    for (int32_t tag = 201; tag <= 205; ++tag) add_test_control<tvelmor_label>(page, tag, 2102);
    add_test_control<tvelmor_bevel>(page, 250, 2103);
    expect_raises("Control[2103][250] tag 250 violates range 300 - 399 in tvelmor_bevel.finish_adds();",
                  [&] { page.controls.finish_adds(2); });
}

TEST(ContainerLoading, OnlyTwoStagesAndKnownElementsAreAccepted) {
    ttest_owner page;
    expect_raises("tcontainer_controls2.add_element( tvelmor_label ); not implemented.",
                  [&] { page.controls.add_element(std::make_unique<tvelmor_label>(&page)); });
    expect_raises("tcontainer_controls2.finish_adds( 3 ); not implemented.", [&] { page.controls.finish_adds(3); });
}

class ContainerPage : public ::testing::Test {
protected:
    // Panels 2101 (root) and 2102 (its child); controls 101-104 and 201-202.
    void SetUp() override {
        add_test_panel(page.controls, 2101, 0, 0);
        add_test_panel(page.controls, 2102, 2101, 1);
        add_stage1_elements();
        page.controls.finish_adds(1);
        a = add_focusable<tvelmor_edit>(page, 101, 2101, 0);
        b = add_focusable<tvelmor_edit>(page, 102, 2101, 1);
        c = add_focusable<tvelmor_edit>(page, 103, 2101, 1);
        d = add_focusable<tvelmor_edit>(page, 104, 2101, 3);
        add_test_control<tvelmor_label>(page, 105, 2101);
        e = add_focusable<tvelmor_checkbox>(page, 201, 2102, 5);
        f = add_focusable<tvelmor_checkbox>(page, 202, 2102, 2);
    }
    void finish() { page.controls.finish_adds(2); }
    virtual void add_stage1_elements() {}

    ttest_owner page;
    tvelmor_edit *a, *b, *c, *d;
    tvelmor_checkbox *e, *f;
};

TEST_F(ContainerPage, FindsControlsByTagAndNothingOutsideThePanels) {
    finish();
    EXPECT_EQ(b, page.controls.get_control(102));
    EXPECT_EQ(f, page.controls.get_control(202));
    EXPECT_EQ(nullptr, page.controls.get_control(99));
    EXPECT_EQ(nullptr, page.controls.get_control(301));
    EXPECT_EQ(nullptr, page.controls.get_control(150));
    EXPECT_EQ(1, page.controls.get_panel(2101)->count_children);
    EXPECT_EQ(2102, page.controls.get_panel(2101)->get_children(0));
}

TEST_F(ContainerPage, TabMovesByFocusOrderWrapsAndNeverReachesTheTwin) {
    finish();
    int32_t next = 0;
    EXPECT_EQ(fo_greaterthan, page.controls.can_get_next_focus(next, 102));
    EXPECT_EQ(104, next);
    EXPECT_EQ(fo_lessthan, page.controls.can_get_next_focus(next, 104));
    EXPECT_EQ(101, next);
    EXPECT_EQ(fo_greaterthan, page.controls.can_get_next_focus(next, 101));
    EXPECT_EQ(102, next);  // of the twins the first met wins
    EXPECT_EQ(fo_greaterthan, page.controls.can_get_next_focus(next, 103));
    EXPECT_EQ(104, next);
    ASSERT_TRUE(page.controls.can_get_prior_focus(next, 104));
    EXPECT_EQ(102, next);
    ASSERT_TRUE(page.controls.can_get_prior_focus(next, 101));
    EXPECT_EQ(104, next);  // wraps to the largest
}

TEST_F(ContainerPage, ControlsOutOfTheFocusOrderOrUnwillingAreSkipped) {
    d->focus_order = -1;
    c->enabled = false;
    finish();
    int32_t next = 0;
    EXPECT_EQ(fo_lessthan, page.controls.can_get_next_focus(next, 102));
    EXPECT_EQ(101, next);
    // With no control focused the whole page is searched.
    EXPECT_EQ(fo_greaterthan, page.controls.can_get_next_focus(next, 0));
    EXPECT_EQ(101, next);
}

TEST_F(ContainerPage, APanelThatHandsFocusOnSendsTabToTheNextPanelInsteadOfWrapping) {
    page.controls.get_panel(2101)->panel_options.include(po_focus_next_panel);
    finish();
    int32_t next = 0;
    ASSERT_TRUE(page.controls.execute_control_service(&next, cs_can_get_next_focus, 104));
    EXPECT_EQ(202, next);  // the smallest order in panel 2102
    ASSERT_TRUE(page.controls.execute_control_service(&next, cs_can_get_next_focus, 101));
    EXPECT_EQ(102, next);  // no wrap, no hand-over
    // From the last panel the panels wrap; the panel's first control is found from the start.
    EXPECT_EQ(fo_greaterthan, page.controls.can_get_next_focus_panel(next, 201));
    EXPECT_EQ(101, next);
}

TEST_F(ContainerPage, FocusControlRefusesMissingAndUnfocusableControls) {
    finish();
    EXPECT_TRUE(page.controls.focus_control(102, true));
    EXPECT_TRUE(b->is_focused);
    d->focus_order = -1;
    EXPECT_FALSE(page.controls.focus_control(104, true));
    EXPECT_FALSE(d->is_focused);
    EXPECT_TRUE(page.controls.focus_control(104, false));
    expect_raises("Unassigned control in tcontainer_controls2.focus_control( 199 );",
                  [&] { page.controls.focus_control(199, true); });
    expect_raises("Attempt to focus non focusable control in tcontainer_controls2.focus_control( 105; tvelmor_label );",
                  [&] { page.controls.focus_control(105, true); });
    bool value = false;
    EXPECT_TRUE(page.controls.execute_control_service(&value, cs_focus_control, 102));
    EXPECT_FALSE(b->is_focused);
    expect_raises("tcontainer_controls2.execute_control_service( 9 ); not implemented.",
                  [&] { page.controls.execute_control_service(&value, static_cast<tcontrol_service>(9), 102); });
}

TEST_F(ContainerPage, IteratorsWalkPanelsInTreeOrderAndFilterKinds) {
    finish();
    auto tags = [](icontrols_iterator& it) {
        std::vector<int32_t> r;
        for (it.first(); !it.eof(); it.next()) r.push_back(it.item()->tag);
        return r;
    };
    EXPECT_EQ((std::vector<int32_t>{101, 102, 103, 104, 105, 201, 202}), tags(*page.controls.create_interface(101)));
    EXPECT_EQ((std::vector<int32_t>{105}),
              tags(*page.controls.create_interface_iterate(102, 2101, tvelmor_control_types{ac_label})));
    EXPECT_EQ((std::vector<int32_t>{201, 202}),
              tags(*page.controls.create_interface_iterate(103, 2101, tvelmor_control_types{ac_checkbox})));
    page.controls.get_panel(2102)->visible = false;
    EXPECT_EQ(5u, tags(*page.controls.create_interface_iterate(103, 2101, {})).size());
    EXPECT_EQ(7u, tags(*page.controls.create_interface_iterate(103, 2101, {}, {ai_include_invisible})).size());
    page.controls.get_panel(2101)->visible = false;
    auto root_hidden = page.controls.create_interface_iterate(103, 2101, {});
    root_hidden->first();
    EXPECT_TRUE(root_hidden->eof());
    expect_raises("Illegal next(); on empty panel stack in tinterface_controls_list_panel2.next();",
                  [&] { root_hidden->next(); });
    EXPECT_TRUE(tags(*page.controls.create_interface(7)).empty());
}

class ContainerPageWithThemes : public ContainerPage {
protected:
    // A value element and two edit themes, 0 and 922.
    void add_stage1_elements() override {
        page.controls.add_value(std::make_unique<tvalueelement_generic>(vb_longint, 7));
        page.controls.add_element(std::make_unique<tvelmor_theme_edit>());
        auto second = std::make_unique<tvelmor_theme_edit>();
        second->tag_theme = 922;
        second->color = 5;
        page.controls.add_element(std::move(second));
    }
};

TEST_F(ContainerPageWithThemes, ValuesAndMiscObjectsAreFoundByTagWithTheHandlerAsFallback) {
    finish();
    ASSERT_NE(nullptr, page.controls.get_value(7));
    EXPECT_EQ(7, page.controls.get_value(7)->tag());
    EXPECT_EQ(nullptr, page.controls.get_value(8));
    ttest_owner parent;
    add_test_panel(parent.controls, 2101);
    parent.controls.add_element(std::make_unique<tmiscobject_textlines>(&parent, 101));
    parent.controls.finish_adds(1);
    parent.controls.finish_adds(2);
    EXPECT_EQ(nullptr, page.controls.get_miscobject(101));
    page.parent_miscobjects = &parent.controls;
    EXPECT_EQ(parent.controls.get_miscobject(101), page.controls.get_miscobject(101));
    EXPECT_EQ(101, parent.controls.tag_menuitems);
}

TEST_F(ContainerPageWithThemes, ExchangedThemesSwapWhichControlsTheyDraw) {
    a->tag_theme = 922;
    finish();
    EXPECT_EQ(5u, static_cast<tvelmor_theme_edit*>(page.controls.get_theme(101))->color);
    page.controls.themes_exchange(0, 922);
    EXPECT_EQ(0u, static_cast<tvelmor_theme_edit*>(page.controls.get_theme(101))->color);
    EXPECT_EQ(922, page.controls.get_theme(101)->tag_theme);
    int32_t rows = 0;
    expect_raises("Invalid tvelmor_edit control in tcontainer_controls2.execute_control_service( "
                  "cs_get_grid_maximum_visible_rowcount );",
                  [&] { page.controls.execute_control_service(&rows, cs_get_grid_maximum_visible_rowcount, 101); });
}

TEST_F(ContainerPage, TheDebugDumpListsEveryPanelControlAndViewport) {
    finish();
    std::string text = page.controls.get_debug_text();
    EXPECT_NE(std::string::npos, text.find("panel 2102 parent 2101")) << text;
    EXPECT_NE(std::string::npos, text.find("tvelmor_checkbox\ntag = 202.\ntag_panel = 2102.")) << text;
}
