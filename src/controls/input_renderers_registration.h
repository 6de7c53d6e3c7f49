// Installs the concrete button, combo box, check box and scroll bar renderers in the global
// renderer table, in place of the abstract bases that stand in until then.
#pragma once

void register_input_renderers();
