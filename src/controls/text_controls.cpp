#include "controls/text_controls.h"

void tvelmor_edit::set_text(const std::u16string& avalue) {
    text = avalue;
    len = static_cast<int16_t>(avalue.size());
    extents.assign(avalue.size(), 0);
    if (pos_left > len) pos_left = 0;
}
