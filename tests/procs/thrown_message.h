// The message of the tvelmor_exception an action raises, so that tests compare whole messages.
#pragma once

#include <string>

#include "procs/velmor_exception.h"

template <typename F>
std::string thrown_message(F&& aaction) {
    try {
        aaction();
    } catch (const tvelmor_exception& e) {
        return e.what();
    }
    return "<nothing raised>";
}
