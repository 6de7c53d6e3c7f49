// Installs the concrete edit and memo renderers in the global renderer table, in place of the
// abstract bases. Call once at start-up, before page forms are read.
#pragma once

void register_text_renderers();
