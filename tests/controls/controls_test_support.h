// Helpers shared by the control tests: readable rectangles in failure messages and a checker for
// the exact text of an expected exception.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "controls/geometry.h"
#include "procs/velmor_exception.h"

inline void PrintTo(const trect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

// Runs acall and expects it to raise exactly amessage.
template <typename F>
void expect_raises(const std::string& amessage, F acall) {
    try {
        acall();
        ADD_FAILURE() << "expected the exception: " << amessage;
    } catch (const tvelmor_exception& e) {
        EXPECT_EQ(amessage, e.what());
    }
}
