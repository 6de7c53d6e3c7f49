#include "pages/params_gridrow_hook.h"

#include "controls/container_controls_generic.h"
#include "controls/grid_controls.h"
#include "pages/handlermodule_page.h"
#include "values/params_generic.h"

namespace {

// The menu pages' list grid.
constexpr int32_t tag_page_grid = 201;

// Runs after once_created, before the first layout and paint, so nothing is drawn here.
void move_page_grid_to_row_start(tparams_generic& aparams, Thandlermodule_page& ahandlermodule) {
    // A page without the list grid (nothing under 201, or another kind of control) is left alone.
    auto* grid = dynamic_cast<tvelmor_customgrid*>(ahandlermodule.find_control<tvelmor_control>(tag_page_grid));
    if (grid) grid->row_setfull(static_cast<tparams_gridrow&>(aparams).frow_start);
}

}  // namespace

void install_params_gridrow_hook() { tparams_gridrow::fon_after_once_created = &move_page_grid_to_row_start; }
