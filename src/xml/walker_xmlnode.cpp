#include "xml/walker_xmlnode.h"

void twalker_xmlnode::enter(int32_t aindex_node) {
    findex_cursor = aindex_node;
    const txmlnode_generic& node = fdm.get_xmlnode(aindex_node);
    if (node.fchild_count > 0) {
        fbranch_type = btBRANCH_START;
        fstack_walk.push_back({aindex_node, node.fchild_first, node.fchild_count});
    } else {
        fbranch_type = btBRANCH_LEAF;
    }
}

void twalker_xmlnode::first() {
    fstack_walk.clear();
    fbranch_type = btBRANCH_NONE;
    findex_cursor = -1;
    feof = fdm.get_count() == 0;
    if (!feof) enter(0);
}

void twalker_xmlnode::next() {
    if (feof) return;
    if (fstack_walk.empty()) {  // the root was a leaf, or its end has been reported
        feof = true;
        fbranch_type = btBRANCH_NONE;
        return;
    }
    twalk_entry& top = fstack_walk.back();
    if (top.children_left > 0) {
        const int32_t child = top.index_next_child++;
        --top.children_left;
        enter(child);
        return;
    }
    findex_cursor = top.index_node;
    fbranch_type = btBRANCH_END;
    fstack_walk.pop_back();
}
