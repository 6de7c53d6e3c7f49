// What the data-bound grid needs of its data set: a current record, which is the grid's current
// row, moved back or forward. The database layer's data sources implement it.
#pragma once

#include <cstdint>

class idbgrid_datalink {
public:
    virtual ~idbgrid_datalink() = default;
    // Moves the current record by adistance records (negative: back), stopping at either end, and
    // returns the current record's number (0 for the first).
    virtual int32_t move_by(int32_t adistance) = 0;
    // Makes the first record current and returns its number (0; -1 for an empty data set).
    virtual int32_t move_first() = 0;
};
