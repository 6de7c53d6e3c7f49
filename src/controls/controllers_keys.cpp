// Key translation shared by the edit and the memo: a fixed United States layout. Characters of
// other layouts and input methods arrive as typed characters instead (handle_character).
#include "controls/controllers.h"

#include "controls/platform.h"

namespace {

constexpr char16_t shifted_digits[] = u")!@#$%^&*(";
// Keys 186-192, then 219-222.
constexpr char16_t punctuation[] = u";=,-./`";
constexpr char16_t shifted_punctuation[] = u":+<_>?~";
constexpr char16_t brackets[] = u"[\\]'";
constexpr char16_t shifted_brackets[] = u"{|}\"";

bool is_letter(uint16_t akey) { return akey >= 65 && akey <= 90; }

}  // namespace

char16_t tvelmor_keyboard::translate_key(uint16_t akey, bool as_shift, bool as_caps) {
    if (is_letter(akey)) return as_shift != as_caps ? char16_t(akey) : char16_t(akey + 32);
    if (akey >= 48 && akey <= 57) return as_shift ? shifted_digits[akey - 48] : char16_t(akey);
    if (akey == tvk::space) return u' ';
    if (akey >= 186 && akey <= 192) return as_shift ? shifted_punctuation[akey - 186] : punctuation[akey - 186];
    if (akey >= 219 && akey <= 222) return as_shift ? shifted_brackets[akey - 219] : brackets[akey - 219];
    return 0;
}

bool tvelmor_keyboard::is_character_key(uint16_t akey) {
    return (akey >= 48 && akey <= 57) || is_letter(akey) || (akey >= 186 && akey <= 192) || (akey >= 219 && akey <= 222);
}

bool tvelmor_keyboard::is_typeable(char16_t ach) {
    if (ach < 0x20 || (ach >= 0x7F && ach <= 0x9F)) return false;         // control characters
    if (ach >= 0xD800 && ach <= 0xDFFF) return false;                       // halves of a pair
    if (ach >= 0xE000 && ach <= 0xF8FF) return false;                       // private use
    return ach != 0xFFFE && ach != 0xFFFF && !(ach >= 0xFDD0 && ach <= 0xFDEF);  // not characters
}

bool tvelmor_keyboard::caps_for(uint16_t akey) { return is_letter(akey) && tplatform::instance().get_capslock(); }
