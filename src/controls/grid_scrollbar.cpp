#include "controls/grid_scrollbar.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/controls_owner.h"
#include "controls/grid_controls.h"

tvelmor_scrollbar* get_grid_scrollbar(const tvelmor_customgrid& agrid) {
    if (agrid.tag_scrollbar == 0 || agrid.owner == nullptr) return nullptr;
    tcontainer_controls_generic* controls = agrid.owner->get_controls();
    return controls ? dynamic_cast<tvelmor_scrollbar*>(controls->get_control(agrid.tag_scrollbar)) : nullptr;
}

void send_grid_toprow(tvelmor_customgrid& agrid) {
    tvelmor_scrollbar* bar = get_grid_scrollbar(agrid);
    if (!bar) return;
    tmsg_params_toprow params{agrid.row_top};
    bar->send_message(&params, tmsg_code::grid_toprow);
}
