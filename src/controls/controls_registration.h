// Registers every declaration class of page forms with the class registry, so that the form
// reader can create them by name. Called once at start-up (and by tests and tools).
#pragma once

void register_controls_classes();
