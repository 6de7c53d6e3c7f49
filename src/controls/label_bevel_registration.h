// Installs the concrete label and bevel renderers in the global renderer table, in place of the
// abstract bases that stand in until the drawing code is linked.
#pragma once

void register_label_bevel_renderers();
