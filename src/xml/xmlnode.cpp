#include "xml/xmlnode.h"

const tclass_info& txmlnode_generic::static_class() {
    static const tclass_info info("txmlnode_generic", &treflected_object::static_class());
    return info;
}

const tclass_info& txmlnode_textable::static_class() {
    static const tclass_info info("txmlnode_textable", &txmlnode_generic::static_class());
    return info;
}

void txmlnode_textable::set_node_text_asansistring(const std::string&) {
    throw tvelmor_exception("%s.set_node_text_asansistring(); not implemented", class_name());
}

void txmlnode_textable::set_node_text_asunicodestring(const std::u16string&) {
    throw tvelmor_exception("%s.set_node_text_asunicodestring(); not implemented", class_name());
}
