// The accounts pages' registration: their page numbers and page form classes. The program entry
// calls it once, with the page controller it creates.
#pragma once

class tpage_controller_generic;

// Registers the form classes of the accounts pages and enters them in the controller's page table
// (page 1, the accounts menu).
void register_accounts_pages(tpage_controller_generic& acontroller);
