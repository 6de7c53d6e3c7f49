// The coupling of a grid to its scroll bar: the bar mirrors the grid's first row shown and takes
// its range from the row count.
#pragma once

class tvelmor_customgrid;
class tvelmor_scrollbar;

// The scroll bar named by the grid's tag_scrollbar; nullptr without one (or without a container).
tvelmor_scrollbar* get_grid_scrollbar(const tvelmor_customgrid& agrid);

// Sends the grid's row_top to its scroll bar as message 1112; the bar redraws its own thumb.
void send_grid_toprow(tvelmor_customgrid& agrid);
