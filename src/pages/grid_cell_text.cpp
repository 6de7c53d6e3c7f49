#include "pages/grid_cell_text.h"

#include "controls/container_controls_generic.h"
#include "controls/font_code.h"
#include "controls/grid_controls.h"
#include "controls/grid_renderers.h"
#include "controls/miscobject.h"
#include "controls/theme.h"
#include "pages/handlermodule_page.h"

void paint_grid_cell_text(Thandlermodule_page& apage, tvelmor_control* acontrol, tvelmor_theme* atheme,
                          const trect& arect, int32_t arow, int32_t acol, const std::u16string& atext) {
    auto* grid = dynamic_cast<tvelmor_customgrid*>(acontrol);
    if (!grid) return;
    if (grid->header == 0) {
        paint_grid_cell_standard(apage.fgraphbox->ffont_tag, *apage.fgraphbox->get_canvas(), *grid, atheme, arect,
                                 arow, acol, atext);
        return;
    }
    auto* render = dynamic_cast<tmiscobject_render*>(apage.fcontrols->get_miscobject(grid->header));
    if (!render) return;
    render->control_paint(apage.fgraphbox->ffont_tag, *apage.fgraphbox->get_canvas(), acontrol, atheme, atext, arect,
                          arow, acol);
}

void paint_grid_cell_standard(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& agrid,
                              tvelmor_theme* atheme, const trect& arect, int32_t arow, int32_t acol,
                              const std::u16string& atext) {
    static const tvelmor_render_grid_standard render;
    if (arow == -1) {
        render.erase_rows(acanvas, agrid, arect);
        return;
    }
    render.control_paint(afont_tag, acanvas, agrid, dynamic_cast<tvelmor_theme_grid_brief*>(atheme), arect, atext,
                         arow, acol, font_code_default, taLeftJustify, 4);
}
