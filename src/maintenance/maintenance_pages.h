// The maintenance library's pages, registered with the page controller at start-up.
#pragma once

class tpage_controller_generic;

// The database move (8) and the first-run setup (9).
void register_maintenance_pages(tpage_controller_generic& acontroller);
