#include "xml/register_xml.h"

#include "xml/datamodule_inifile.h"

void register_xml_classes(tclass_registry& aregistry) {
    aregistry.add(txmlnode_generic::static_class());
    aregistry.add(txmlnode_textable::static_class());
    aregistry.add(txmlnode_inifile::static_class());
    aregistry.add(txmlnode_domains::static_class());
    aregistry.add(txmlnode_domain::static_class());
    aregistry.add(telement_domain::static_class());
}
