#include "pages/grid_cell_text.h"

#include "controls/container_controls_generic.h"
#include "controls/grid_controls.h"
#include "controls/miscobject.h"
#include "pages/handlermodule_page.h"

void paint_grid_cell_text(Thandlermodule_page& apage, tvelmor_control* acontrol, tvelmor_theme* atheme,
                          const trect& arect, int32_t arow, int32_t acol, const std::u16string& atext) {
    auto* grid = dynamic_cast<tvelmor_customgrid*>(acontrol);
    if (!grid || grid->header == 0) return;
    auto* render = dynamic_cast<tmiscobject_render*>(apage.fcontrols->get_miscobject(grid->header));
    if (!render) return;
    render->control_paint(apage.fgraphbox->ffont_tag, *apage.fgraphbox->get_canvas(), acontrol, atheme, atext, arect,
                          arow, acol);
}
