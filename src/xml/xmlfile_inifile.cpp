#include "xml/xmlfile_inifile.h"

#include "xml/datamodule_inifile.h"

const tclass_info& txmlnode_inifile::static_class() {
    static const tclass_info info("txmlnode_inifile", &txmlnode_generic::static_class(), factory_of<txmlnode_inifile>);
    return info;
}

const tclass_info& txmlnode_domains::static_class() {
    static const tclass_info info("txmlnode_domains", &txmlnode_generic::static_class(), factory_of<txmlnode_domains>);
    return info;
}

const tclass_info& txmlnode_domain::static_class() {
    static const tproperty_info properties[] = {prop<&txmlnode_domain::f_name>("_name"),
                                                prop<&txmlnode_domain::f_path>("_path"),
                                                prop<&txmlnode_domain::f_user>("_user"),
                                                prop<&txmlnode_domain::f_password>("_password")};
    static const tclass_info info("txmlnode_domain", &txmlnode_generic::static_class(), factory_of<txmlnode_domain>,
                                  properties);
    return info;
}

void Tdatamodule_xmlfile_inifile::setup_xml_definition(tdatamodule_xml_builder& abuilder) {
    abuilder.register_xmlnode(txmlnode_inifile::static_class(), "inifile", {}, id_inifile);
    abuilder.register_xmlnode(txmlnode_domains::static_class(), "domains", {id_inifile}, id_domains);
    abuilder.register_xmlnode(txmlnode_domain::static_class(), "domain", {id_domains}, id_domain);
}

void Tdatamodule_xmlfile_inifile::add_node(int16_t anode_id, txmlnode_generic& axmlnode) {
    fconsumer.add_node(anode_id, axmlnode);
}
