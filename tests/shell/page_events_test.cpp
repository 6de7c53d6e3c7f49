// The real main window over the real page controller and message queue, with one small test page:
// the path a key takes to a page, and the queued jobs it leaves behind.
#include "shell/page_events.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "controls/controls_registration.h"

#include "qt_app.h"
#include "shell/form_main.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "shell/qt_platform.h"

namespace {

std::vector<std::string> page_log;

// A form without declarations that gives the window a client size of 400 x 300.
class tform_page_tiny : public tform_page_generic {
public:
    const char* class_name() const override { return "Tform_page_tiny"; }
    void load_handler(Thandlermodule_generic&, tplatform* aform) const override {
        if (aform) aform->set_main_clientsize(400, 300);
    }
};
const tform_page_tiny form_tiny;

// Enter queues three tasks; Esc leaves the page; paints fill a square.
class Thandlermodule_tiny : public Thandlermodule_page {
public:
    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_tiny"; }
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override {
        if (as_keyup) return false;
        page_log.push_back("key " + std::to_string(akey) + " s" + std::to_string(ashift));
        if (akey == 13) {
            for (int32_t tag : {301, 302, 303}) fowner->get_messages().add_task(100, jt_run_task, ht_main, tag, mp_none, 0);
        }
        if (akey == 27) fowner->page_exit();
        return true;
    }
    void run_task(int32_t atag, int32_t) override {
        page_log.push_back("task " + std::to_string(atag) + ", " +
                           std::to_string(fowner->get_messages().get_pending_count()) + " pending");
    }
    void handle_resize(bool as_skip_draw) override {
        page_log.push_back("resize");
        if (!as_skip_draw) handle_paint();
    }
    void handle_paint() override {
        canvas().set_brush_color(rgb_color(0, 128, 0));
        canvas().fill_rect({10, 10, 30, 30});
    }
};

const thandler_class& tiny_page() {
    static const thandler_class c("Thandlermodule_tiny", &handler_factory_of<Thandlermodule_tiny>, &form_tiny, nullptr);
    return c;
}

// One edit, focused when the page opens.
const Tform_page2 form_typing("Tform_page_typing", R"(
object form_typing: Tform_page2
  ClientWidth = 400
  ClientHeight = 300
  object panel_root: tdfmelement_panel
    Tag = 2101
    visible = True
    object edit_name: tdfmelement_edit
      Tag = 101
      tag_theme = 901
      focus_order = 0
    end
  end
  object viewport_root: tdfmelement_viewport
    Tag = 2101
    tag_control_first = 101
    object align_name: tdfmelement_align
      align = alTop
      margins_left = 20
      margins_top = 20
      margins_right = 100
      dimension = 24
    end
  end
  object themes: tdfmelement_themes
    object theme_edit: tdfmelement_theme_edit
      tag_theme = 901
      classrender = classrender_edit_standard
      font = 'arial;11'
      color = clWhite
      color_focused = 14733472
      color_selected = clNavy
    end
  end
end
)");

class Thandlermodule_typing : public Thandlermodule_page {
public:
    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_typing"; }
    void once_created() override { set_focused_tag(101, true); }
};

const thandler_class& typing_page() {
    static const thandler_class c("Thandlermodule_typing", &handler_factory_of<Thandlermodule_typing>, &form_typing,
                                  nullptr);
    return c;
}

struct tprogram_fixture {
    tapplication& app;
    std::unique_ptr<Tform_main> form;
    tqt_platform platform;
    tplatform* previous;
    Tdatamodule_messages messages;
    std::vector<std::string> errors;

    explicit tprogram_fixture(const thandler_class& afirst_page = tiny_page())
        : app(qt_app()), form(std::make_unique<Tform_main>()), platform(form.get()), previous(tplatform::set_instance(&platform)) {
        page_log.clear();
        register_controls_classes();
        register_renderers();
        form->set_error_reporter([this](const std::string& m) { errors.push_back(m); });
        form->form_create([this, &afirst_page](Tform_main&, Tform_main::tgraphbox_array aboxes) -> std::unique_ptr<tform_main_events> {
            auto graphboxes = std::make_unique<tgraphboxes>();
            for (int slot = 0; slot < 4; ++slot) graphboxes->add(static_cast<thandler_type>(slot), std::move(aboxes[slot]));
            auto controller = std::make_unique<tpage_controller_generic>(std::move(graphboxes), messages);
            controller->register_page(0, afirst_page);
            controller->register_pages_finish();
            return std::make_unique<tpage_events>(std::move(controller), messages);
        });
        form->show();
        process();
    }
    ~tprogram_fixture() {
        form.reset();
        tplatform::set_instance(previous);
    }
    void process() {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }
    void press(int akey, Qt::KeyboardModifiers amodifiers = Qt::NoModifier, const QString& atext = {}) {
        QKeyEvent down(QEvent::KeyPress, akey, amodifiers, atext);
        QCoreApplication::sendEvent(form.get(), &down);
        QKeyEvent up(QEvent::KeyRelease, akey, amodifiers, atext);
        QCoreApplication::sendEvent(form.get(), &up);
        process();
    }
};

TEST(ProgramWindow, TheFirstPageSizesTheWindowAndPaintsItsSurface) {
    tprogram_fixture p;
    EXPECT_TRUE(p.errors.empty());
    EXPECT_EQ(0, p.form->events()->get_pageno());
    EXPECT_EQ(QSize(400, 300), p.form->size());
    EXPECT_EQ(qRgb(0, 128, 0), p.form->panel(0)->backing().pixel(20, 20));
}

TEST(ProgramWindow, QueuedJobsOfAKeyRunOnePerRunMessageAfterTheKeyIsDone) {
    tprogram_fixture p;
    page_log.clear();
    p.press(Qt::Key_Return);
    EXPECT_EQ((std::vector<std::string>{"key 13 s0", "task 301, 2 pending", "task 302, 1 pending", "task 303, 0 pending"}),
              page_log);
    EXPECT_TRUE(p.form->events()->queue_empty());
}

TEST(ProgramWindow, TextOfAnyLayoutOrInputMethodReachesTheFocusedEdit) {
    tprogram_fixture p(typing_page());
    p.press(Qt::Key_O, Qt::ShiftModifier, "O");
    p.press(Qt::Key_Apostrophe, Qt::NoModifier, "'");
    p.press(Qt::Key_Aring, Qt::ShiftModifier, QString::fromUtf8("Å"));
    QInputMethodEvent dead_key({}, {});
    dead_key.setCommitString(QString::fromUtf8("é"));
    QCoreApplication::sendEvent(p.form.get(), &dead_key);
    QInputMethodEvent phrase({}, {});
    phrase.setCommitString(QString::fromUtf8("李子"));
    QCoreApplication::sendEvent(p.form.get(), &phrase);
    p.process();
    EXPECT_TRUE(p.errors.empty());
    std::u16string text;
    ASSERT_TRUE(p.form->events()->get_control_text(0, 101, text));
    EXPECT_EQ(u"O'Åé李子", text);
}

TEST(ProgramWindow, LeavingTheLastPageClosesTheWindow) {
    tprogram_fixture p;
    p.press(Qt::Key_Escape);
    EXPECT_TRUE(p.errors.empty());
    EXPECT_TRUE(p.form->is_closed());
}

}  // namespace
