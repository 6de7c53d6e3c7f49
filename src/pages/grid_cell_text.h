// Paints one cell of a page's grid with a text the page supplies, through the grid's column
// format (the misc object its `header` names), as the pages that hold their own rows do.
#pragma once

#include <cstdint>
#include <string>

#include "controls/geometry.h"

class Thandlermodule_page;
class tvelmor_control;
class tvelmor_theme;

// Nothing is painted for a control that is not a grid or whose header names no column format.
void paint_grid_cell_text(Thandlermodule_page& apage, tvelmor_control* acontrol, tvelmor_theme* atheme,
                          const trect& arect, int32_t arow, int32_t acol, const std::u16string& atext);
