// The input controllers the container hands keys and clicks to, one per control kind. They are
// stateless classes of class-level operations; each returns true when it used the event.
#pragma once

#include <cstdint>

#include "controls/canvas.h"
#include "controls/control_types.h"
#include "controls/geometry.h"

class tvelmor_customgrid;
class tvelmor_grid_controls;
class tvelmor_dbgrid;
class tvelmor_button;
class tvelmor_edit;
class tvelmor_memo;
class tvelmor_combobox;
class tvelmor_checkbox;
class tvelmor_theme;
class tvalidator_generic;

// Cursor keys and mouse choice of list grids (controllers_grid.cpp). Every move redraws what it
// changed through the grid renderer of the grid's theme and then tells the handler (1101).
class tvelmor_controller_grid {
public:
    static bool handle_keydown(tvelmor_customgrid& acontrol, tvelmor_theme* atheme, const trect& arect, uint16_t akey,
                               tshift_state ashift);
    static bool handle_mousedown(tvelmor_customgrid& acontrol, tvelmor_theme* atheme, const trect& arect, int32_t ax,
                                 int32_t ay);
};

class tvelmor_controller_grid_controls {
public:
    static bool handle_keydown(tvelmor_grid_controls& acontrol, tvelmor_theme* atheme, const trect& arect,
                               uint16_t akey, tshift_state ashift);
    // Moves the cursor to (arow, acol), showing the page that holds it, and redraws.
    static void set_focus_cell(tvelmor_grid_controls& acontrol, tvelmor_theme* atheme, const trect& arect,
                               int32_t arow, int32_t acol);
};

class tvelmor_controller_dbgrid {
public:
    static bool handle_keydown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_dbgrid& acontrol, tvelmor_theme* atheme,
                               const trect& arect, uint16_t akey, tshift_state ashift);
};

class tvelmor_controller_button {
public:
    static bool handle_keydown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_theme* atheme, tvelmor_button& acontrol,
                               const trect& arect, uint16_t akey, tshift_state ashift, bool as_keyup);
    static bool handle_mousedown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_theme* atheme,
                                 tvelmor_button& acontrol, const trect& arect, int32_t ax, int32_t ay,
                                 bool as_mouseup);
    static bool handle_mousemove(tcanvas& acanvas, int32_t& afont_tag, tvelmor_theme* atheme,
                                 tvelmor_button& acontrol, const trect& arect, int32_t ax, int32_t ay);
};

class tvelmor_controller_edit {
public:
    static bool handle_keydown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_edit& acontrol, const trect& arect,
                               bool as_readonly, uint16_t akey, tshift_state ashift, bool as_keyup,
                               tvelmor_theme* atheme, tvalidator_generic* avalidator);
};

class tvelmor_controller_memo {
public:
    static bool handle_keydown(int32_t& afont_tag, tcanvas& acanvas, tvelmor_memo& acontrol, tvelmor_theme* atheme,
                               const trect& arect, bool as_readonly, uint16_t akey, tshift_state ashift,
                               bool as_keyup, tvalidator_generic* avalidator);
};

class tvelmor_controller_combobox {
public:
    static bool handle_keydown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_combobox& acontrol,
                               tvelmor_theme* atheme, const trect& arect, bool as_readonly, uint16_t akey,
                               tshift_state ashift, bool as_keyup);
};

class tvelmor_controller_checkbox {
public:
    static bool handle_keydown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_checkbox& acontrol,
                               tvelmor_theme* atheme, const trect& arect, bool as_readonly, uint16_t akey,
                               tshift_state ashift, bool as_keyup);
};
