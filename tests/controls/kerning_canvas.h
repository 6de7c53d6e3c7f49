// A recording canvas whose pairs of characters are one pixel narrower than the two alone, as
// kerning makes them, so tests can tell pairwise extents from whole-text widths.
#pragma once

#include "controls/recording_canvas.h"

class tkerning_canvas : public trecording_canvas {
public:
    // Single characters are 7 pixels wide, each further character adds 6.
    tsize text_extent(const std::u16string& atext) override {
        const int32_t n = static_cast<int32_t>(atext.size());
        return {n == 0 ? 0 : 7 * n - (n - 1), 18};
    }
};
