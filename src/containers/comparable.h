// How the ordered containers compare their nodes: a node compares itself with another
// (tcomparable), or the container is given a compare object (towning_compare). Any result other
// than less, equal or greater is a programming error and raises.
#pragma once

#include <cstdint>

#include "procs/procs_types.h"
#include "procs/velmor_exception.h"

// Returns the result after checking it is one of the three orderings.
inline tcompare_result checked_compare_result(tcompare_result aresult) {
    if (aresult != cr_lessthan && aresult != cr_equals && aresult != cr_greaterthan)
        throw tvelmor_exception("Internal error invalid compare result %d", static_cast<int32_t>(aresult));
    return aresult;
}

class tcomparable : public tvelmor_object {
public:
    const char* class_name() const override { return "tcomparable"; }
    // How this node orders against aother, a node of the same container.
    virtual tcompare_result compare(const tcomparable& aother) const {
        (void)aother;
        throw tvelmor_exception("%s.compare(); not implemented.", class_name());
    }
};

template <typename T>
class towning_compare : public tvelmor_object {
public:
    const char* class_name() const override { return "towning_compare"; }
    virtual tcompare_result compare(const T& anode1, const T& anode2) const {
        (void)anode1;
        (void)anode2;
        throw tvelmor_exception("%s.compare(); not implemented.", class_name());
    }
};
