// The reflected classes of the XML library, added to a class registry at start-up.
#pragma once

#include "values/property_table.h"

void register_xml_classes(tclass_registry& aregistry);
