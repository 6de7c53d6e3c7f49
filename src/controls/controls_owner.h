// What the control container and its controls need of the handler module that owns them. Declared
// here and implemented by the page layer, so that dependencies keep pointing down.
#pragma once

#include <cstdint>
#include <string>

#include "controls/control_types.h"

class tgraphbox_generic;
class tcontainer_controls_generic;
struct trect;
class tvelmor_control;
class tvelmor_theme;
class tvelmor_miscobject;
class tvelmor_combobox;

class icontrols_owner {
public:
    virtual ~icontrols_owner() = default;

    // Notifications 1101-1113 (see control_messages.h for the blocks). True: the handler dealt
    // with it. 1111 asks for the rectangle of a control in a panel with calculated viewports.
    virtual bool callback_message(void* aparams, int32_t atag, int32_t amsg) = 0;

    // Asked when the page itself has no misc object of that tag (an overlay reaches its parent
    // page's objects this way). Nullptr when there is none.
    virtual tvelmor_miscobject* get_miscobject(int32_t atag) = 0;

    // Paints a paint box (no theme, row and column -1) or a grid cell.
    virtual void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                               int32_t arow, int32_t acol) = 0;

    // Default cell painter of grids that draw through their header misc objects.
    virtual void control_paint_default(tvelmor_control* acontrol, tvelmor_theme* atheme,
                                       const trect& arect, int32_t arow, int32_t acol) = 0;

    // Focus commands the controllers ask for (Tab, Shift+Tab, Enter).
    virtual void execute_command2(thandler_command acommand) = 0;

    // The owner's control container (controls reach misc objects and services through it).
    virtual tcontainer_controls_generic* get_controls() = 0;

    // The owner's drawing surface, whose canvas and font cell serve redraws a control triggers
    // itself (a scroll bar following its grid). Nullptr when the owner has no surface.
    virtual tgraphbox_generic* get_graphbox() { return nullptr; }

    // A page's screen parameters hand the captions of their footer buttons to the footer page.
    virtual void set_footer_button_param(tfooter_button abutton, const std::u16string& acaption) {
        (void)abutton;
        (void)acaption;
    }

    // Opens a combo box's drop-down list over the page (Ctrl+Down); the page layer runs it as an
    // overlay and reports the choice back with 1109. An owner without overlays does nothing.
    virtual void run_combobox_list(tvelmor_combobox& acombobox) { (void)acombobox; }

    // Shows a debug dump (show_debug101); the page layer puts it in a message box.
    virtual void show_debug_text(const std::string& atext) { (void)atext; }
};
