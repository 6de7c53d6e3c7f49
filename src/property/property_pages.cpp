#include "property/property_pages.h"

#include "controls/dfm_component.h"
#include "pages/page_controller_generic.h"

void register_property_pages(tpage_controller_generic& acontroller) {
    (void)acontroller;
}
