// The pages of the commercial-property domain (sites, units, readings, invoicing, templates and
// bill items) and their registration with the page controller.
#pragma once

class tpage_controller_generic;

// Registers every commercial-property page with its form class.
void register_property_pages(tpage_controller_generic& acontroller);
