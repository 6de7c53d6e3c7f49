// The bill item pages (30, 31, 17) and the invoice template pages (28, 29, 18).
#pragma once

class tpage_controller_generic;

// Registers their form classes and page numbers.
void register_billing_pages(tpage_controller_generic& acontroller);
