#include "shell/form_main.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>

#include "procs/velmor_exception.h"
#include "shell/graphbox_panel.h"
#include "shell/key_mapping.h"
#include "shell/shell_log.h"

namespace {

const QEvent::Type private_message_event = static_cast<QEvent::Type>(QEvent::User + 1);

class tprivate_message_event : public QEvent {
public:
    explicit tprivate_message_event(const twindows_message& amsg) : QEvent(private_message_event), fmsg(amsg) {}
    twindows_message fmsg;
};

Tform_main* fcurrent_form = nullptr;

// The hidden debug button of the designed window, as a key chord: Ctrl+Alt+Shift+D.
bool is_debug_chord(const QKeyEvent& aevent) {
    return aevent.key() == Qt::Key_D &&
           (aevent.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) ==
               (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
}

}  // namespace

Tform_main::Tform_main() {
    setWindowTitle("Velmor Accounts");
    setFocusPolicy(Qt::StrongFocus);
    // Dead keys and input methods commit their text to the window (inputMethodEvent).
    setAttribute(Qt::WA_InputMethodEnabled);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(torv_panel::surface_color));
    setPalette(palette);
    setAutoFillBackground(true);
    QFont font("Tahoma");
    font.setPixelSize(14);
    setFont(font);
    fpanels[0] = new torv_panel(this, this, surface_names[0], 101, true, true);
    fpanels[1] = new torv_panel(this, this, surface_names[1], 102, true, true);
    fpanels[2] = new torv_panel(this, this, surface_names[2], 103, true, false);
    fpanels[3] = new torv_panel(fpanels[0], this, surface_names[3], 104, false, false);
    fpanels[3]->hide();
    resize(770, 710);
    layout_surfaces();
    fcurrent_form = this;
}

Tform_main::~Tform_main() {
    if (fcurrent_form == this) fcurrent_form = nullptr;
    // The controller goes first: its handlers still reach the surfaces while they are freed.
    fevents.reset();
}

Tform_main* Tform_main::current() { return fcurrent_form; }

void Tform_main::set_icon_source(const ticon_source* asource) {
    for (torv_panel* panel : fpanels) panel->canvas().set_icon_source(asource);
}

int32_t Tform_main::get_handler_panel(int32_t atag) {
    if (atag <= 100 || atag > 104) {
        throw tvelmor_exception("Invalid Handler Panel Tag %d in %s.get_handler_panel();", atag, "Tform_main");
    }
    return atag - 101;
}

void Tform_main::form_create(const tevents_factory& afactory) {
    tgraphbox_array graphboxes;
    for (const char* name : surface_names) {
        auto* panel = dynamic_cast<torv_panel*>(findChild<QWidget*>(name));
        if (!panel) throw tvelmor_exception("Panel[%s] not found in %s.FormCreate();", name, class_name());
        int32_t slot = get_handler_panel(panel->tag());
        if (graphboxes[slot]) throw tvelmor_exception("Illegal add to assigned graphbox in %s.add();", "tgraphboxes");
        graphboxes[slot] = std::make_unique<tgraphbox_panel>(panel);
    }
    fevents = afactory(*this, std::move(graphboxes));
    // A first page that cannot be entered leaves the main slot empty; the window still opens
    // and the error is shown.
    guarded([&] { fevents->enter_first_page(); });
}

void Tform_main::layout_surfaces() {
    int32_t w = width(), h = height();
    int32_t top = fpanels[1]->isHidden() ? 0 : header_height;
    int32_t bottom = fpanels[2]->isHidden() ? h : h - footer_height;
    fpanels[1]->setGeometry(0, 0, w, header_height);
    fpanels[2]->setGeometry(0, h - footer_height, w, footer_height);
    fpanels[0]->setGeometry(0, top, w, std::max(0, bottom - top));
}

void Tform_main::report_error(const std::string& amessage) {
    tshell_log::error_shown(amessage);
    if (freporter) {
        freporter(amessage);
        return;
    }
    // Shown after the event is done, never from inside a paint.
    QString text = QString::fromStdString(amessage);
    QMetaObject::invokeMethod(
        this, [this, text] { QMessageBox::critical(this, windowTitle(), text); }, Qt::QueuedConnection);
}

void Tform_main::guarded(const std::function<void()>& awork) {
    try {
        awork();
    } catch (const std::exception& e) {
        report_error(e.what());
    }
}

void Tform_main::post_private(uint32_t amsg, int64_t awparam, int64_t alparam) {
    ++fpending_private;
    QCoreApplication::postEvent(this, new tprivate_message_event({amsg, awparam, alparam}));
}

void Tform_main::after_window_message() {
    if (frun_posted || !fevents || fclosed) return;
    bool available = false;
    guarded([&] { available = fevents->has_messages_available(); });
    if (!available) return;
    frun_posted = true;
    post_private(tprivate_message::wm_run_queued, 0, 0);
}

bool Tform_main::event(QEvent* aevent) {
    if (aevent->type() == private_message_event) {
        const twindows_message msg = static_cast<tprivate_message_event*>(aevent)->fmsg;
        --fpending_private;
        if (msg.msg == tprivate_message::wm_run_queued) frun_posted = false;
        if (!fevents) return true;
        guarded([&] {
            if (msg.msg == tprivate_message::wm_run_queued) fevents->run_queued_message();
            else fevents->handle_windows_message(msg);
        });
        return true;
    }
    // Tab goes to the pages before Qt's own focus handling; Ctrl+Tab arrives as a key press
    // (the pages move between panels and tabs with it); Alt+Tab is the platform's.
    if (aevent->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(aevent);
        bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            uint32_t shift = (key->modifiers() & Qt::ShiftModifier) ? tshift::shift : 0;
            if (fevents) guarded([&] { fevents->handle_keydown(tvk::tab, shift, false); });
            return true;
        }
    }
    return QWidget::event(aevent);
}

// The keyboard's own lock state where the platform reports it (X11's lock bit), otherwise
// followed from the Caps Lock presses the window sees.
void Tform_main::track_capslock(const QKeyEvent& aevent) {
    bool x11 = QGuiApplication::platformName() == "xcb";
    if (aevent.key() == Qt::Key_CapsLock) {
        if (aevent.type() == QEvent::KeyPress && !aevent.isAutoRepeat()) fcapslock = !fcapslock;
        return;
    }
    if (x11) fcapslock = (aevent.nativeModifiers() & 0x2) != 0;
}

void Tform_main::route_key(QKeyEvent& aevent, bool as_keyup) {
    track_capslock(aevent);
    if (!fevents) return;
    if (!as_keyup && is_debug_chord(aevent)) {
        guarded([&] { fevents->debug101(); });
        return;
    }
    // A key that types the platform's text goes to the pages as characters, not as a key.
    const std::u16string typed = tkey_mapping::typed_text(aevent.key(), aevent.modifiers(), aevent.text());
    if (!typed.empty()) {
        if (!as_keyup) route_characters(typed);
        return;
    }
    uint16_t vk = tkey_mapping::virtual_key(aevent.key());
    uint32_t shift = tkey_mapping::shift_state(aevent.modifiers());
    // A modifier key counts itself as held while going down and no longer once it is up.
    uint32_t own = vk == tvk::shift ? tshift::shift : vk == tvk::control ? tshift::ctrl : vk == tvk::menu ? tshift::alt : 0;
    shift = as_keyup ? (shift & ~own) : (shift | own);
    // Alt+Tab belongs to the platform, in both directions.
    if (vk == 0 || (vk == tvk::tab && (shift & tshift::alt))) {
        aevent.ignore();
        return;
    }
    guarded([&] { fevents->handle_keydown(vk, shift, as_keyup); });
}

void Tform_main::route_characters(const std::u16string& atext) {
    guarded([&] {
        for (char16_t ch : atext) fevents->handle_character(ch);
    });
}

void Tform_main::keyPressEvent(QKeyEvent* aevent) { route_key(*aevent, false); }

// What an input method (or the dead-key composer) commits is typed; text still being composed
// is not shown.
void Tform_main::inputMethodEvent(QInputMethodEvent* aevent) {
    const std::u16string typed = tkey_mapping::printable_characters(aevent->commitString());
    if (fevents && !typed.empty()) route_characters(typed);
    aevent->accept();
}

QVariant Tform_main::inputMethodQuery(Qt::InputMethodQuery aquery) const {
    if (aquery == Qt::ImEnabled) return true;
    return QWidget::inputMethodQuery(aquery);
}

void Tform_main::keyReleaseEvent(QKeyEvent* aevent) { route_key(*aevent, true); }

void Tform_main::resizeEvent(QResizeEvent*) { layout_surfaces(); }

// FormShow: a third of the way down the work area, the left edge where it was designed.
void Tform_main::showEvent(QShowEvent*) {
    if (fshown) return;
    fshown = true;
    if (QScreen* s = screen()) {
        int32_t top = (s->availableGeometry().height() - frameGeometry().height()) / 3;
        move(x(), top);
    }
    setFocus();
    if (ffirst_show) guarded(ffirst_show);
}

void Tform_main::closeEvent(QCloseEvent* aevent) {
    fclosed = true;
    QWidget::closeEvent(aevent);
}

void Tform_main::surface_paint(torv_panel& apanel) {
    if (!fevents) return;
    guarded([&] { fevents->handle_paint(get_handler_panel(apanel.tag())); });
}

void Tform_main::surface_resize(torv_panel& apanel) {
    if (!fevents) return;
    guarded([&] {
        if (fevents->is_locked()) return;
        fevents->handle_resize(get_handler_panel(apanel.tag()));
    });
}

void Tform_main::surface_mouse(torv_panel& apanel, QMouseEvent& aevent, bool as_move, bool as_mouseup) {
    if (!fevents) return;
    int32_t x = static_cast<int32_t>(aevent.position().x()), y = static_cast<int32_t>(aevent.position().y());
    uint32_t shift = tkey_mapping::mouse_state(aevent.modifiers(), aevent.buttons());
    guarded([&] {
        int32_t slot = get_handler_panel(apanel.tag());
        if (as_move) fevents->handle_mousemove(slot, shift, x, y);
        else fevents->handle_mousedown(slot, tkey_mapping::mouse_button(aevent.button()), shift, x, y, as_mouseup);
    });
}

void Tform_main::surface_shown_or_hidden(torv_panel& apanel) {
    if (apanel.tag() == 102 || apanel.tag() == 103) layout_surfaces();
}
