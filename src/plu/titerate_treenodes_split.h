// The order in which the sorted nodes of an index table are inserted into a search tree so that
// the tree comes out balanced: the middle first, then the middles of the two halves, and so on.
#pragma once

#include <cstdint>
#include <vector>

class titerate_treenodes_split {
public:
    // Indexes 0 .. atop; atop < 0 gives an empty order.
    explicit titerate_treenodes_split(int32_t atop);
    // Every index 0 .. atop exactly once, in insertion order.
    const std::vector<int32_t>& order() const { return forder; }

private:
    std::vector<int32_t> forder;
};
