// The intro window over the program's own asset file: its ticks and close, the letters at rest,
// the keys and clicks that end it, and the files that make it step aside.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/form_intro.h"
#include "shell/shell_log.h"
#include "qt_app.h"

namespace {

const std::string asset_file = VELMOR_BUILD_DIR "/bin/data/assets_001.dat";

std::string log_text() {
    std::ifstream in(tshell_log::get_filename());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void press(QWidget& awidget, Qt::Key akey, Qt::KeyboardModifiers amodifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, akey, amodifiers);
    QCoreApplication::sendEvent(&awidget, &event);
}

}  // namespace

TEST(FormIntro, ClosesAtTheFirstTickAfter170ThatFindsNoActiveLetter) {
    qt_app();
    Tform_intro intro;
    intro.load_assets(asset_file);
    intro.show();  // starts the timer; the test ticks by hand
    intro.run_until(1);
    for (int32_t tick = intro.tick_count(); tick < 170; ++tick) intro.tick();
    ASSERT_EQ(intro.tick_count(), 170);
    for (int32_t i = 0; i < Tform_intro::letter_count; ++i) EXPECT_FALSE(intro.letter(i).active) << "letter " << i;
    EXPECT_FALSE(intro.is_finished());
    EXPECT_TRUE(intro.isVisible());
    intro.tick();
    EXPECT_TRUE(intro.is_finished());
    EXPECT_FALSE(intro.isVisible());
}

// Each letter's picture lands where it was drawn for: at rest the window shows every letter whole,
// none cut by a letter that fell past it later.
TEST(FormIntro, AtRestEveryLetterShowsWhole) {
    qt_app();
    Tform_intro intro;
    intro.load_assets(asset_file);
    intro.start(false);
    for (int32_t tick = 0; tick < 49; ++tick) intro.tick();
    EXPECT_FALSE(intro.letter(0).active);
    intro.tick();
    EXPECT_TRUE(intro.letter(0).active) << "letter 0 is launched at tick 50";
    for (int32_t tick = 50; tick < 170; ++tick) intro.tick();
    Tdatamodule_ymks2bmp images;
    images.load_from_file(asset_file);
    for (int32_t i = 0; i < Tform_intro::letter_count; ++i) {
        SCOPED_TRACE("letter " + std::to_string(i));
        const Tform_intro::tletter& letter = intro.letter(i);
        const tymk_bitmap& bitmap = images.get_bitmap(Tform_intro::letter_images[static_cast<size_t>(i)]);
        // Drawn where it stopped; it drifts on by vx only after the drawing.
        const int32_t left = letter.x - letter.vx, top = letter.y;
        int32_t wrong = 0, foot = -1;
        for (int32_t y = 0; y < bitmap.fheight; ++y)
            for (int32_t x = 0; x < bitmap.fwidth; ++x) {
                // The letter's own pixels; its margins may lie under a neighbour that came later.
                const uint8_t* p = bitmap.pixel(x, y);
                if (p[0] == 200) continue;
                wrong += intro.backing().pixel(left + x, top + y) != qRgb(p[2], p[1], p[0]);
                foot = top + y + 1;
            }
        EXPECT_EQ(wrong, 0);
        // The lower line stands on y = 620, the upper on 400 (the space draws nothing).
        if (bitmap.fwidth > 0) {
            EXPECT_EQ(foot, i < 8 ? 620 : 400);
        }
    }
}

TEST(FormIntro, AnyKeyOrClickEndsItButAltF4AndTheWindowsCloseAreSwallowed) {
    qt_app();
    struct tcase {
        const char* name;
        std::function<void(Tform_intro&)> act;
        bool ends;
    };
    const std::vector<tcase> cases = {
        {"Space", [](Tform_intro& w) { press(w, Qt::Key_Space); }, true},
        {"Esc", [](Tform_intro& w) { press(w, Qt::Key_Escape); }, true},
        {"a letter", [](Tform_intro& w) { press(w, Qt::Key_A); }, true},
        {"F4 alone", [](Tform_intro& w) { press(w, Qt::Key_F4); }, true},
        {"a click",
         [](Tform_intro& w) {
             QMouseEvent down(QEvent::MouseButtonPress, QPointF(10, 10), w.mapToGlobal(QPointF(10, 10)), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
             QCoreApplication::sendEvent(&w, &down);
         },
         true},
        {"Alt going down for Alt+F4", [](Tform_intro& w) { press(w, Qt::Key_Alt, Qt::AltModifier); }, false},
        {"Alt+F4", [](Tform_intro& w) { press(w, Qt::Key_F4, Qt::AltModifier); }, false},
        {"the window manager's close", [](Tform_intro& w) { w.close(); }, false},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        Tform_intro intro;
        intro.load_assets(asset_file);
        intro.show();
        intro.run_until(60);
        c.act(intro);
        EXPECT_EQ(intro.is_finished(), c.ends);
        EXPECT_EQ(intro.isVisible(), !c.ends);
        EXPECT_EQ(Tform_intro::current() == &intro, !c.ends);
    }
}

// The program's start matters more than its greeting: without a sound asset file the intro is
// logged and skipped, and nothing is raised.
TEST(FormIntro, AMissingOrDamagedAssetFileIsLoggedAndSkipped) {
    qt_app();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velmor_intro_test";
    std::filesystem::create_directories(folder);
    const std::string damaged = (folder / "damaged.dat").string(), short_file = (folder / "short.dat").string();
    std::ofstream(damaged, std::ios::binary) << "YMKS";
    std::ofstream(short_file, std::ios::binary).write("ymks\1\0\0\0\0\0", 10);  // one empty image, not fifteen
    struct tcase {
        std::string file;
        std::string logged;
    };
    const std::vector<tcase> cases = {
        {(folder / "missing.dat").string(), "intro skipped: Cannot open the file [" + (folder / "missing.dat").string() + "]"},
        {damaged, "intro skipped: InvalidYMKFormat Header in Tdatamodule_ymks2bmp.load_from_file();"},
        {short_file, "intro skipped: Image index 7 out of bounds (1 images) in Tdatamodule_ymks2bmp.get_bitmap();"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.file);
        QWidget parent;
        Tform_intro* intro = nullptr;
        EXPECT_NO_THROW(intro = Tform_intro::run(&parent, c.file));
        EXPECT_EQ(intro, nullptr);
        EXPECT_EQ(Tform_intro::current(), nullptr);
        EXPECT_NE(log_text().find(c.logged), std::string::npos) << log_text();
    }
    std::filesystem::remove_all(folder);
    QWidget parent;
    Tform_intro* intro = Tform_intro::run(&parent, asset_file);
    ASSERT_NE(intro, nullptr);
    EXPECT_TRUE(intro->isModal());
    EXPECT_TRUE(intro->isVisible());
    press(*intro, Qt::Key_Enter);
    EXPECT_EQ(Tform_intro::current(), nullptr);
}
