// The main window: four drawing surfaces (main 101, header 102, footer 103, overlay 104), whose
// paint, resize, mouse and key events it routes to the page controller, and the private
// messages 1024-1026 that carry deferred work. It draws nothing of its own.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "controls/platform.h"
#include "controls/surface.h"
#include "shell/form_events.h"
#include "shell/orv_panel.h"

class Tform_main : public QWidget, public tsurface_owner {
public:
    using tgraphbox_array = std::array<std::unique_ptr<tgraphbox_generic>, 4>;
    // Creates the page controller over the window and its four surface adapters (it takes them).
    using tevents_factory = std::function<std::unique_ptr<tform_main_events>(Tform_main&, tgraphbox_array)>;

    static constexpr int32_t header_height = 54;
    static constexpr int32_t footer_height = 67;
    static constexpr const char* surface_names[4] = {"panel_main", "panel_header", "panel_footer", "panel_ontop"};

    Tform_main();
    ~Tform_main() override;
    const char* class_name() const { return "Tform_main"; }

    // FormCreate: wraps the four panels found by name, creates the controller and enters the
    // first page. Raises when a panel is missing or mis-tagged.
    void form_create(const tevents_factory& afactory);
    // The surface slot of a panel tag (101-104 -> 0-3); raises for any other tag.
    static int32_t get_handler_panel(int32_t atag);

    tform_main_events* events() const { return fevents.get(); }
    torv_panel* panel(int32_t aslot) const { return fpanels[aslot]; }

    // Private messages: posted as window messages, delivered in posting order.
    void post_private(uint32_t amsg, int64_t awparam, int64_t alparam);
    // After every processed window message: post 1026 while the queue has work (one at a time).
    void after_window_message();
    // A 1026 is posted and not yet processed, or a private message is on its way.
    bool has_pending_private() const { return fpending_private > 0; }

    // Where the surfaces' canvases take their icons from (the icon store).
    void set_icon_source(const ticon_source* asource);

    bool get_capslock() const { return fcapslock; }
    bool is_closed() const { return fclosed; }

    // What is shown when an error escapes an event; the default is a modal message box.
    void set_error_reporter(std::function<void(const std::string&)> areporter) { freporter = std::move(areporter); }
    void report_error(const std::string& amessage);
    // Runs an event's work; an escaping error is reported and the program carries on.
    void guarded(const std::function<void()>& awork);
    // Called once, when the window is first shown, after it has placed itself (the intro).
    void set_first_show_handler(std::function<void()> ahandler) { ffirst_show = std::move(ahandler); }

    // The one main window of the process, if it exists.
    static Tform_main* current();

    // tsurface_owner
    void surface_paint(torv_panel& apanel) override;
    void surface_resize(torv_panel& apanel) override;
    void surface_mouse(torv_panel& apanel, QMouseEvent& aevent, bool as_move, bool as_mouseup) override;
    void surface_shown_or_hidden(torv_panel& apanel) override;

    // The window takes input methods' text (ImEnabled).
    QVariant inputMethodQuery(Qt::InputMethodQuery aquery) const override;

protected:
    bool event(QEvent* aevent) override;
    void keyPressEvent(QKeyEvent* aevent) override;
    void keyReleaseEvent(QKeyEvent* aevent) override;
    void inputMethodEvent(QInputMethodEvent* aevent) override;
    void resizeEvent(QResizeEvent* aevent) override;
    void showEvent(QShowEvent* aevent) override;
    void closeEvent(QCloseEvent* aevent) override;

private:
    void layout_surfaces();
    void route_key(QKeyEvent& aevent, bool as_keyup);
    void route_characters(const std::u16string& atext);
    void track_capslock(const QKeyEvent& aevent);

    std::array<torv_panel*, 4> fpanels{};
    std::unique_ptr<tform_main_events> fevents;  // the page controller
    int32_t fpending_private = 0;
    bool frun_posted = false;
    bool fcapslock = false;
    bool fshown = false;
    bool fclosed = false;
    std::function<void(const std::string&)> freporter;
    std::function<void()> ffirst_show;
};
