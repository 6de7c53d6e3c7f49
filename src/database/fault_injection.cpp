#include "database/fault_injection.h"

#include <cstdlib>

#include "procs/velmor_exception.h"

namespace {

struct tstate {
    bool armed = false;
    bool fired = false;
    int64_t nth = 0;
    int64_t count = 0;
    tfault_action action = tfault_action::fail;
};

tstate state;

const char* point_name(tfault_point apoint) {
    switch (apoint) {
    case tfault_point::execute: return "statement execution";
    case tfault_point::fetch: return "fetch";
    case tfault_point::commit: return "commit";
    }
    return "?";
}

}  // namespace

void tfault_injection::arm(int64_t anth, tfault_action aaction) { state = {true, false, anth, 0, aaction}; }

void tfault_injection::disarm() { state.armed = false; }

int64_t tfault_injection::count() { return state.count; }

bool tfault_injection::fired() { return state.fired; }

void tfault_injection::at(tfault_point apoint) {
    if (!state.armed) return;
    if (++state.count != state.nth) return;
    state.fired = true;
    if (state.action == tfault_action::exit_at_once) std::_Exit(exit_code);
    // Worded like the engine's own refusal, so that it takes the path a real one takes.
    throw tvelmor_exception("Error writing data to the connection.\n-injected fault at %s (point %d)",
                            point_name(apoint), state.nth);
}
