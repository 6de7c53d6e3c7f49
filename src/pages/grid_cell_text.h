// Paints one cell of a page's grid with a text the page supplies: through the grid's column
// format (the misc object its `header` names) when it has one, else in the standard grid look.
// Every page that holds its own rows or a search grid paints its cells this one way.
#pragma once

#include <cstdint>
#include <string>

#include "controls/geometry.h"

class Thandlermodule_page;
class tcanvas;
class tvelmor_control;
class tvelmor_customgrid;
class tvelmor_theme;

// Nothing is painted for a control that is not a grid, or whose header names a misc object that
// paints no cells.
// Row -1 erases the area below the last row.
void paint_grid_cell_text(Thandlermodule_page& apage, tvelmor_control* acontrol, tvelmor_theme* atheme,
                          const trect& arect, int32_t arow, int32_t acol, const std::u16string& atext);

// The standard look of a grid without a column format: the standard grid renderer, "arial;10",
// left-justified with margin 4; row -1 erases below the last row.
void paint_grid_cell_standard(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& agrid,
                              tvelmor_theme* atheme, const trect& arect, int32_t arow, int32_t acol,
                              const std::u16string& atext);
