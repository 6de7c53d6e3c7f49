// The grids' cursor moves.
#include "controls/grid_controls.h"

int16_t tvelmor_customgrid::col_first(bool) { return 0; }
tgrid_move_type tvelmor_customgrid::row_first(bool) { return gm_none; }
tgrid_move_type tvelmor_customgrid::row_pagedown(bool) { return gm_none; }
tgrid_move_type tvelmor_customgrid::row_increment(bool) { return gm_none; }
tgrid_move_type tvelmor_customgrid::row_setfull(int32_t) { return gm_none; }
bool tvelmor_customgrid::row_setsimple(int32_t) { return false; }
bool tvelmor_customgrid::col_increment(bool) { return false; }
bool tvelmor_customgrid::cell_setsimple(int32_t, int32_t) { return false; }
void tvelmor_customgrid::notify_scrollbar() {}
