#include "property/datamodule_cp_site.h"

#include "database/datamodule_database_customers.h"

Tdatamodule_cp_site::Tdatamodule_cp_site(Tdatamodule_database_customers& adatabase) : fdatabase(adatabase) {}
