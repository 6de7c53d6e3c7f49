// The node builder: listens to the XML loader, checks the document against a small schema of node
// classes, creates one node object per element with its properties set, and indexes the tree.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "containers/birdbox_longint.h"
#include "xml/loader_xml.h"
#include "xml/xmlnode.h"

// One registered node class of the schema.
struct telement_xmlnode_class {
    const tclass_info* fclass_xmlnode = nullptr;
    std::string fclass_name;  // tag name
    int16_t fclass_id = 0;
    std::vector<int16_t> fclass_id_parent;
    int32_t fclass_child_first = -1;  // first entry in the sorted child list, -1 if none
    int16_t fclass_child_count = 0;
};

// One allowed parent/child pair.
struct tindex_child {
    int16_t fclass_id_parent = 0;
    int32_t findex_child = 0;  // class entry of the child
};

class tdatamodule_xml_builder : public tvelmor_object, public txml_listener {
public:
    // The first class registered is the root class.
    void register_xmlnode(const tclass_info& aclass_xmlnode, const std::string& aname,
                          const std::vector<int16_t>& aparent_ids, int16_t aclass_id);
    // Builds the tree from a file; errors carry the line and column of the offending token.
    void load_from_file(const std::string& afilename, bool as_unicode);

    std::string get_asansistring(const txmlnode_generic& axmlnode, const std::string& afieldname) const;
    std::u16string get_asunicodestring(const txmlnode_generic& axmlnode, const std::string& afieldname) const;
    int16_t get_xmlnode_class_id(int32_t aindex_xmlnode) const;
    const std::string& get_xmldefinition_name(int32_t aclass_id);
    const tclass_info& get_xmldefinition_class_xmlnode(int32_t aclass_id);

    void terminate_node();
    void terminate_node(const std::string& aname);

    void save_to_file(const std::string& afilename) const;
    void save_debug_to_file(const std::string& afilename) const;
    void save_debug_to_file2(const std::string& afilename) const;

    int32_t get_count() const { return static_cast<int32_t>(flist_xmlnode.size()); }
    txmlnode_generic& get_xmlnode(int32_t aindex) const;
    bool is_done() const { return fdone; }

    void notify_load(tloader_xml& aloader) override;
    const char* class_name() const override { return "tdatamodule_xml_builder"; }

private:
    void prepare_load();
    void index_xmlnode_class_id();
    int32_t class_entry_of(int32_t aclass_id, const char* aoperation);
    void open_node(const std::string& atag);
    void set_property(const std::string& aname, const tstringx& avalue);
    void set_node_text(const tstringx& atext);
    void index_nodes();
    const tproperty_info& get_operate_and_index(const txmlnode_generic& axmlnode, const std::string& afieldname) const;

    tbirdbox_longint findexes_xmlnode_class_id;
    std::vector<telement_xmlnode_class> flist_xmlnode_class;
    std::vector<tindex_child> flist_children;
    std::vector<std::unique_ptr<txmlnode_generic>> flist_xmlnode;
    std::vector<int32_t> fstack_index_xmlnode;
    std::vector<int32_t> fstack_index_xmlnode_class;
    int32_t findex_current_node_class = -1;
    int32_t fid_current = 0;
    bool fdone = false;
    bool findexed = false;
    bool fis_unicode = false;
};
