// The virtual key codes every layer speaks: the shell maps the platform's keys to them, and the
// controllers and pages compare against them. Letters and digits are their upper-case ASCII codes.
#pragma once

#include <cstdint>

namespace tvk {
constexpr uint16_t back = 8, tab = 9, enter = 13, shift = 16, control = 17, menu = 18, capital = 20,
                   escape = 27, space = 32, prior = 33, next = 34, end = 35, home = 36, left = 37,
                   up = 38, right = 39, down = 40, insert = 45, del = 46, f1 = 112, f2 = 113, f3 = 114,
                   f7 = 118, f9 = 120, f11 = 122;
}  // namespace tvk
