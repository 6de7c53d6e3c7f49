// Installs every concrete renderer in the global renderer table. The program calls it once at
// start-up, before any page form is read (themes copy the renderer when they are created).
#pragma once

void register_renderers();
