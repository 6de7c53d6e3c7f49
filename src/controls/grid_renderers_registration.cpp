#include "controls/grid_renderers_registration.h"

#include "controls/grid_renderers.h"
#include "controls/theme.h"

void register_grid_renderers() {
    static const tvelmor_render_grid_standard standard;
    static const tvelmor_render_grid_tabs tabs;
    static const tvelmor_render_grid_tabs2 tabs2;
    static const tvelmor_render_grid_header header;
    static const tvelmor_render_grid_menu menu;
    trenderer_table& table = trenderer_table::global();
    table.grid[classrender_grid_standard] = &standard;
    table.grid[classrender_grid_tabs] = &tabs;
    table.grid[classrender_grid_tabs2] = &tabs2;
    table.grid[classrender_grid_header] = &header;
    table.grid[classrender_grid_menu] = &menu;
}
