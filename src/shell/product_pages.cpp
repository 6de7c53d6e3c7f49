#include "shell/product_pages.h"

#include "accounts/accounts_pages.h"
#include "jobs/jobs_pages.h"
#include "maintenance/maintenance_pages.h"
#include "plu/plu_pages.h"
#include "property/property_pages.h"

// Each domain library adds its registration here.
void register_product_pages(tpage_controller_generic& acontroller) {
    register_accounts_pages(acontroller);
    register_maintenance_pages(acontroller);
    register_plu_pages(acontroller);
    register_jobs_pages(acontroller);
    register_property_pages(acontroller);
}
