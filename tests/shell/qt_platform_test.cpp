// The platform services over Qt: timers, posted messages, folders and the main window's size.
#include "shell/qt_platform.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "form_main_fixture.h"

namespace {

// Lets events run until acondition holds or two seconds have passed.
template <typename F>
bool process_until(F acondition) {
    QElapsedTimer timer;
    timer.start();
    while (!acondition() && timer.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return acondition();
}

TEST(QtPlatform, TimersCallBackUntilStoppedEvenFromTheirOwnCallback) {
    tform_main_fixture f;
    tqt_platform platform(f.form.get());
    int ticks = 0;
    int32_t id = 0;
    id = platform.start_timer(1, [&] {
        if (++ticks == 3) platform.stop_timer(id);
    });
    EXPECT_NE(0, id);
    EXPECT_TRUE(process_until([&] { return ticks >= 3; }));
    EXPECT_EQ(0, platform.active_timer_count());
    QCoreApplication::processEvents();
    EXPECT_EQ(3, ticks);
    platform.stop_timer(id);  // unknown by now: nothing happens
}

TEST(QtPlatform, AnErrorInATimerIsReportedAndTheTimerRunsOn) {
    tform_main_fixture f;
    tqt_platform platform(f.form.get());
    int ticks = 0;
    int32_t id = platform.start_timer(1, [&] {
        ++ticks;
        throw tvelmor_exception("Timer failed");
    });
    EXPECT_TRUE(process_until([&] { return ticks >= 2; }));
    platform.stop_timer(id);
    EXPECT_EQ("Timer failed", f.errors.front());
}

TEST(QtPlatform, PostedMessagesAndTheWindowSizeGoThroughTheMainWindow) {
    tform_main_fixture f;
    tqt_platform platform(f.form.get());
    platform.post_message(1025, 3, 4);
    platform.process_messages();
    EXPECT_EQ(std::vector<std::string>{"message 1025 3 4"}, f.events->with_prefix("message"));
    platform.set_main_clientsize(1090, 860);
    EXPECT_EQ((tsize{1090, 860}), platform.get_main_clientsize());
    platform.close_main_window();
    EXPECT_TRUE(f.form->is_closed());
}

TEST(QtPlatform, FoldersEndWithASlashAndFollowXdgDataHome) {
    qt_app();
    tqt_platform platform;
    setenv("XDG_DATA_HOME", "/tmp/velmor_xdg_probe", 1);
    EXPECT_EQ("/tmp/velmor_xdg_probe/", platform.get_programdata_folder());
    EXPECT_EQ('/', platform.get_program_folder().back());
}

TEST(QtPlatform, WindowServicesBeforeTheWindowExistsRaise) {
    qt_app();
    tqt_platform platform;
    EXPECT_FALSE(platform.get_capslock());
    try {
        platform.post_message(1024, 0, 0);
        FAIL() << "no error";
    } catch (const tvelmor_exception& e) {
        EXPECT_STREQ("No main window in tqt_platform.post_message();", e.what());
    }
}

}  // namespace
