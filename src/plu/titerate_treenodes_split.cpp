#include "plu/titerate_treenodes_split.h"

#include <cstddef>

namespace {

struct trange {
    int32_t lo = 0;
    int32_t hi = -1;
    int32_t mid = -1;  // -1: the range is empty
};

}  // namespace

titerate_treenodes_split::titerate_treenodes_split(int32_t atop) {
    if (atop < 0) return;
    int32_t bits = 0;
    for (uint32_t v = static_cast<uint32_t>(atop); v != 0; v >>= 1) ++bits;
    std::vector<trange> ranges(std::size_t{1} << bits);
    ranges[0] = {0, atop, (atop + 1) / 2};
    for (std::size_t i = 1; i < ranges.size(); ++i) {
        const trange& parent = ranges[(i - 1) / 2];
        trange& r = ranges[i];
        if (parent.mid < 0) continue;
        if (i % 2 == 1) {
            r.lo = parent.lo;
            r.hi = parent.mid - 1;
        } else {
            r.lo = parent.mid + 1;
            r.hi = parent.hi;
        }
        if (r.hi >= r.lo) r.mid = (r.lo + r.hi + 1) / 2;
    }
    forder.reserve(static_cast<std::size_t>(atop) + 1);
    for (const trange& r : ranges)
        if (r.mid >= 0) forder.push_back(r.mid);
}
