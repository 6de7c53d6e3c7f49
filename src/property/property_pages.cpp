#include "property/property_pages.h"

#include "controls/dfm_component.h"
#include "pages/page_controller_generic.h"
#include "property/billing_pages.h"

void register_property_pages(tpage_controller_generic& acontroller) {
    register_billing_pages(acontroller);
}
