// Points, sizes and rectangles of the drawing surfaces, in logical pixels. A rectangle is
// (left, top, right, bottom); filling it covers left..right-1 and top..bottom-1.
#pragma once

#include <cstdint>

struct tpoint {
    int32_t x = 0;
    int32_t y = 0;
    constexpr bool operator==(const tpoint&) const = default;
};

struct tsize {
    int32_t cx = 0;
    int32_t cy = 0;
    constexpr bool operator==(const tsize&) const = default;
};

struct trect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr int32_t width() const { return right - left; }
    constexpr int32_t height() const { return bottom - top; }
    constexpr bool empty() const { return right <= left || bottom <= top; }
    constexpr bool operator==(const trect&) const = default;
};
