// Walks an indexed node tree in document order, reporting each node as the start or end of a
// branch, or as a leaf.
#pragma once

#include <cstdint>
#include <vector>

#include "xml/xml_builder.h"

enum tbranch_type { btBRANCH_NONE, btBRANCH_START, btBRANCH_END, btBRANCH_LEAF };

class twalker_xmlnode {
public:
    explicit twalker_xmlnode(const tdatamodule_xml_builder& adm_xml_builder) : fdm(adm_xml_builder) {}

    void first();
    void next();

    int32_t findex_cursor = -1;
    bool feof = true;
    tbranch_type fbranch_type = btBRANCH_NONE;

private:
    struct twalk_entry {
        int32_t index_node;
        int32_t index_next_child;
        int32_t children_left;
    };

    void enter(int32_t aindex_node);

    const tdatamodule_xml_builder& fdm;
    std::vector<twalk_entry> fstack_walk;
};
