// Shared routines of the control framework: choosing the next or prior focus target among
// controls, and the next panel to hand the focus to.
#pragma once

#include <cstdint>

#include "controls/control_types.h"

class icontrols_iterator;
class tvelmor_iterate_panels;

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
};
