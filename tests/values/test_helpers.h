// Shared test helper: the message of the exception a call raises.
#pragma once

#include <string>

#include "procs/velmor_exception.h"

template <typename F> std::string message_of(F&& afunction) {
    try {
        afunction();
    } catch (const tvelmor_exception& e) {
        return e.what();
    }
    return "no exception";
}
