// Installs the concrete grid renderers in the global renderer table, in place of the abstract
// base that stands in until the drawing code is linked.
#pragma once

void register_grid_renderers();
