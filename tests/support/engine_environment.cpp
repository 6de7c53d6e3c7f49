// Linked into every test program that opens the embedded engine: stops the engine and its threads
// after the last test, as the program's own main does. An engine left running while the process
// tears down its globals can crash the exit (LeakSanitizer's tracer above all).
#include <gtest/gtest.h>

#include "database/fb_database.h"

namespace {

class tengine_environment : public ::testing::Environment {
public:
    void TearDown() override { tfb_database::shutdown_engine(); }
};

[[maybe_unused]] ::testing::Environment* const engine_environment =
    ::testing::AddGlobalTestEnvironment(new tengine_environment);

}  // namespace
