#include "pages/handlermodule_dialog.h"

#include <algorithm>

#include "controls/grid_controls.h"
#include "controls/grid_renderers.h"
#include "controls/procs_drawing.h"
#include "controls/theme.h"

namespace {

const Tform_page2& dialog_form() {
    static const Tform_page2 form = overlay_form("Tform_page_dialog", "form_page_dialog");
    return form;
}

std::vector<std::u16string> split_lines(const std::u16string& atext) {
    static const std::u16string separator = u"\r\n";
    std::vector<std::u16string> lines;
    size_t start = 0;
    for (size_t at = atext.find(separator); at != std::u16string::npos; at = atext.find(separator, start)) {
        lines.push_back(atext.substr(start, at - start));
        start = at + separator.size();
    }
    lines.push_back(atext.substr(start));
    return lines;
}

}  // namespace

Thandlermodule_dialog::Thandlermodule_dialog(tpage_controller_generic* aowner, int32_t aid,
                                             const std::u16string& acaption)
    : Thandlermodule_ontop(aowner, ho_dialog, aid, &dialog_form()), fcaption(acaption) {}

void Thandlermodule_dialog::once_created() {
    flines = split_lines(fcaption);
    control<tvelmor_grid>(tag_lines).set_rowcount(static_cast<int32_t>(flines.size()));
}

bool Thandlermodule_dialog::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (!is_plain_press(ashift, as_keyup)) return false;
    switch (akey) {
        case tvk::escape: close_with(result_cancel); return true;
        case 'N': close_with(result_no); return true;
        case 'Y': close_with(result_yes); return true;
        default: return false;
    }
}

trect Thandlermodule_dialog::get_initial_bounds(const trect&) {
    trect r{100, 40, 440, 118 + line_height * static_cast<int32_t>(flines.size())};
    tcanvas& c = canvas();
    tprocs_font::set_font(c, fgraphbox->ffont_tag, font_question);
    int32_t widest = 0;
    for (const std::u16string& line : flines) widest = std::max(widest, c.text_extent(line).cx);
    r.right = std::max(r.right, r.left + widest + 100);
    return r;
}

void Thandlermodule_dialog::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                                          int32_t arow, int32_t acol) {
    auto* grid = dynamic_cast<tvelmor_customgrid*>(acontrol);
    if (!grid || grid->tag != tag_lines) return;
    static const tvelmor_render_grid_standard render;
    if (arow == -1) {
        render.erase_rows(canvas(), *grid, arect);
    } else if (arow >= 0 && arow < static_cast<int32_t>(flines.size()) && acol == 0) {
        render.control_paint(fgraphbox->ffont_tag, canvas(), *grid, dynamic_cast<tvelmor_theme_grid_brief*>(atheme),
                             arect, flines[static_cast<size_t>(arow)], arow, acol, font_question, taLeftJustify, 0);
    }
}
