// What the control container and its controls need of the handler module that owns them. Declared
// here and implemented by the page layer, so that dependencies keep pointing down.
#pragma once

#include <cstdint>

#include "controls/control_types.h"

class tcanvas;
struct trect;
class tvelmor_control;
class tvelmor_theme;
class tvelmor_miscobject;

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

    // The canvas and font cell of the owner's drawing surface, for redraws a control triggers
    // itself (a scroll bar following its grid). Nullptr when the owner has no surface.
    virtual tcanvas* owner_canvas() { return nullptr; }
    virtual int32_t* owner_font_tag() { return nullptr; }
};
