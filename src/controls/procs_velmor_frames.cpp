#include "controls/dfm_elements.h"
#include "controls/procs_velmor.h"
#include "procs/velmor_exception.h"

void tprocs_velmor::get_frameedges(bool& aleft, bool& atop, bool& aright, bool& abottom, tframeedges aframeedges) {
    aleft = (aframeedges & 1) != 0;
    atop = (aframeedges & 2) != 0;
    aright = (aframeedges & 4) != 0;
    abottom = (aframeedges & 8) != 0;
}

int32_t tprocs_velmor::get_count_framepoints(tframeedges aframeedges) {
    static const int32_t counts[16] = {0, 2, 2, 3, 2, 4, 3, 4, 2, 3, 4, 4, 3, 4, 4, 5};
    if (aframeedges == frameedges_none || aframeedges > frameedges_all)
        throw tvelmor_exception("Illegal call %s.get_count_framepoints( %s );", "tprocs_velmor",
                                aframeedges > frameedges_all ? "?" : frameedges_names[aframeedges]);
    return counts[aframeedges];
}

std::vector<tpoint> tprocs_velmor::get_framepoints(const trect& arect, tframeedges aframeedges) {
    get_count_framepoints(aframeedges);  // raises for an empty set
    const tpoint lt{arect.left, arect.top}, rt{arect.right, arect.top};
    const tpoint lb{arect.left, arect.bottom}, rb{arect.right, arect.bottom};
    switch (aframeedges) {
        case frameedges_left: return {lb, lt};
        case frameedges_top: return {lt, rt};
        case frameedges_lefttop: return {lb, lt, rt};
        case frameedges_right: return {rt, rb};
        case frameedges_rightleft: return {lt, lb, rt, rb};
        case frameedges_righttop: return {lt, rt, rb};
        case frameedges_rightlefttop: return {lb, lt, rt, rb};
        case frameedges_bottom: return {rb, lb};
        case frameedges_bottomleft: return {lt, lb, rb};
        case frameedges_bottomtop: return {lt, rt, lb, rb};
        case frameedges_bottomlefttop: return {rb, lb, lt, rt};
        case frameedges_bottomright: return {lb, rb, rt};
        case frameedges_bottomrightleft: return {lt, lb, rb, rt};
        case frameedges_bottomrighttop: return {lb, rb, rt, lt};
        default: return {lt, rt, rb, lb, lt};
    }
}
