#include "property/datamodule_cp_site.h"

#include "database/datamodule_database_customers.h"
#include "pages/handlermodule_generic.h"

void Tdatamodule_cp_site::load_unit_billable_qtys(Thandlermodule_generic& ahandlermodule, int32_t atag,
                                                  int32_t aid_unit, tdatarecord2* arecord) {
    (void)ahandlermodule;
    (void)atag;
    (void)aid_unit;
    (void)arecord;
}
