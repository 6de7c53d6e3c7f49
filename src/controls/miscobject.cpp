#include "controls/miscobject.h"

#include "controls/grid_controls.h"
#include "controls/theme.h"

void tvelmor_miscobject::get_debug_text(std::string&) const {
    throw tvelmor_exception("%s.get_debug_text(); not implemented.", class_name());
}

std::u16string tvelmor_miscobject::get_textvalue_fieldno(int32_t) {
    throw tvelmor_exception("%s.get_textvalue_fieldno(); not implemented.", class_name());
}

tvalidator_generic* tvelmor_miscobject::get_validator(int32_t) { return nullptr; }

bool tvelmor_miscobject::get_textvalue_rowcol(std::u16string& atext, int32_t, int32_t) {
    atext.clear();
    return false;
}

void tvelmor_miscobject::set_hard_value(int32_t, bool) {
    throw tvelmor_exception("%s.set_hard_value(); not implemented.", class_name());
}

void tvelmor_miscobject::set_hard_value(int32_t, int32_t) {
    throw tvelmor_exception("%s.set_hard_value(); not implemented.", class_name());
}

void tvelmor_miscobject::update_control(tvelmor_control*) {
    throw tvelmor_exception("%s.update_control(); not implemented.", class_name());
}

void tmiscobject_render::control_paint(int32_t&, tcanvas&, tvelmor_control*, tvelmor_theme*, const std::u16string&,
                                       const trect&, int32_t, int32_t) {
    throw tvelmor_exception("%s.control_paint(); not implemented.", class_name());
}

void tmiscobject_render::paint_cell(int32_t& afont_tag, tcanvas& acanvas, tvelmor_control* acontrol,
                                    tvelmor_theme* atheme, const std::u16string& atext, const trect& arect,
                                    int32_t arow, int32_t acol, const tcell_format* aformat) {
    auto* theme = dynamic_cast<tvelmor_theme_grid_brief*>(atheme);
    auto* grid = dynamic_cast<tvelmor_customgrid*>(acontrol);
    if (!theme || !theme->classrender || !grid) return;
    if (arow == -1) {
        theme->classrender->erase_rows(acanvas, *grid, arect);
    } else if (aformat) {
        theme->classrender->control_paint(afont_tag, acanvas, *grid, theme, arect, atext, arow, acol, aformat->font,
                                          aformat->alignment, aformat->margin);
    }
}
