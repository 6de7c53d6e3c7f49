// The edit controller: what each key does to the text, which part of the edit is redrawn, and
// what the handler hears. On the recording canvas an arial 11 character is 7 pixels wide.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/controllers.h"
#include "controls/font_code.h"
#include "controls/miscobject.h"
#include "controls/text_controls.h"
#include "controls/theme.h"
#include "controls_test_support.h"
#include "input_controller_fixture.h"
#include "procs/message_format.h"
#include "values/validators.h"
#include "values/values_simple.h"

using namespace input_test;

namespace {

const int32_t arial11 = font_code_from_text("arial;11");

// Redraws go to the log: a typed character and a cleared cell with their x range, the line with
// the text it shows.
class trecording_edit_renderer : public tvelmor_render_edit_generic {
public:
    explicit trecording_edit_renderer(tlog& alog) : flog(alog) {}
    void clear_characters(tcanvas&, const trect& arect, tvelmor_edit&, tvelmor_theme_edit*) const override {
        flog.push_back("clear " + range(arect));
    }
    void draw_single_char(tcanvas&, const trect& arect, tvelmor_edit&, char16_t achar,
                          tvelmor_theme_edit*) const override {
        flog.push_back("char " + utf16_to_utf8(std::u16string(1, achar)) + " " + range(arect));
    }
    void draw_line(tcanvas&, tvelmor_edit& aedit, const trect&, tvelmor_theme_edit*) const override {
        flog.push_back("line [" + utf16_to_utf8(aedit.get_display_text()) + "]" +
                       (aedit.selectedall ? " selected" : ""));
    }

private:
    static std::string range(const trect& arect) {
        return std::to_string(arect.left) + ".." + std::to_string(arect.right);
    }
    tlog& flog;
};

// A field links stand-in: every field is edited through one validator.
class tvalidator_source : public tvelmor_miscobject {
public:
    explicit tvalidator_source(tvalidator_generic* avalidator)
        : tvelmor_miscobject(nullptr, 101, am_fieldlinks), validator(avalidator) {}
    tvalidator_generic* get_validator(int32_t) override { return validator; }
    tvalidator_generic* validator;
};

uint16_t key_of(char ach) {
    if (ach >= 'a' && ach <= 'z') return static_cast<uint16_t>(ach - 'a' + key_a);
    return static_cast<uint16_t>(ach);  // digits
}

class EditController : public ::testing::Test {
protected:
    EditController() {
        theme.font = arial11;
        theme.classrender = &renderer;
        edit.tag = 103;
        edit.is_focused = true;
    }
    bool key(uint16_t akey, tshift_state ashift = 0, bool as_readonly = false, bool as_keyup = false) {
        return tvelmor_controller_edit::handle_keydown(canvas, font_tag, edit, rect, as_readonly, akey, ashift,
                                                       as_keyup, &theme, validator);
    }
    void type(const std::string& akeys) {
        for (char c : akeys) key(key_of(c));
    }
    std::string text() const { return utf16_to_utf8(edit.get_text()); }

    tuse_platform platform;
    tinput_owner page;
    trecording_edit_renderer renderer{page.log};
    tvelmor_theme_edit theme;
    tvelmor_edit edit{&page};
    trecording_canvas canvas;
    int32_t font_tag = 0;
    trect rect{10, 20, 110, 44};
    tvalidator_generic* validator = nullptr;
};

TEST_F(EditController, KeysTypeTheirCharactersOnAUnitedStatesLayout) {
    struct tcase {
        const char* name;
        uint16_t key;
        tshift_state shift;
        bool caps;
        std::string typed;
    };
    const tcase cases[] = {
        {"letter", key_a, 0, false, "a"},
        {"Shift+letter", key_a, ss_shift, false, "A"},
        {"Caps Lock letter", key_a, 0, true, "A"},
        {"Shift+letter with Caps Lock", key_a, ss_shift, true, "a"},
        {"Alt does not stop a letter", key_a, ss_alt, false, "a"},
        {"digit", key_1, 0, false, "1"},
        {"Shift+1", key_1, ss_shift, false, "!"},
        {"Shift+0", 48, ss_shift, false, ")"},
        {"semicolon key", key_semicolon, 0, false, ";"},
        {"Shift+semicolon key", key_semicolon, ss_shift, false, ":"},
        {"minus key", 189, 0, false, "-"},
        {"Shift+slash key", 191, ss_shift, false, "?"},
        {"space", key_space, 0, false, " "},
        {"backtick key", key_backtick, 0, false, "`"},
        {"Shift+backtick key", key_backtick, ss_shift, false, "~"},
        {"left bracket key", 219, 0, false, "["},
        {"Shift+left bracket key", 219, ss_shift, false, "{"},
        {"backslash key", 220, 0, false, "\\"},
        {"Shift+backslash key", 220, ss_shift, false, "|"},
        {"right bracket key", 221, 0, false, "]"},
        {"Shift+right bracket key", 221, ss_shift, false, "}"},
        {"apostrophe key", 222, 0, false, "'"},
        {"Shift+apostrophe key", 222, ss_shift, false, "\""},
        {"key 223 types nothing", 223, 0, false, ""},
        {"Ctrl+letter types nothing", key_a, ss_ctrl, false, ""},
        {"Delete types nothing", key_delete, 0, false, ""},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        edit.set_text(u"");
        platform.platform.caps = c.caps;
        EXPECT_FALSE(key(c.key, c.shift));
        EXPECT_EQ(c.typed, text());
    }
}

TEST_F(EditController, TypedCharactersAreDrawnInTheirOwnCellAndRefusedOnesChangeNothing) {
    tvalue_longint value;
    tvalidator_longint digits(value);
    validator = &digits;
    type("12x3");
    EXPECT_EQ("123", text());
    EXPECT_EQ((tlog{"char 1 10..17", "char 2 17..24", "char 3 24..31"}), page.log);
    EXPECT_EQ((std::vector<int16_t>{7, 14, 21}), edit.extents);
}

TEST_F(EditController, CharactersDeliveredAsTextAreTypedWhereTheFieldTakesThem) {
    tvalue_unicodestring text_value;
    tvalidator_unicodestring texts(text_value);
    tvalue_currency amount;
    tvalidator_currency money(amount);
    tvalue_longint number;
    tvalidator_longint digits(number);
    struct tcase {
        const char* name;
        std::u16string chars;
        tvalidator_generic* validator;
        bool readonly;
        std::string typed;
    };
    const tcase cases[] = {
        {"apostrophe, backtick and brackets into a text field", u"'`[]{}", &texts, false, "'`[]{}"},
        {"accented letters into a text field", u"ÅØéāß", &texts, false, "ÅØéāß"},
        {"Cyrillic and CJK into a text field", u"Жё李", &texts, false, "Жё李"},
        {"an edit without a field takes them", u"Åsa", nullptr, false, "Åsa"},
        {"a number field refuses letters", u"1é2Ж", &digits, false, "12"},
        {"a currency field refuses letters and a second point", u"1.é5.", &money, false, "1.5"},
        {"nothing on a read-only page", u"é", &texts, true, ""},
        {"control characters and surrogate halves are not typed", u"\x1b\xd83d\xde00\x7f", &texts, false, ""},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        edit.set_text(u"");
        money.clear();
        for (char16_t ch : c.chars)
            tvelmor_controller_edit::handle_character(canvas, font_tag, edit, rect, c.readonly, ch, &theme, c.validator);
        EXPECT_EQ(c.typed, text());
    }
}

TEST_F(EditController, ACharacterDeliveredAsTextIsDrawnInItsCellAndHeardByAListeningPage) {
    edit.edit_options = {eo_listen_text_changes};
    EXPECT_TRUE(tvelmor_controller_edit::handle_character(canvas, font_tag, edit, rect, false, u'Å', &theme, nullptr));
    EXPECT_FALSE(tvelmor_controller_edit::handle_character(canvas, font_tag, edit, rect, true, u'é', &theme, nullptr));
    EXPECT_EQ((tlog{"char Å 10..17", "1105 from 103"}), page.log);
}

TEST_F(EditController, AFocusedCurrencyEditKnowsOfThePointInTheLoadedText) {
    tvalue_currency amount(tcurrency(12345000));
    tvalidator_currency money(amount);
    tvalidator_source fields(&money);
    page.miscobject_tag = 101;
    page.miscobject = &fields;
    edit.header = 101;
    validator = &money;
    edit.set_focused(true);
    EXPECT_EQ("1234.50", text());
    key(key_end, ss_ctrl);
    key(190);
    EXPECT_EQ("1234.50", text());
}

TEST_F(EditController, TextLongerThanTheEditScrollsAndBackspaceScrollsBackWhileThereIsRoom) {
    struct tcase {
        const char* name;
        int32_t width;
        tlog backspace_drawn;
        int16_t pos_left_after_backspace;
    };
    // Twenty characters of 7 pixels: twelve stay visible (84 + 10 to spare fits in 95 and 100).
    const tcase cases[] = {
        {"100 wide: eleven shown leave 22 free, so one comes back", 100, {"line [hijklmnopqrs]"}, 7},
        {"95 wide: too narrow to show another, the cell is cleared", 95, {"clear 87..94"}, 8},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        edit.set_text(u"");
        rect.right = rect.left + c.width;
        page.log.clear();
        type("abcdefghijkl");
        EXPECT_EQ(0, edit.pos_left);
        EXPECT_EQ("char l 87..94", page.log.back());
        type("m");
        EXPECT_EQ(1, edit.pos_left);
        EXPECT_EQ("line [bcdefghijklm]", page.log.back());
        type("nopqrst");
        EXPECT_EQ(8, edit.pos_left);
        page.log.clear();
        key(key_back);
        EXPECT_EQ("abcdefghijklmnopqrs", text());
        EXPECT_EQ(c.backspace_drawn, page.log);
        EXPECT_EQ(c.pos_left_after_backspace, edit.pos_left);
    }
}

TEST_F(EditController, FocusingSelectsTheFieldTextSoThatTypingReplacesItAndBackspaceClearsIt) {
    tvalue_unicodestring value(u"abc");
    tvalidator_unicodestring texts(value);
    tvalidator_source fields(&texts);
    page.miscobject_tag = 101;
    page.miscobject = &fields;
    edit.header = 101;

    struct tcase {
        const char* name;
        uint16_t key;
        std::string text;
    };
    const tcase cases[] = {{"typing replaces", key_x, "x"}, {"Backspace clears", key_back, ""}};
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        edit.set_focused(true);
        EXPECT_EQ("abc", text());
        EXPECT_TRUE(edit.selectedall);
        page.log.clear();
        key(c.key);
        EXPECT_EQ(c.text, text());
        EXPECT_FALSE(edit.selectedall);
        EXPECT_EQ((tlog{"line [" + c.text + "]"}), page.log);
    }
}

TEST_F(EditController, CtrlHomeSelectsAllAndCtrlEndDeselectsRedrawingOnlyOnAChange) {
    edit.set_text(u"abc");
    for (bool readonly : {false, true}) {
        SCOPED_TRACE(readonly ? "read-only page" : "editing page");
        page.log.clear();
        key(key_home, ss_ctrl, readonly);
        key(key_home, ss_ctrl, readonly);
        key(key_end, ss_ctrl | ss_shift, readonly);
        key(key_end, ss_ctrl, readonly);
        EXPECT_EQ((tlog{"line [abc] selected", "line [abc]"}), page.log);
    }
}

TEST_F(EditController, TheValidatorStartsAfreshOnlyWhenACharacterReplacesASelectedAmount) {
    struct tstroke {
        uint16_t key;
        tshift_state shift;
    };
    constexpr tstroke point{190, 0}, deselect{key_end, ss_ctrl}, letter{key_x, 0}, zero{'0', 0};
    struct tcase {
        const char* name;
        std::vector<tstroke> after_selecting;
        std::string text;
    };
    const tcase cases[] = {
        {"a point replaces the amount; a second is refused", {point, point}, "."},
        {"a refused letter replaces nothing: the amount keeps its point", {letter, deselect, point, zero}, "1.50"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tvalue_currency value;
        tvalidator_currency amounts(value);
        validator = &amounts;
        edit.set_text(u"");
        type("1");
        key(190);  // "."
        type("5");
        key(key_home, ss_ctrl);
        for (const tstroke& k : c.after_selecting) key(k.key, k.shift);
        EXPECT_EQ(c.text, text());
    }
}

TEST_F(EditController, ReadOnlyPagesAndKeyUpsLeaveTheTextAlone) {
    edit.set_text(u"abc");
    EXPECT_FALSE(key(key_x, 0, true));
    EXPECT_FALSE(key(key_back, 0, true));
    EXPECT_FALSE(key(key_x, 0, false, true));
    EXPECT_FALSE(key(key_tab, 0, false, true));
    EXPECT_EQ("abc", text());
    EXPECT_EQ(tlog{}, page.log);
}

TEST_F(EditController, TabShiftTabAndEnterValidateTheAmountThenMoveTheFocus) {
    struct tcase {
        const char* name;
        uint16_t key;
        tshift_state shift;
        bool readonly;
        std::u16string typed;
        bool used;
        tlog heard;
        std::string text;
        int64_t amount;
    };
    const tcase cases[] = {
        {"Tab: a changed amount is stored and reported", key_tab, 0, false, u"13", true,
         {"1104 from 103", "focus next"}, "$13.00", 130000},
        {"Enter: the same amount is not reported", key_enter, 0, false, u"12.5", true, {"focus next"}, "$12.50",
         125000},
        {"Shift+Tab goes back", key_tab, ss_shift, false, u"7", true, {"1104 from 103", "focus prior"}, "$7.00",
         70000},
        {"an invalid amount keeps the focus, the key still used", key_tab, 0, false, u"1.2.3", true, {}, "1.2.3",
         125000},
        {"read-only page: no validation", key_tab, 0, true, u"1.2.3", true, {"focus next"}, "1.2.3", 125000},
        {"Ctrl+Tab is no focus key", key_tab, ss_ctrl, false, u"13", false, {}, "13", 125000},
        {"Shift+Enter is no focus key", key_enter, ss_shift, false, u"13", false, {}, "13", 125000},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tvalue_currency value(tcurrency(125000));
        tvalidator_currency amounts(value);
        validator = &amounts;
        edit.set_text(c.typed);
        page.log.clear();
        EXPECT_EQ(c.used, key(c.key, c.shift, c.readonly));
        EXPECT_EQ(c.heard, page.log);
        EXPECT_EQ(c.text, text());
        EXPECT_EQ(c.amount, value.fvalue.value);
    }
}

TEST_F(EditController, AnEditWithoutAValidatorJustMovesTheFocus) {
    edit.set_text(u"anything");
    EXPECT_TRUE(key(key_enter));
    EXPECT_EQ(tlog{"focus next"}, page.log);
}

TEST_F(EditController, AListeningEditReportsEachTypedChangeOfItsText) {
    tvalue_longint value;
    tvalidator_longint digits(value);
    validator = &digits;
    edit.edit_options.include(eo_listen_text_changes);
    type("4x");
    key(key_back);
    key(key_back);
    EXPECT_EQ((tlog{"char 4 10..17", "1105 from 103", "clear 10..17", "1105 from 103"}), page.log);
}

TEST_F(EditController, OnlyAnEnabledEditTakesTheFocusAndDisablingItMovesTheFocusAway) {
    edit.is_focused = false;
    edit.enabled = false;
    expect_raises("Attempt to focus disabled edit in tvelmor_edit.set_focused();", [&] { edit.set_focused(true); });
    EXPECT_FALSE(edit.is_focused);

    edit.set_enabled(true);
    edit.set_focused(true);
    EXPECT_FALSE(edit.selectedall);  // nothing to select
    edit.set_enabled(false);
    EXPECT_EQ(tlog{"focus off"}, page.log);
    edit.is_focused = false;
    edit.set_enabled(false);
    EXPECT_EQ(tlog{"focus off"}, page.log);
}

}  // namespace
