// Turns Qt's keys and modifiers into the system's 16-bit virtual key codes and shift sets
// (Shift 1, Alt 2, Ctrl 4; for the mouse also Left 8, Right 16, Middle 32), picks out the keys
// that type the platform's text instead (other layouts, the keypad), and goes back from names
// and characters to keys for the script driver, which types like a user on a US keyboard.
#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>
#include <string>

#include "controls/key_codes.h"

namespace tshift {
constexpr uint32_t shift = 1;
constexpr uint32_t alt = 2;
constexpr uint32_t ctrl = 4;
constexpr uint32_t left = 8;
constexpr uint32_t right = 16;
constexpr uint32_t middle = 32;
}  // namespace tshift

// A key as the script driver sends it: the Qt key, the modifiers to hold and the text it types.
struct tqt_keystroke {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

class tkey_mapping {
public:
    // 0 for a key the system has no code for.
    static uint16_t virtual_key(int aqt_key);
    static uint32_t shift_state(Qt::KeyboardModifiers amodifiers);
    static uint32_t mouse_state(Qt::KeyboardModifiers amodifiers, Qt::MouseButtons abuttons);
    // 0 left, 1 right, 2 middle.
    static int32_t mouse_button(Qt::MouseButton abutton);

    // The characters a key press types as the platform's text rather than as a key of the US
    // layout: the printable text of a key without a virtual key code (an accented letter, a
    // letter of another script), or of a digit or punctuation key whose text is not what the US
    // layout types with that Shift state (another layout, the numeric keypad). Empty when the
    // key is delivered as a key: letters always are (Caps Lock applies), and nothing is typed
    // as text while Ctrl or Alt is held.
    static std::u16string typed_text(int aqt_key, Qt::KeyboardModifiers amodifiers, const QString& atext);
    // The printable characters of a text; characters beyond the first 65536 are left out.
    static std::u16string printable_characters(const QString& atext);

    // The keystroke that types a printable ASCII character on a US keyboard; nullopt otherwise.
    static std::optional<tqt_keystroke> keystroke_for_char(char16_t ach);
    // The keystroke that types any printable character: the US key where the US layout has the
    // character, otherwise a key named by the character that delivers it as text, as another
    // layout's key would (with Shift for an upper-case letter). nullopt for a control character
    // or half of a surrogate pair.
    static std::optional<tqt_keystroke> keystroke_for_typing(char16_t ach);
    // A named key ("F3", "Enter", "Esc", "PageDown", "A", "5", ...) with modifiers written
    // before it ("Shift+Tab", "Ctrl+Alt+X"); nullopt for an unknown name.
    static std::optional<tqt_keystroke> keystroke_for_name(const std::string& aname);
};
