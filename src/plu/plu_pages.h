// The pages of the PLU catalogue and their registration with the page controller.
#pragma once

class tpage_controller_generic;

// Registers the PLU search (page 3) and the PLU editor (page 6) with their form classes.
void register_plu_pages(tpage_controller_generic& acontroller);
