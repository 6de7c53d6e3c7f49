#include "controls/form_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "controls/control_kinds.h"
#include "controls/controls_registration.h"
#include "controls/dfm_values.h"
#include "controls/font_code.h"
#include "controls/form_components.h"
#include "controls/grid_controls.h"
#include "controls/miscobject_textlines.h"
#include "controls/miscobjects.h"
#include "controls/recording_canvas.h"
#include "controls/text_controls.h"
#include "controls_test_support.h"
#include "page_fixture.h"

namespace {

std::string read_file(const std::string& apath) {
    std::ifstream in(apath, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class FormReader : public ::testing::Test {
protected:
    void SetUp() override { register_controls_classes(); }
    std::unique_ptr<tdfm_form> read(const std::string& atext) { return tform_reader::read(atext, "test.form"); }
};

}  // namespace

TEST_F(FormReader, ReadsAWholePageIntoTheContainerInFileOrder) {
    std::string path = std::string(VELMOR_TEST_DATA) + "/forms/form_sample_contact.form";
    std::unique_ptr<tdfm_form> form = tform_reader::read(read_file(path), path);
    EXPECT_EQ(800, form->ClientWidth);
    EXPECT_EQ(600, form->ClientHeight);
    ASSERT_EQ(6u, form->children.size());
    EXPECT_EQ("panel_root", form->children[0]->Name);
    EXPECT_EQ("viewport_contacts", form->children[3]->Name);

    tuse_test_grid_renderer grids;
    ttest_owner page;
    create_form_components(*form, page.controls, &page);
    tcontainer_controls2& c = page.controls;
    EXPECT_EQ(2101, c.get_panel(2102)->tag_parent);
    EXPECT_TRUE(c.get_panel(2102)->panel_options.contains(po_focus_next_panel));
    auto* title = dynamic_cast<tvelmor_label*>(c.get_control(101));
    ASSERT_NE(nullptr, title);
    EXPECT_EQ(u"Contact's details", title->caption);
    EXPECT_EQ(2101, title->tag_panel);
    auto* grid = dynamic_cast<tvelmor_grid*>(c.get_control(203));
    ASSERT_NE(nullptr, grid);
    EXPECT_EQ(-1, grid->focus_order);
    EXPECT_EQ((std::vector<int16_t>{180, -50}), grid->colwidths);
    EXPECT_EQ(2, grid->colcount);
    EXPECT_TRUE(grid->grid_options.contains(go_can_select_cell));
    EXPECT_FALSE(grid->grid_options.contains(go_listen_data_requests));
    EXPECT_EQ(frameedges_bottom, dynamic_cast<tvelmor_bevel*>(c.get_control(102))->frameedges);

    auto* edit_theme = dynamic_cast<tvelmor_theme_edit*>(c.get_theme_by_tag(921));
    ASSERT_NE(nullptr, edit_theme);
    EXPECT_EQ(11 + 256 * 102, edit_theme->font);
    EXPECT_EQ(8388608u, edit_theme->color_selected);
    EXPECT_EQ(0xFF00000Fu, dynamic_cast<tvelmor_theme_bevel*>(c.get_theme_by_tag(901))->color);

    auto* columns = dynamic_cast<tmiscobject_gridcolumns*>(c.get_miscobject(102));
    ASSERT_NE(nullptr, columns);
    EXPECT_EQ(25866, columns->get_font(0));
    EXPECT_EQ(26122, columns->get_font(1));  // verdana with a non-numeric size falls back to arial;10
    EXPECT_EQ(taRightJustify, columns->get_alignment(1));
    EXPECT_EQ(105, c.tag_screenparams);
    EXPECT_EQ(104, c.tag_menuitems);
    EXPECT_EQ((std::vector<std::string>{"0=Save"}), page.footer_captions);  // only items with a caption

    trect r;
    int32_t font_tag = 0;
    trecording_canvas canvas;
    c.calculate_viewports(font_tag, canvas, {0, 0, 800, 600});
    c.get_viewport(101, r);
    EXPECT_EQ((trect{10, 10, 790, 40}), r);
    c.get_viewport(102, r);
    EXPECT_EQ((trect{10, 38, 790, 40}), r);
    c.get_viewport(203, r);
    EXPECT_EQ((trect{4, 101, 796, 600}), r);
    EXPECT_EQ(24, grid->row_count_visible);  // the grid recounted its rows after the layout
    c.get_panel_viewport(2102, r);
    EXPECT_EQ((trect{0, 51, 800, 600}), r);
}

TEST_F(FormReader, ReportsEveryUnknownNameAndBadValueWithItsPosition) {
    struct tcase {
        const char* name;
        const char* text;
        const char* message;
    };
    const tcase cases[] = {
        {"unknown class", "object f: Tform_page2\n  object p: tdfmelement_pannel\n  end\nend\n",
         "test.form:2:13: unknown class \"tdfmelement_pannel\""},
        {"unknown property", "object f: Tform_page2\n  Colour = 3\nend\n",
         "test.form:2:3: unknown property \"Colour\" of class Tform_page2"},
        {"unknown enumeration value",
         "object f: Tform_page2\n  object v: tdfmelement_viewport\n    object a: tdfmelement_align\n      align = alMiddle\n"
         "    end\n  end\nend\n",
         "test.form:4:15: unknown value \"alMiddle\" for property \"align\""},
        {"unknown set value", "object f: Tform_page2\n  object p: tdfmelement_panel\n    panel_options = [po_x]\n  end\nend\n",
         "test.form:3:22: unknown value \"po_x\" for property \"panel_options\""},
        {"unknown reference", "object f: Tform_page2\n  object p: tdfmelement_panel\n    parent = panel_nowhere\n  end\nend\n",
         "test.form:3:14: unknown reference \"panel_nowhere\""},
        {"reference of the wrong class",
         "object f: Tform_page2\n  object v: tdfmelement_viewport\n  end\n  object p: tdfmelement_panel\n    parent = v\n"
         "  end\nend\n",
         "test.form:5:14: \"v\" is not a tdfmelement_panel"},
        {"integer out of range", "object f: Tform_page2\n  object a: tdfmelement_align\n    dimension = 40000\n  end\nend\n",
         "test.form:3:17: value 40000 out of range for property \"dimension\""},
        {"text where an integer belongs", "object f: Tform_page2\n  ClientWidth = 'wide'\nend\n",
         "test.form:2:17: integer expected for property \"ClientWidth\""},
        {"Boolean spelt wrongly", "object f: Tform_page2\n  object p: tdfmelement_panel\n    visible = Yes\n  end\nend\n",
         "test.form:3:15: True or False expected for property \"visible\""},
        {"unknown collection", "object f: Tform_page2\n  object t: tdfmelement_miscobject_textlines\n    lines = <\n"
                               "      item\n      end>\n  end\nend\n",
         "test.form:3:5: unknown collection \"lines\" of class tdfmelement_miscobject_textlines"},
        {"text left open", "object f: Tform_page2\n  object l: tdfmelement_label\n    caption = 'Name\n  end\nend\n",
         "test.form:3:15: text not closed on its line"},
        {"missing end", "object f: Tform_page2\n  ClientWidth = 3\n", "test.form:3:1: 'end' expected"},
        {"two objects of one name", "object f: Tform_page2\n  object f: tdfmelement_panel\n  end\nend\n",
         "test.form:2:10: a second object named \"f\""},
        {"root that is not a page form", "object p: tdfmelement_panel\nend\n",
         "test.form:1:11: the form's root class tdfmelement_panel is not a page form"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        expect_raises(c.message, [&] { read(c.text); });
    }
}

TEST_F(FormReader, AValueHolderWithTwoChildrenFailsWhileTheFormIsRead) {
    expect_raises("Too many child values set on holder in tdfmelement_miscobject_value.add_child_value();", [&] {
        read("object f: Tform_page2\n  object m: tdfmelement_miscobjects\n"
             "    object holder: tdfmelement_miscobject_value\n"
             "      object a: tdfmelement_value_longint\n        value = 1\n      end\n"
             "      object b: tdfmelement_value_longint\n        value = 2\n      end\n"
             "    end\n  end\nend\n");
    });
}

TEST_F(FormReader, ReadsTextsWithQuotesCharacterCodesAndNegativeNumbers) {
    std::unique_ptr<tdfm_form> form = read(
        "object f: Tform_page2\n  ClientWidth = -5\n  object l: tdfmelement_label\n"
        "    caption = 'It''s'#13#10'caf\xC3\xA9'  // a comment\n  end\nend\n");
    EXPECT_EQ(-5, form->ClientWidth);
    EXPECT_EQ(u"It's\r\ncaf\u00e9", static_cast<tdfmelement_label&>(*form->children[0]).caption);
}

TEST_F(FormReader, ControlDeclarationsKeepTheirDefaults) {
    std::unique_ptr<tdfm_form> form = read(
        "object f: Tform_page2\n  object p: tdfmelement_panel\n    Tag = 2101\n"
        "    object e: tdfmelement_edit\n      Tag = 101\n    end\n"
        "    object b: tdfmelement_bevel\n      Tag = 102\n    end\n  end\nend\n");
    auto& panel = static_cast<tdfmelement_panel&>(*form->children[0]);
    EXPECT_FALSE(panel.visible);
    EXPECT_TRUE(panel.enabled);
    ttest_owner page;
    auto edit = static_cast<tdfmelement_base&>(*panel.children[0]).create_control(&page);
    EXPECT_TRUE(edit->visible);
    EXPECT_TRUE(static_cast<tvelmor_edit&>(*edit).enabled);
    EXPECT_EQ(2101, edit->tag_panel);
    auto bevel = static_cast<tdfmelement_base&>(*panel.children[1]).create_control(&page);
    EXPECT_EQ(frameedges_all, static_cast<tvelmor_bevel&>(*bevel).frameedges);
}

TEST_F(FormReader, AbstractDeclarationsRaiseTheirNotImplementedMessages) {
    tdfmelement_base control;
    expect_raises("tdfmelement_base.create_control( de_none ) not implemented.", [&] { control.create_control(nullptr); });
    tdfmelement_miscobject misc;
    expect_raises("tdfmelement_miscobject.create_control(); not implemented.", [&] { misc.create_control(nullptr); });
    tdfmelement_value value;
    expect_raises("tdfmelement_value.create_value(); not implemented.", [&] { value.create_value(); });
    tdfmelement_messagelines lines;
    lines.messagelines_type = static_cast<tvelmor_messagelines_type>(3);
    expect_raises("messagelines_type( 3 ) not supported in tdfmelement_messagelines.create_control();",
                  [&] { lines.create_control(nullptr); });
    tdfmelement_miscobject_fieldlinks links;
    links.links_instance = static_cast<tlinks_instance>(2);
    expect_raises("Unsupported links_instance[2] in tdfmelement_miscobject_fieldlinks.create_control();",
                  [&] { links.create_control(nullptr); });
}

TEST_F(FormReader, FontTextsGiveFontCodesOrFallBackToArial10) {
    struct tcase {
        const char* text;
        int32_t code;
    };
    const tcase cases[] = {{"Arial;12;B", 12 + 256 * 102 + 16777216}, {"tahoma;10", 25866}, {"tahoma", 26122},
                           {"tahoma;x", 26122},  {"helvetica;10", 26122}, {"Segoe UI Semibold;9", 9 + 256 * 106}};
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.code, font_code_from_text(c.text));
    }
}

TEST_F(FormReader, EveryCutOffFormFailsWithAMessageInsteadOfCrashing) {
    std::string text = read_file(std::string(VELMOR_TEST_DATA) + "/forms/form_sample_contact.form");
    size_t failures = 0, cuts = 0;
    for (size_t length = 0; length < text.size(); length += 5, ++cuts) {
        try {
            read(text.substr(0, length));
        } catch (const tvelmor_exception& e) {
            EXPECT_EQ(0u, std::string(e.what()).rfind("test.form:", 0)) << e.what();
            ++failures;
        }
    }
    EXPECT_EQ(cuts, failures);
}

TEST_F(FormReader, HostileNumbersAndNestingGivePositionedMessages) {
    const std::string holder =
        "object f: Tform_page2\n  object m: tdfmelement_miscobjects\n    object h: tdfmelement_miscobject_value\n"
        "      object v: ";
    struct tcase {
        const char* name;
        std::string text;
        const char* message;
    };
    std::string deep = "object f: Tform_page2\n";
    for (int i = 0; i < 100000; ++i) deep += "object p" + std::to_string(i) + ": tdfmelement_panel\n";
    const tcase cases[] = {
        {"integer past 64 bits", holder + "tdfmelement_value_longint\n        value = 99999999999999999999\n",
         "test.form:5:17: integer 99999999999999999999 is too large"},
        {"amount past 64 bits", holder + "tdfmelement_value_currency\n        value = 99999999999999999999.5\n",
         "test.form:5:17: amount 99999999999999999999.5 out of range for property \"value\""},
        {"amount whose ten-thousandths overflow", holder + "tdfmelement_value_currency\n        value = -922337203685478.1\n",
         "test.form:5:17: amount -922337203685478.1 out of range for property \"value\""},
        {"nesting without bound", deep, "test.form:65:1: nesting deeper than 64 levels"},
        {"a NUL byte", std::string("object f: Tform_page2\n  \0", 25), "test.form:2:3: unexpected <byte 00>"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        expect_raises(c.message, [&] { read(c.text); });
    }
    // The largest amount that fits is still read.
    std::unique_ptr<tdfm_form> form =
        read(holder + "tdfmelement_value_currency\n        value = 922337203685477.5807\n      end\n    end\n  end\nend\n");
    auto& value = *form->children[0]->children[0]->children[0];
    EXPECT_EQ(INT64_MAX, static_cast<tdfmelement_value_currency&>(value).value.value);
}
