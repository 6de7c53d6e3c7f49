#include "pages/handlermodule_big_edit.h"

#include <algorithm>

#include "controls/text_controls.h"

namespace {
const Tform_page2& big_edit_form() {
    static const Tform_page2 form = overlay_form("Tform_page_big_edit", "form_page_big_edit");
    return form;
}
}  // namespace

Thandlermodule_big_edit::Thandlermodule_big_edit(tpage_controller_generic* aowner, int32_t aid, const trect& arect,
                                                 const std::u16string& avalue)
    : Thandlermodule_ontop(aowner, ho_bigedit, aid, &big_edit_form()), frect(arect), fvalue(avalue) {}

tvelmor_memo& Thandlermodule_big_edit::memo() { return control<tvelmor_memo>(tag_memo); }

void Thandlermodule_big_edit::once_created() {
    tvelmor_memo& m = memo();
    m.set_text(fvalue);
    m.selectedall = true;
    set_focused_tag(tag_memo, true);
}

bool Thandlermodule_big_edit::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (!is_plain_press(ashift, as_keyup)) return false;
    if (akey == tvk::enter) {
        close_with(result_enter);
        return true;
    }
    if (akey == tvk::escape) {
        close_with(result_escape);
        return true;
    }
    return false;
}

trect Thandlermodule_big_edit::get_initial_bounds(const trect& aclientrect) {
    trect r{frect.left, frect.top, frect.right + extra_width, frect.top + viewer_height};
    // A control low on the page would push the viewer's lower part out of sight.
    const int32_t overflow = std::min(r.bottom - aclientrect.bottom, r.top - aclientrect.top);
    if (overflow > 0) {
        r.top -= overflow;
        r.bottom -= overflow;
    }
    return r;
}
