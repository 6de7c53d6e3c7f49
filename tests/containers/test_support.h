// Small helpers shared by the container tests.
#pragma once

#include <string>

#include "procs/velmor_exception.h"

// The message of the tvelmor_exception the call raises, or "(no exception)".
template <typename F>
std::string message_of(F afunction) {
    try {
        afunction();
    } catch (const tvelmor_exception& e) {
        return e.what();
    }
    return "(no exception)";
}

// An object that counts its destructions, to see who frees what.
struct tcounted {
    explicit tcounted(int& afreed, int avalue = 0) : ffreed(afreed), fvalue(avalue) {}
    ~tcounted() { ++ffreed; }
    int& ffreed;
    int fvalue;
};
