#include "values/register_values.h"

#include "values/datarecord.h"
#include "values/datarecord3.h"
#include "values/dbrecords2.h"
#include "values/params_generic.h"

void register_values_classes(tclass_registry& aregistry) {
    register_params_classes(aregistry);
    register_dbrecords2(aregistry);
    aregistry.add(tdbconstruct_job::static_class());
    aregistry.add(tdbdata_cpunit_reading::static_class());
}
