// Node objects built from an XML document. A node class declares its XML properties as reflected
// properties named "_" plus the XML name; the builder sets them by name.
#pragma once

#include <cstdint>
#include <string>

#include "values/property_table.h"

class txmlnode_generic : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    int32_t fid = 0;             // creation number, from 0
    int32_t fid_parent = -1;     // fid of the parent, -1 for the root
    int32_t fchild_first = -1;   // list index of the first child once indexed
    int32_t fchild_count = 0;
    int32_t findex_class = 0;    // index of the node's class entry in the builder
    int32_t findex_parent = -1;  // list index of the parent once indexed
    int32_t ftag = 0;            // free for the consumer
};

// A node that keeps the text found inside its element.
class txmlnode_textable : public txmlnode_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    virtual void set_node_text_asansistring(const std::string& avalue);
    virtual void set_node_text_asunicodestring(const std::u16string& avalue);
};
