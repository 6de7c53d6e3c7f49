// The script driver against the real window over the stand-in controller.
#include "shell/script_driver.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "form_main_fixture.h"
#include "shell/form_intro.h"
#include "shell/qt_platform.h"

namespace {

using strings = std::vector<std::string>;

struct tscript_fixture : tform_main_fixture {
    tqt_platform platform{form.get()};
    tplatform* previous = tplatform::set_instance(&platform);
    tscript_driver driver{*form, platform};
    ~tscript_fixture() { tplatform::set_instance(previous); }

    int run(const std::string& ascript) {
        if (!driver.load_text(ascript, "test.script")) return tscript_driver::exit_bad_script;
        return driver.run();
    }
};

TEST(ScriptDriver, KeysAndTypedTextArriveAsAUserWouldPressThem) {
    tscript_fixture f;
    ASSERT_EQ(tscript_driver::exit_ok, f.run("key Shift+Tab\nkey Ctrl+Home\ntype \"aB!\"\nkeydown F3\n"));
    EXPECT_EQ((strings{"keydown 16 s1", "keydown 9 s1", "keyup 9 s1", "keyup 16 s0",
                       "keydown 17 s4", "keydown 36 s4", "keyup 36 s4", "keyup 17 s0",
                       "keydown 65 s0", "keyup 65 s0",
                       "keydown 16 s1", "keydown 66 s1", "keyup 66 s1", "keyup 16 s0",
                       "keydown 16 s1", "keydown 49 s1", "keyup 49 s1", "keyup 16 s0",
                       "keydown 114 s0"}),
              f.events->with_prefix("key"));
}

TEST(ScriptDriver, TypesCharactersTheUnitedStatesLayoutLacksAsThePlatformsText) {
    tscript_fixture f;
    ASSERT_EQ(tscript_driver::exit_ok, f.run("type \"O'Åsa Ж李\"\n"));
    EXPECT_EQ((strings{"keydown 16 s1", "keydown 79 s1", "keyup 79 s1", "keyup 16 s0",
                       "keydown 222 s0", "keyup 222 s0",
                       "keydown 16 s1", "char Å", "keyup 16 s0",
                       "keydown 83 s0", "keyup 83 s0", "keydown 65 s0", "keyup 65 s0",
                       "keydown 32 s0", "keyup 32 s0",
                       "keydown 16 s1", "char Ж", "keyup 16 s0",
                       "char 李"}),
              f.events->with_prefix("key", "char"));
}

TEST(ScriptDriver, IdleWaitsUntilTheQueueHasDrained) {
    tscript_fixture f;
    f.events->on_key = [&](uint16_t akey, uint32_t, bool as_keyup) {
        if (akey == 13 && !as_keyup) f.events->jobs = {"draw 101", "draw 102", "load rows"};
    };
    ASSERT_EQ(tscript_driver::exit_ok, f.run("key Enter\nidle\n")) << f.driver.failure();
    EXPECT_TRUE(f.events->jobs.empty());
    EXPECT_EQ(3u, f.events->with_prefix("job").size());
}

TEST(ScriptDriver, ChecksFailTheRunWithAClearMessage) {
    struct tcase {
        const char* name;
        const char* script;
        int exit_code;
        const char* failure;
    };
    const tcase cases[] = {
        {"page matches", "expect-page 1\n", tscript_driver::exit_ok, ""},
        {"page differs", "# start\n\nexpect-page 5\n", tscript_driver::exit_failed,
         "test.script line 3: expected page 5 in the main slot, found page 1"},
        {"text matches", "expect-text main 102 \"Accounts\"\n", tscript_driver::exit_ok, ""},
        {"text differs", "expect-text main 102 \"Sites\"\n", tscript_driver::exit_failed,
         "test.script line 1: control 102 on the main surface shows \"Accounts\", expected \"Sites\""},
        {"no such control", "expect-text header 7 \"x\"\n", tscript_driver::exit_failed,
         "test.script line 1: no control 7 with a caption or text on the header surface"},
        {"cell matches", "expect-cell main 105 1 0 \"Mara\"\n", tscript_driver::exit_ok, ""},
        {"cell differs", "expect-cell main 105 1 0 \"Zoe\"\n", tscript_driver::exit_failed,
         "test.script line 1: grid 105 on the main surface shows \"Mara\" in row 1, column 0, expected \"Zoe\""},
        {"no such cell", "expect-cell main 105 2 0 \"Mara\"\n", tscript_driver::exit_failed,
         "test.script line 1: grid 105 on the main surface has no text in row 2, column 0"},
        {"cell without a row", "expect-cell main 105 x 0 \"Mara\"\n", tscript_driver::exit_bad_script,
         "test.script line 1: expect-cell needs a grid tag, a row and a column"},
        {"window still open", "expect-closed\n", tscript_driver::exit_failed,
         "test.script line 1: expected the window to have closed; it is open"},
        {"unknown command", "key F3\njump 5\n", tscript_driver::exit_bad_script,
         "test.script line 2: unknown command \"jump\""},
        {"unknown key", "key Hyper+F3\n", tscript_driver::exit_bad_script, "test.script line 1: unknown key \"Hyper+F3\""},
        {"untypeable text", "type \"a\tb\"\n", tscript_driver::exit_bad_script,
         "test.script line 1: \"a\tb\" holds a character that cannot be typed (a control character, or one "
         "beyond the first 65536)"},
        {"missing argument", "expect-page\n", tscript_driver::exit_bad_script,
         "test.script line 1: expect-page takes 1 argument(s)"},
        {"open quote", "type \"abc\n", tscript_driver::exit_bad_script, "test.script line 1: a quoted text is not closed"},
        {"intro off", "intro off\n", tscript_driver::exit_bad_script, "test.script line 1: intro takes on"},
        {"intro tick 0", "wait-intro 0\n", tscript_driver::exit_bad_script,
         "test.script line 1: wait-intro needs a tick (1 or more) or closed"},
        {"no intro to wait for", "wait-intro 60\n", tscript_driver::exit_failed,
         "test.script line 1: no intro is open (the script needs \"intro on\", the program data/assets_001.dat)"},
        {"no intro is a closed one", "wait-intro closed\n", tscript_driver::exit_ok, ""},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tscript_fixture f;
        f.events->texts[{0, 102}] = u"Accounts";
        f.events->cells[{0, 105, 1, 0}] = u"Mara";
        EXPECT_EQ(c.exit_code, f.run(c.script));
        EXPECT_EQ(std::string(c.failure), f.driver.failure());
    }
}

TEST(ScriptDriver, AnErrorFailsTheRunUnlessTheScriptExpectsIt) {
    {
        tscript_fixture f;
        f.events->fail_on = "keydown 27 s0";
        EXPECT_EQ(tscript_driver::exit_failed, f.run("key Esc\nkey F2\n"));
        EXPECT_EQ("test.script line 2: unexpected error: Key failed: keydown 27 s0", f.driver.failure());
        EXPECT_TRUE(f.events->with_prefix("keydown 113").empty());
    }
    {
        tscript_fixture f;
        f.events->fail_on = "keydown 27 s0";
        EXPECT_EQ(tscript_driver::exit_ok, f.run("key Esc\nexpect-error \"Key failed: keydown 27 s0\"\nkey F2\n"))
            << f.driver.failure();
        EXPECT_EQ(strings{"keydown 113 s0"}, f.events->with_prefix("keydown 113"));
    }
}

TEST(ScriptDriver, MessageBoxesTakeTheScriptedAnswerAndAnUnansweredOneFails) {
    tscript_fixture f;
    std::vector<tmsgbox_result> results;
    f.events->on_key = [&](uint16_t akey, uint32_t, bool as_keyup) {
        if (akey != 27 || as_keyup) return;
        results.push_back(tplatform::instance().message_box(u"Save changes ?", u"Velmor Accounts",
                                                            tmsgbox_buttons::yes_no_cancel, tmsgbox_icon::question));
    };
    EXPECT_EQ(tscript_driver::exit_ok, f.run("answer no\nkey Esc\nexpect-message \"Save changes ?\"\n"));
    EXPECT_EQ(std::vector<tmsgbox_result>{tmsgbox_result::no}, results);
    EXPECT_EQ(tscript_driver::exit_failed, f.run("key Esc\nkey F2\n"));
    EXPECT_EQ("test.script line 1: a message box asked \"Save changes ?\" and the script gave no answer", f.driver.failure());
    EXPECT_EQ(tmsgbox_result::cancel, results.back());
}

// With "intro on" the program opens the intro (here by hand, as main does on the first show): the
// script waits for a tick, sees the intro in its screenshot, and a key ends it.
TEST(ScriptDriver, WaitsForTheIntrosTicksShootsItAndEndsItWithAKey) {
    QTemporaryDir dir;
    tscript_fixture f;
    const std::string path = dir.path().toStdString() + "/intro.png";
    ASSERT_TRUE(f.driver.load_text("intro on\nwait-intro 60\nscreenshot \"" + path + "\"\nkey Space\nwait-intro closed\n",
                                   "test.script"));
    EXPECT_TRUE(f.driver.wants_intro());
    f.form->show();
    Tform_intro* intro = Tform_intro::run(f.form.get(), VELMOR_BUILD_DIR "/bin/data/assets_001.dat");
    ASSERT_NE(intro, nullptr);
    ASSERT_EQ(tscript_driver::exit_ok, f.driver.run()) << f.driver.failure();
    EXPECT_EQ(Tform_intro::current(), nullptr);
    EXPECT_EQ(QImage(QString::fromStdString(path)).size(), QSize(Tform_intro::client_width, Tform_intro::client_height));
    EXPECT_TRUE(f.events->with_prefix("key").empty()) << "the key went to the intro, not the pages";
}

TEST(ScriptDriver, ScreenshotSavesTheWholeWindowAsPng) {
    QTemporaryDir dir;
    tscript_fixture f;
    f.form->show();
    std::string path = dir.path().toStdString() + "/shots/first.png";
    ASSERT_EQ(tscript_driver::exit_ok, f.run("screenshot \"" + path + "\"\n")) << f.driver.failure();
    QImage image(QString::fromStdString(path));
    EXPECT_EQ(QSize(770, 710), image.size());
    EXPECT_EQ(qRgb(212, 208, 200), image.pixel(100, 100));
}

}  // namespace
