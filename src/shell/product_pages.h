// The product's pages: every domain library's registration, in one place that the program entry
// and the tests share (a test enters every page registered here). Qt-free.
#pragma once

class tpage_controller_generic;

// Registers every page of the product with its form class; the page controller calls it once.
void register_product_pages(tpage_controller_generic& acontroller);
