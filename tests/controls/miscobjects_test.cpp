#include <gtest/gtest.h>

#include "controls/grid_controls.h"
#include "controls/miscobject_fieldlinks.h"
#include "controls/miscobject_textlines.h"
#include "controls/miscobjects.h"
#include "controls/recording_canvas.h"
#include "controls_test_support.h"
#include "page_fixture.h"
#include "values/values_simple.h"

namespace {

// A record of three fields: name (text), count (integer), code (8-bit text); all assigned.
class trow_record : public tvalue_generic2 {
public:
    trow_record(std::u16string aname, int32_t acount) : name(std::move(aname)), count(acount) {}
    bool get_field_index(int32_t& aindex, std::string_view aname) const override {
        static const char* const names[] = {"name", "count", "code"};
        for (aindex = 0; aindex < 3; ++aindex)
            if (same_text_nocase(names[aindex], aname)) return true;
        return false;
    }
    bool get_field_is_assigned(int32_t) const override { return true; }
    std::u16string get_asunicodestring1(int32_t) const override { return name; }
    void set_asunicodestring1(int32_t, const std::u16string& avalue) override { name = avalue; }
    int32_t get_aslongint1(int32_t) const override { return count; }
    void set_aslongint1(int32_t, int32_t avalue) override { count = avalue; }
    std::string get_asansistring(int32_t) const override { return "C" + std::to_string(count); }
    std::u16string name;
    int32_t count;
};

std::unique_ptr<tvalue_array> captions(std::initializer_list<const char16_t*> atexts) {
    auto array = std::make_unique<tvalue_array>(static_cast<int32_t>(atexts.size()));
    int32_t i = 0;
    for (const char16_t* t : atexts) array->set_value(i++, std::make_unique<tvalue_unicodestring>(t));
    return array;
}

}  // namespace

TEST(MiscObjects, TextLinesNumberTheirItemsAndFindThemById) {
    tmiscobject_textlines lines(nullptr, 101);
    lines.add_textline(u"New Operator...");
    lines.add_textline(u"Delete Operator...");
    lines.add_textline(7, u"Other");
    EXPECT_EQ(0, lines.get_value(0));
    EXPECT_EQ(1, lines.get_value(1));
    EXPECT_EQ(2, lines.get_value_index(7));
    EXPECT_EQ(-1, lines.get_value_index(5));
    std::u16string text;
    EXPECT_TRUE(lines.get_textvalue_rowcol(text, 1, 0));
    EXPECT_EQ(u"Delete Operator...", text);
    EXPECT_TRUE(lines.get_textvalue_rowcol(text, 1, 1));
    EXPECT_EQ(u"", text);
}

TEST(MiscObjects, AFlatValueArrayServesAsHeaderRowAndAsColumn) {
    tmiscobject_value flat(nullptr, 101, captions({u"First Name", u"Last Name"}));
    struct tcase {
        const char* name;
        int32_t row, col;
        bool found;
        const char16_t* text;
    };
    const tcase cases[] = {{"row 0 col 1", 0, 1, true, u"Last Name"},  {"row 1 col 0", 1, 0, true, u"Last Name"},
                           {"row 1 col 1", 1, 1, false, u""},          {"empty area below", -1, 3, true, u""},
                           {"past the array", 2, 0, false, u""}};
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        std::u16string text;
        EXPECT_EQ(c.found, flat.get_textvalue_rowcol(text, c.row, c.col));
        EXPECT_EQ(std::u16string(c.text), text);
    }
    auto table = std::make_unique<tvalue_array>(1);
    table->set_value(0, captions({u"a", u"b"}));
    tmiscobject_value nested(nullptr, 102, std::move(table));
    std::u16string text;
    EXPECT_TRUE(nested.get_textvalue_rowcol(text, 0, 1));
    EXPECT_EQ(u"b", text);
    tmiscobject_value empty(nullptr, 103, nullptr);
    EXPECT_FALSE(empty.get_textvalue_rowcol(text, 0, 0));
}

TEST(MiscObjects, SetLastMessagesUpdateOneStatusLineInPlace) {
    tvelmor_messagelines_lines lines(nullptr, 101);
    EXPECT_TRUE(lines.add_message_line(u"Copying", 0, {ml_setlast}));
    EXPECT_TRUE(lines.add_message_line(u"Copying 50%", 0, {ml_setlast}));
    ASSERT_EQ(1u, lines.lines.size());
    EXPECT_EQ(u"Copying 50%", lines.lines[0].text);
    EXPECT_TRUE(lines.add_message_line(u"Done", 4, {}));
    EXPECT_FALSE(lines.add_message_line(u"", 0, {ml_setlast}));
    EXPECT_TRUE(lines.add_message_line(u"Next", 0, {ml_setlast}));  // after a normal line: appended
    ASSERT_EQ(3u, lines.lines.size());
    EXPECT_EQ(4, lines.lines[1].margin);
    tvelmor_messagelines base(nullptr, 102);
    expect_raises("tvelmor_messagelines.add_message_line(); not implemented.",
                  [&] { base.add_message_line(u"x", 0, {}); });
}

TEST(MiscObjects, MessageLinesOfAGridSetItsRowCount) {
    ttest_owner page;
    add_test_panel(page.controls, 2101);
    page.controls.finish_adds(1);
    add_test_control<tvelmor_grid>(page, 101, 2101);
    page.controls.finish_adds(2);
    tvelmor_messagelines_grid lines(&page, 101, 101);
    lines.add_message_line(u"one", 0, {});
    lines.add_message_line(u"two", 0, {ml_setlast});
    EXPECT_EQ(2, static_cast<tvelmor_grid*>(page.controls.get_control(101))->rowcount);
}

TEST(MiscObjects, FieldLinksOfAGridReadTheRowUnderItsCurrentRow) {
    ttest_owner page;
    add_test_panel(page.controls, 2103);
    page.controls.finish_adds(1);
    auto* grid = add_test_control<tvelmor_grid>(page, 322, 2103);
    page.controls.finish_adds(2);
    trow_record first(u"Ann", 1), second(u"Bob", 2);
    std::vector<tvalue_generic2*> list{&first, &second};
    tmiscobject_fieldlinks_rows links(&page, 101);
    links.tag_grid = 322;
    links.add_field_validator("name", vf_unicodestring, 0, 0);
    links.add_field_hardlink("count", vf_longint);
    links.finish_adds();
    links.setup_data(&list, first);
    grid->row = 1;
    EXPECT_EQ(u"Bob", links.fieldlinks[0]->get_asunicodestring());
    EXPECT_EQ(u"Bob", links.get_validator(0)->get_text(false));
    links.fieldlinks[0]->set_asunicodestring(u"Bea");
    EXPECT_EQ(u"Bea", second.name);
    grid->row = 2;  // past the list: empty values, writes do nothing
    EXPECT_EQ(u"", links.fieldlinks[0]->get_asunicodestring());
    links.fieldlinks[0]->set_asunicodestring(u"lost");
    grid->row = -1;
    EXPECT_EQ(0, links.fieldlinks[1]->get_aslongint());
}

TEST(MiscObjects, FieldLinksCheckTypesBindingAndIndexes) {
    tmiscobject_fieldlinks_record links(nullptr, 101);
    links.add_field_validator("name", vf_unicodestring, 0, 0);
    links.add_field_hardlink("count", vf_longint);
    links.finish_adds();
    EXPECT_EQ(u"", links.fieldlinks[0]->get_asunicodestring());  // nothing bound yet
    expect_raises("Invalid ValueType[2] in tfield_link.get_aslongint();", [&] { links.fieldlinks[0]->get_aslongint(); });
    expect_raises("Invalid ValueType[1] in tfield_link.set_int64();", [&] { links.fieldlinks[1]->set_asint64(3); });
    expect_raises("Unsupported value type 7 in tfield_link.create();",
                  [&] { links.add_field_validator("flag", vf_boolean, 0, 0); });
    trow_record record(u"Ann", 4);
    links.setup_data1(&record);
    links.set_hard_value(1, 9);
    EXPECT_EQ(9, record.count);
    links.set_hard_value(0, 5);  // validator links ignore hard values
    EXPECT_EQ(u"Ann", record.name);
    expect_raises("Index 2 out of range in tmiscobject_fieldlinks_record.set_hard_value();",
                  [&] { links.set_hard_value(2, 1); });
    tmiscobject_fieldlinks_record wrong(nullptr, 102);
    wrong.add_field_hardlink("missing", vf_longint);
    expect_raises("Field[missing] not found in tmiscobject_fieldlinks_record.setup_data();",
                  [&] { wrong.setup_data1(&record); });
    tmiscobject_fieldlinks base(nullptr, 103);
    expect_raises("tmiscobject_fieldlinks.get_reference_row(); Not Implemented", [&] { base.get_reference_row(); });
}

TEST(MiscObjects, ListRowsFormatTheirFieldsAndRefuseWhatTheyCannotShow) {
    trow_record first(u"Ann", 1), second(u"Bob", 22);
    std::vector<tvalue_generic2*> list{&first, &second};
    tmiscobject_listrows rows(nullptr, 101, 3);
    rows.add_field("name", vf_unicodestring);
    rows.add_field("count", vf_longint);
    rows.add_field("code", vf_ansistring);
    expect_raises("Too many fields added in tmiscobject_listrows.add_field();",
                  [&] { rows.add_field("more", vf_longint); });
    rows.setup_data(&list, first);
    std::u16string text;
    EXPECT_TRUE(rows.get_textvalue_rowcol(text, 1, 1));
    EXPECT_EQ(u"22", text);
    EXPECT_TRUE(rows.get_textvalue_rowcol(text, 1, 2));
    EXPECT_EQ(u"C22", text);
    EXPECT_FALSE(rows.get_textvalue_rowcol(text, 2, 0));
    EXPECT_FALSE(rows.get_textvalue_rowcol(text, 0, 3));
    EXPECT_TRUE(rows.get_textvalue_rowcol(text, -1, 0));
    tmiscobject_listrows missing(nullptr, 102, 1);
    missing.add_field("nothing", vf_longint);
    expect_raises("Missing \"nothing\" field on tvalue_generic2 record in tmiscobject_listrows.setup_data();",
                  [&] { missing.setup_data(&list, first); });
    tmiscobject_listrows money(nullptr, 103, 1);
    money.add_field("count", vf_currency);
    expect_raises("Unsupported fieldtype 2 in tmiscobject_listrows.setup_data();", [&] { money.setup_data(&list, first); });
}

TEST(MiscObjects, BaseOperationsRaiseNotImplemented) {
    tvelmor_miscobject base(nullptr, 101, am_datafields);
    std::u16string text;
    EXPECT_FALSE(base.get_textvalue_rowcol(text, 0, 0));
    EXPECT_EQ(nullptr, base.get_validator(0));
    expect_raises("tvelmor_miscobject.update_control(); not implemented.", [&] { base.update_control(nullptr); });
    expect_raises("tvelmor_miscobject.set_hard_value(); not implemented.", [&] { base.set_hard_value(0, true); });
    expect_raises("tvelmor_miscobject.get_textvalue_fieldno(); not implemented.", [&] { base.get_textvalue_fieldno(0); });
}

TEST(MiscObjects, CellPaintersEraseTheEmptyAreaAndPaintOnlyTheirOwnCells) {
    ttest_grid_renderer renderer;
    tvelmor_theme_grid_brief theme;
    theme.classrender = &renderer;
    tvelmor_grid grid(nullptr);
    trecording_canvas canvas;
    int32_t font_tag = 0;
    tmiscobject_textlines lines(nullptr, 101);
    lines.add_textline(u"Menu");
    lines.control_paint(font_tag, canvas, &grid, &theme, u"Menu", {0, 40, 100, 60}, 0, 0);
    lines.control_paint(font_tag, canvas, &grid, &theme, u"", {0, 60, 100, 80}, 0, 1);
    lines.control_paint(font_tag, canvas, &grid, &theme, u"", {0, 70, 100, 90}, -1, -1);
    tmiscobject_gridcolumns columns(nullptr, 102);
    columns.add_column(taRightJustify, 26122, 3);
    columns.control_paint(font_tag, canvas, &grid, &theme, u"9.50", {0, 0, 50, 20}, 2, 0);
    columns.control_paint(font_tag, canvas, &grid, &theme, u"x", {0, 0, 50, 20}, 2, 1);
    EXPECT_EQ((std::vector<std::string>{"Menu 0,0 font 25866 align 0 margin 0", "erase 70",
                                        "9.50 2,0 font 26122 align 1 margin 3"}),
              renderer.painted);
}

namespace {
// A plain object with declared properties, as page parameter records and data objects have.
class tperson : public treflected_object {
public:
    static const tclass_info& static_class() {
        static const tproperty_info props[] = {prop<&tperson::name>("name"), prop<&tperson::age>("age")};
        static const tclass_info info("tperson", &treflected_object::static_class(), factory_of<tperson>, props);
        return info;
    }
    const tclass_info& get_class() const override { return static_class(); }
    std::u16string name;
    int32_t age = 0;
};
}  // namespace

TEST(MiscObjects, FieldLinksBoundToAnObjectReadAndWriteItsPropertiesByName) {
    tmiscobject_fieldlinks_record links(nullptr, 101);
    links.add_field_validator("name", vf_unicodestring, 0, 0);
    links.add_field_validator("age", vf_longint, 0, 0);
    links.finish_adds();
    tperson person;
    person.name = u"Ann";
    person.age = 41;
    links.setup_data2(&person);
    EXPECT_EQ(u"Ann", links.fieldlinks[0]->get_asunicodestring());
    EXPECT_EQ(u"41", links.get_validator(1)->get_text(false));
    bool changed = false;
    ASSERT_TRUE(links.get_validator(1)->validate_value(changed, u"42"));
    EXPECT_EQ(42, person.age);
    links.fieldlinks[0]->set_asunicodestring(u"Bea");
    EXPECT_EQ(u"Bea", person.name);
    links.setup_data2(nullptr);
    EXPECT_EQ(u"", links.fieldlinks[0]->get_asunicodestring());
}
