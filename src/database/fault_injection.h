// A switch for tests: makes the Nth statement execution, row fetch or commit from now on fail as
// the engine would, or end the process at once (to leave a database as a crash would). Off unless
// a test arms it; the database layer only reports each point it passes.
#pragma once

#include <cstdint>

enum class tfault_point : uint8_t { execute, fetch, commit };
enum class tfault_action : uint8_t { fail, exit_at_once };

class tfault_injection {
public:
    // Counts the points passed from now on and acts at point anth (1-based); 0 only counts.
    static void arm(int64_t anth, tfault_action aaction = tfault_action::fail);
    static void disarm();
    // Points passed since the last arm.
    static int64_t count();
    // Whether the armed point was reached (and the fault raised) since the last arm.
    static bool fired();
    // Called by the database layer before it asks the engine to execute, fetch or commit.
    static void at(tfault_point apoint);
    // The exit status of a process ended by exit_at_once.
    static constexpr int exit_code = 86;
};
