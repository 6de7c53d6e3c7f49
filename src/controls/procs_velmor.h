// Shared routines of the control framework: choosing the next or prior focus target among
// controls, the next panel to hand the focus to, the polylines that trace frame edges and the
// colours of a grid cell.
#pragma once

#include <cstdint>
#include <vector>

#include "controls/canvas.h"
#include "controls/control_types.h"
#include "controls/geometry.h"

class icontrols_iterator;
class tvelmor_iterate_panels;
class tvelmor_customgrid;
class tvelmor_theme;

class tprocs_velmor {
public:
    // Smallest focus order above aorder_from (fo_greaterthan), else the smallest overall
    // (fo_lessthan: the focus wraps), else fo_none. On ties the first control met wins.
    static tvelmor_focus_order get_next_focus_control(int32_t& atag_next, icontrols_iterator& aiterable,
                                                      int32_t aorder_from);
    // The mirror image: largest order below aorder_from, else the largest overall.
    static bool get_prior_focus_control(int32_t& atag_next, icontrols_iterator& aiterable, int32_t aorder_from);
    // The next-control rule over visible panels with a focus order.
    static bool get_next_focus_panel(int32_t& atag_next, tvelmor_iterate_panels& aiterable, int32_t aorder_from);

    // Splits an edge set into its four sides.
    static void get_frameedges(bool& aleft, bool& atop, bool& aright, bool& abottom, tframeedges aframeedges);
    // The points tracing the chosen edges; rightleft and bottomtop are two separate lines of two
    // points each. An empty edge set raises.
    static std::vector<tpoint> get_framepoints(const trect& arect, tframeedges aframeedges);
    static int32_t get_count_framepoints(tframeedges aframeedges);

    // Brush and text colour of a cell from the grid theme's four pairs: focused grid and/or
    // selected cell. A theme without colours (a brief grid theme, or none) gives black text on
    // the page background.
    static void set_grid_cell_colors(tcanvas& acanvas, const tvelmor_customgrid& agrid, int32_t arow, int32_t acol,
                                     const tvelmor_theme* atheme);
};
