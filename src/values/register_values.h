// The reflected classes of the values library, added to a class registry at start-up.
#pragma once

#include "values/property_table.h"

void register_values_classes(tclass_registry& aregistry);
