// Key translation shared by the edit and the memo: a fixed United States layout.
#include "controls/controllers.h"

#include "controls/platform.h"

namespace {

constexpr char16_t shifted_digits[] = u")!@#$%^&*(";
constexpr char16_t punctuation[] = u";=,-./";
constexpr char16_t shifted_punctuation[] = u":+<_>?";

bool is_letter(uint16_t akey) { return akey >= 65 && akey <= 90; }

}  // namespace

char16_t tvelmor_keyboard::translate_key(uint16_t akey, bool as_shift, bool as_caps) {
    if (is_letter(akey)) return as_shift != as_caps ? char16_t(akey) : char16_t(akey + 32);
    if (akey >= 48 && akey <= 57) return as_shift ? shifted_digits[akey - 48] : char16_t(akey);
    if (akey == tvk::space) return u' ';
    if (akey >= 186 && akey <= 191) return as_shift ? shifted_punctuation[akey - 186] : punctuation[akey - 186];
    return 0;
}

bool tvelmor_keyboard::caps_for(uint16_t akey) { return is_letter(akey) && tplatform::instance().get_capslock(); }
