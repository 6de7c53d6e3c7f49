// The input controllers the container hands keys and clicks to, one per control kind. They are
// stateless classes of class-level operations; each returns true when it used the event.
#pragma once

#include <cstdint>

#include "controls/canvas.h"
#include "controls/control_types.h"
#include "controls/geometry.h"
#include "controls/key_codes.h"

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

// The keys the edit, memo and small controllers use, and the character a key types on the fixed
// United States layout (controllers_keys.cpp).
class tvelmor_keyboard {
public:
    // The character a key types, 0 for none: letters by Shift and Caps Lock (upper case when
    // exactly one is on), digits and the punctuation keys 186-192 and 219-222 with or without
    // Shift, Space.
    static char16_t translate_key(uint16_t akey, bool as_shift, bool as_caps);
    // Digits, letters and punctuation keys: the keys that type with or without Shift.
    static bool is_character_key(uint16_t akey);
    // Whether a character delivered as text may be typed into a text control: not a control
    // character, not half of a surrogate pair (characters beyond the first 65536 are not typed),
    // not private use, not a noncharacter.
    static bool is_typeable(char16_t ach);
    // The Caps Lock state, read from the platform only for letter keys, the only ones it changes.
    static bool caps_for(uint16_t akey);
};

// Buttons: Enter pushes (key-down) and releases (key-up); the mouse pushes on the button and
// releases anywhere. A release of a pushed button on the button clicks it (1103).
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

// Edits: typing goes to the edit (receive_key); Tab, Shift+Tab and Enter validate the text and
// move the focus; 1105 reports typed changes to handlers that listen.
class tvelmor_controller_edit {
public:
    static bool handle_keydown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_edit& acontrol, const trect& arect,
                               bool as_readonly, uint16_t akey, tshift_state ashift, bool as_keyup,
                               tvelmor_theme* atheme, tvalidator_generic* avalidator);
    // Parses the edit's text into the field: valid -> the edit shows the display text and,
    // when the value changed, the handler hears 1104. Returns the validity.
    static bool validate_edit(tvelmor_edit& aedit, tvalidator_generic& avalidator);
    // A character the platform delivered as text (another keyboard layout, a dead-key
    // composition, an input method): typed like a character key, refused by the validator or
    // on a read-only page. True when it was typed.
    static bool handle_character(tcanvas& acanvas, int32_t& afont_tag, tvelmor_edit& acontrol, const trect& arect,
                                 bool as_readonly, char16_t ach, tvelmor_theme* atheme,
                                 tvalidator_generic* avalidator);
};

// Memos: typing, Backspace, Delete and Ctrl+Enter change the text at the caret and re-wrap from
// the caret line; the cursor keys move the caret; Tab, Shift+Tab and Enter move the focus.

class tvelmor_controller_memo {
public:
    static bool handle_keydown(int32_t& afont_tag, tcanvas& acanvas, tvelmor_memo& acontrol, tvelmor_theme* atheme,
                               const trect& arect, bool as_readonly, uint16_t akey, tshift_state ashift,
                               bool as_keyup, tvalidator_generic* avalidator);
    // A character delivered as text, typed at the caret unless the page is read-only or the
    // validator (when the memo has one) refuses it. True when the memo used it.
    static bool handle_character(int32_t& afont_tag, tcanvas& acanvas, tvelmor_memo& acontrol, tvelmor_theme* atheme,
                                 const trect& arect, bool as_readonly, char16_t ach, tvalidator_generic* avalidator);
};

// Combo boxes: Tab, Shift+Tab and Enter move the focus; Ctrl+Down opens the list of choices.
class tvelmor_controller_combobox {
public:
    static bool handle_keydown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_combobox& acontrol,
                               tvelmor_theme* atheme, const trect& arect, bool as_readonly, uint16_t akey,
                               tshift_state ashift, bool as_keyup);
};

// Check boxes: Space toggles (1113), Tab, Shift+Tab and Enter move the focus.
class tvelmor_controller_checkbox {
public:
    static bool handle_keydown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_checkbox& acontrol,
                               tvelmor_theme* atheme, const trect& arect, bool as_readonly, uint16_t akey,
                               tshift_state ashift, bool as_keyup);
};
