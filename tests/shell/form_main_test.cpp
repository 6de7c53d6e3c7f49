// The main window: its surfaces, the routing of their events, the private messages and the rule
// that drains the message queue one job per 1026.
#include "shell/form_main.h"

#include <gtest/gtest.h>

#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QScreen>

#include "form_main_fixture.h"
#include "shell/graphbox_panel.h"

namespace {

using strings = std::vector<std::string>;

trect geometry(torv_panel* apanel) {
    QRect g = apanel->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

TEST(FormMain, HasFourTaggedSurfacesBetweenHeaderAndFooterStrips) {
    tform_main_fixture f;
    EXPECT_EQ(QString("Velmor Accounts"), f.form->windowTitle());
    EXPECT_EQ(strings{"first page"}, f.events->calls);
    EXPECT_EQ((trect{0, 54, 770, 643}), geometry(f.form->panel(0)));
    EXPECT_EQ((trect{0, 0, 770, 54}), geometry(f.form->panel(1)));
    EXPECT_EQ((trect{0, 643, 770, 710}), geometry(f.form->panel(2)));
    EXPECT_EQ(f.form->panel(0), f.form->panel(3)->parentWidget());
    for (int slot = 0; slot < 4; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(101 + slot, f.boxes[slot]->get_tag());
        EXPECT_EQ(slot != 3, f.boxes[slot]->get_visible());
    }
    // Without header and footer the main surface takes the whole window.
    f.boxes[1]->set_visible(false);
    f.boxes[2]->set_visible(false);
    EXPECT_EQ((trect{0, 0, 770, 710}), f.boxes[0]->get_clientrect());
}

TEST(FormMain, ConfigurationErrorsOfTheWindowDesignAreReported) {
    qt_app();
    Tform_main form;
    form.panel(2)->setObjectName("panel_other");
    auto never = [](Tform_main&, Tform_main::tgraphbox_array) -> std::unique_ptr<tform_main_events> {
        return nullptr;
    };
    try {
        form.form_create(never);
        FAIL() << "no error";
    } catch (const tvelmor_exception& e) {
        EXPECT_STREQ("Panel[panel_footer] not found in Tform_main.FormCreate();", e.what());
    }
    try {
        Tform_main::get_handler_panel(105);
        FAIL() << "no error";
    } catch (const tvelmor_exception& e) {
        EXPECT_STREQ("Invalid Handler Panel Tag 105 in Tform_main.get_handler_panel();", e.what());
    }
    EXPECT_EQ(0, Tform_main::get_handler_panel(101));
}

TEST(FormMain, SetboundsReportsWhetherTheSizeChanged) {
    tform_main_fixture f;
    bool changed = false;
    f.boxes[3]->setbounds(changed, {10, 20, 110, 70});
    EXPECT_TRUE(changed);
    EXPECT_EQ((trect{0, 0, 100, 50}), f.boxes[3]->get_clientrect());
    f.boxes[3]->setbounds(changed, {30, 40, 130, 90});
    EXPECT_FALSE(changed);
    EXPECT_EQ((trect{30, 40, 130, 90}), geometry(f.form->panel(3)));
}

TEST(FormMain, KeysReachTheHandlerAsVirtualKeyCodesWithShiftSets) {
    struct tcase {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        strings expected;
    };
    const tcase cases[] = {
        {"F3", Qt::Key_F3, Qt::NoModifier, {"keydown 114 s0", "keyup 114 s0"}},
        {"a letter", Qt::Key_Q, Qt::NoModifier, {"keydown 81 s0", "keyup 81 s0"}},
        {"Ctrl+Home", Qt::Key_Home, Qt::ControlModifier, {"keydown 36 s4", "keyup 36 s4"}},
        {"shifted punctuation", Qt::Key_Exclam, Qt::ShiftModifier, {"keydown 49 s1", "keyup 49 s1"}},
        {"Alt+Delete", Qt::Key_Delete, Qt::AltModifier, {"keydown 46 s2", "keyup 46 s2"}},
        {"Tab", Qt::Key_Tab, Qt::NoModifier, {"keydown 9 s0", "keyup 9 s0"}},
        {"Shift+Tab keeps only Shift", Qt::Key_Backtab, Qt::ShiftModifier, {"keydown 9 s1", "keyup 9 s1"}},
        {"Ctrl+Tab reaches the pages", Qt::Key_Tab, Qt::ControlModifier, {"keydown 9 s4", "keyup 9 s4"}},
        {"Ctrl+Shift+Tab too", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, {"keydown 9 s5", "keyup 9 s5"}},
        {"Alt+Tab is the platform's", Qt::Key_Tab, Qt::AltModifier, {}},
        {"a key without a code", Qt::Key_Print, Qt::NoModifier, {}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tform_main_fixture f;
        f.press(c.key, c.modifiers);
        EXPECT_EQ(c.expected, f.events->with_prefix("key"));
    }
}

TEST(FormMain, KeysThatTypeThePlatformsTextReachThePagesAsCharacters) {
    struct tcase {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        strings expected;
    };
    const tcase cases[] = {
        {"a letter the US layout lacks", Qt::Key_Aring, Qt::ShiftModifier, "Å", {"char Å"}},
        {"an accented key of another layout", Qt::Key_Eacute, Qt::NoModifier, "é", {"char é"}},
        {"a letter of another script", 0x0424, Qt::NoModifier, "ф", {"char ф"}},
        {"punctuation in another place (Shift+7 types /)", Qt::Key_Slash, Qt::ShiftModifier, "/", {"char /"}},
        {"the keypad's star", Qt::Key_Asterisk, Qt::KeypadModifier, "*", {"char *"}},
        {"a US key stays a key", Qt::Key_Apostrophe, Qt::NoModifier, "'", {"keydown 222 s0", "keyup 222 s0"}},
        {"US shifted punctuation stays a key", Qt::Key_Exclam, Qt::ShiftModifier, "!", {"keydown 49 s1", "keyup 49 s1"}},
        {"letters stay keys", Qt::Key_A, Qt::ShiftModifier, "a", {"keydown 65 s1", "keyup 65 s1"}},
        {"nothing typed with Ctrl", Qt::Key_Eacute, Qt::ControlModifier, "é", {}},
        {"a dead key types nothing by itself", Qt::Key_Dead_Acute, Qt::NoModifier, "", {}},
        {"a control character is not typed", Qt::Key_unknown, Qt::NoModifier, "\x1b", {}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tform_main_fixture f;
        const QString text = QString::fromUtf8(c.text);
        QKeyEvent down(QEvent::KeyPress, c.key, c.modifiers, text);
        QCoreApplication::sendEvent(f.form.get(), &down);
        QKeyEvent up(QEvent::KeyRelease, c.key, c.modifiers, text);
        QCoreApplication::sendEvent(f.form.get(), &up);
        EXPECT_EQ(c.expected, f.events->with_prefix("key", "char"));
    }
}

TEST(FormMain, TheCommittedTextOfDeadKeysAndInputMethodsIsTyped) {
    struct tcase {
        const char* name;
        const char* commit;
        const char* preedit;
        strings expected;
    };
    const tcase cases[] = {
        {"a dead-key composition", "é", "", {"char é"}},
        {"an input method's phrase", "李子", "", {"char 李", "char 子"}},
        {"text still being composed", "", "li", {}},
        {"a character beyond the first 65536 is left out", "a\xf0\x9f\x98\x80" "b", "", {"char a", "char b"}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tform_main_fixture f;
        EXPECT_TRUE(f.form->inputMethodQuery(Qt::ImEnabled).toBool());
        QInputMethodEvent event(QString::fromUtf8(c.preedit), {});
        event.setCommitString(QString::fromUtf8(c.commit));
        QCoreApplication::sendEvent(f.form.get(), &event);
        EXPECT_EQ(c.expected, f.events->with_prefix("key", "char"));
    }
}

TEST(FormMain, CapsLockStateFollowsTheKey) {
    tform_main_fixture f;
    EXPECT_FALSE(f.form->get_capslock());
    f.press(Qt::Key_CapsLock);
    EXPECT_TRUE(f.form->get_capslock());
    f.press(Qt::Key_CapsLock);
    EXPECT_FALSE(f.form->get_capslock());
}

TEST(FormMain, MouseReachesMainAndHeaderButNeverFooterOrOverlay) {
    tform_main_fixture f;
    f.form->show();
    auto click = [&](int slot, QPointF at) {
        QMouseEvent down(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(f.form->panel(slot), &down);
        QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.form->panel(slot), &move);
        QMouseEvent up(QEvent::MouseButtonRelease, at, at, Qt::RightButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.form->panel(slot), &up);
    };
    click(0, {5, 6});
    click(1, {7, 8});
    click(2, {9, 10});
    click(3, {1, 1});
    EXPECT_EQ((strings{"mousedown 0 b0 s9 5,6", "mousemove 0 s8 5,6", "mouseup 0 b1 s0 5,6",
                       "mousedown 1 b0 s9 7,8", "mousemove 1 s8 7,8", "mouseup 1 b1 s0 7,8"}),
              f.events->with_prefix("mouse"));
}

TEST(FormMain, PrivateMessagesArriveInPostingOrder) {
    tform_main_fixture f;
    f.form->post_private(1024, 7, 0);
    f.form->post_private(1025, 7, 3);
    f.form->post_private(1024, 8, 0);
    EXPECT_TRUE(f.form->has_pending_private());
    f.process();
    EXPECT_FALSE(f.form->has_pending_private());
    EXPECT_EQ((strings{"message 1024 7 0", "message 1025 7 3", "message 1024 8 0"}), f.events->with_prefix("message"));
}

TEST(FormMain, EachPostedRunMessageRunsExactlyOneJobUntilTheQueueIsDrained) {
    tform_main_fixture f;
    f.events->jobs = {"a", "b", "c"};
    // Any window message starts the draining; each 1026 then posts the next.
    f.form->post_private(1024, 0, 0);
    f.process();
    EXPECT_EQ((strings{"message 1024 0 0", "job a (2 left)", "job b (1 left)", "job c (0 left)"}),
              strings(f.events->calls.begin() + 1, f.events->calls.end()));
    EXPECT_FALSE(f.form->has_pending_private());
}

TEST(FormMain, NoJobRunsWhileTheQueueIsLocked) {
    tform_main_fixture f;
    f.events->jobs = {"a"};
    f.events->queue_locked = true;
    f.form->post_private(1024, 0, 0);
    f.process();
    EXPECT_TRUE(f.events->with_prefix("job").empty());
    f.events->queue_locked = false;
    f.form->post_private(1024, 0, 0);
    f.process();
    EXPECT_EQ(strings{"job a (0 left)"}, f.events->with_prefix("job"));
}

TEST(FormMain, AnErrorEscapingAnEventIsReportedAndTheProgramCarriesOn) {
    tform_main_fixture f;
    f.events->fail_on = "keydown 27 s0";
    f.press(Qt::Key_Escape);
    f.press(Qt::Key_F2);
    EXPECT_EQ(strings{"Key failed: keydown 27 s0"}, f.errors);
    EXPECT_EQ((strings{"keydown 27 s0", "keyup 27 s0", "keydown 113 s0", "keyup 113 s0"}), f.events->with_prefix("key"));

    f.events->fail_on = "b";
    f.events->jobs = {"a", "b", "c"};
    f.form->post_private(1024, 0, 0);
    f.process();
    EXPECT_EQ("Job failed: b", f.errors.back());
    EXPECT_EQ((strings{"job a (2 left)", "job b (1 left)", "job c (0 left)"}), f.events->with_prefix("job"));
}

TEST(FormMain, ResizesAreIgnoredWhileAPageChangeRuns) {
    tform_main_fixture f;
    f.form->show();
    f.process();
    f.events->calls.clear();
    f.events->locked = true;
    f.form->resize(800, 700);
    f.process();
    EXPECT_TRUE(f.events->with_prefix("resize").empty());
    f.events->locked = false;
    f.form->resize(820, 700);
    f.process();
    EXPECT_EQ((strings{"resize 1", "resize 2", "resize 0"}), f.events->with_prefix("resize"));
}

TEST(FormMain, InvalidateErasesAndHasTheHandlerPaintIntoTheBackingImage) {
    tform_main_fixture f;
    f.form->show();
    f.process();
    tcanvas* canvas = f.boxes[0]->get_canvas();
    f.events->on_paint = [&](int32_t slot) {
        if (slot != 0) return;
        canvas->set_brush_color(rgb_color(255, 0, 0));
        canvas->fill_rect({10, 10, 20, 20});
    };
    // Drawing outside a paint lands in the image at once.
    canvas->set_brush_color(rgb_color(0, 0, 255));
    canvas->fill_rect({40, 40, 50, 50});
    const QImage& image = f.form->panel(0)->backing();
    EXPECT_EQ(qRgb(0, 0, 255), image.pixel(45, 45));
    f.events->calls.clear();
    f.boxes[0]->invalidate();
    f.process();
    EXPECT_EQ(strings{"paint 0"}, f.events->with_prefix("paint"));
    EXPECT_EQ(qRgb(255, 0, 0), image.pixel(15, 15));
    EXPECT_EQ(qRgb(212, 208, 200), image.pixel(45, 45));
    EXPECT_EQ(qRgb(128, 128, 128), image.pixel(0, 0));  // the lowered outer bevel
    EXPECT_EQ(qRgb(255, 255, 255), image.pixel(1, 1));  // the raised inner bevel
    // A posted size message runs the resize handling without a size change.
    f.events->calls.clear();
    f.boxes[3]->post_resize();
    f.process();
    EXPECT_EQ(strings{"resize 3"}, f.events->with_prefix("resize"));
}

TEST(FormMain, FirstShowPlacesTheWindowAThirdOfTheWayDownTheWorkArea) {
    tform_main_fixture f;
    int shows = 0;
    f.form->set_first_show_handler([&] { ++shows; });
    f.form->show();
    f.process();
    int expected = (f.form->screen()->availableGeometry().height() - f.form->frameGeometry().height()) / 3;
    EXPECT_EQ(expected, f.form->y());
    f.form->hide();
    f.form->show();
    EXPECT_EQ(1, shows);
}

}  // namespace
