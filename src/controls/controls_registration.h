// What the controls library registers, in one place: the declaration classes of page forms (for
// the form reader) and the concrete renderers behind every renderer name (themes copy theirs
// when they are created). The program calls both once at start-up, before any page form is read;
// tests and tools call them too.
#pragma once

void register_controls_classes();
// Until this runs, every renderer name resolves to its family's abstract base, whose drawing
// raises "not implemented".
void register_renderers();
