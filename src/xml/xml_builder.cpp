#include "xml/xml_builder.h"

#include <algorithm>
#include <fstream>

#include "procs/procs_string.h"
#include "xml/walker_xmlnode.h"

namespace {

bool starts_with_utf8_bom(const std::string& afilename) {
    std::ifstream in(afilename, std::ios::binary);
    char bom[3] = {};
    return in.read(bom, 3) && bom[0] == '\xef' && bom[1] == '\xbb' && bom[2] == '\xbf';
}

std::ofstream create_text_file(const std::string& afilename) {
    std::ofstream out(afilename, std::ios::binary | std::ios::trunc);
    if (!out) throw tvelmor_exception("Unable to Create File \"%s\".", afilename);
    return out;
}

}  // namespace

void tdatamodule_xml_builder::register_xmlnode(const tclass_info& aclass_xmlnode, const std::string& aname,
                                               const std::vector<int16_t>& aparent_ids, int16_t aclass_id) {
    const int32_t entry = static_cast<int32_t>(flist_xmlnode_class.size());
    flist_xmlnode_class.push_back({&aclass_xmlnode, aname, aclass_id, aparent_ids, -1, 0});
    for (int16_t parent : aparent_ids) flist_children.push_back({parent, entry});
    findexed = false;
}

void tdatamodule_xml_builder::index_xmlnode_class_id() {
    findexes_xmlnode_class_id.clear();
    for (size_t i = 0; i < flist_xmlnode_class.size(); ++i)
        findexes_xmlnode_class_id.add(flist_xmlnode_class[i].fclass_id, static_cast<int32_t>(i));
    findexes_xmlnode_class_id.finish_adds();
    if (findexes_xmlnode_class_id.is_unbalanced())
        throw tvelmor_exception("Unbalanced Index in %s.index_xmlnode_class_id();", class_name());

    std::stable_sort(flist_children.begin(), flist_children.end(),
                     [](const tindex_child& a, const tindex_child& b) { return a.fclass_id_parent < b.fclass_id_parent; });
    for (auto& entry : flist_xmlnode_class) {
        entry.fclass_child_first = -1;
        entry.fclass_child_count = 0;
        for (size_t k = 0; k < flist_children.size(); ++k) {
            if (flist_children[k].fclass_id_parent != entry.fclass_id) continue;
            if (entry.fclass_child_first < 0) entry.fclass_child_first = static_cast<int32_t>(k);
            ++entry.fclass_child_count;
        }
    }
    findexed = true;
}

void tdatamodule_xml_builder::prepare_load() {
    findex_current_node_class = -1;
    fdone = false;
    fid_current = 0;
    flist_xmlnode.clear();
    fstack_index_xmlnode.clear();
    fstack_index_xmlnode_class.clear();
    index_xmlnode_class_id();
}

int32_t tdatamodule_xml_builder::class_entry_of(int32_t aclass_id, const char* aoperation) {
    if (!findexed) index_xmlnode_class_id();
    const int32_t entry = findexes_xmlnode_class_id.get_item(aclass_id);
    if (entry < 0) throw tvelmor_exception("XML Node ID %d not found in %s.%s();", aclass_id, class_name(), aoperation);
    return entry;
}

const std::string& tdatamodule_xml_builder::get_xmldefinition_name(int32_t aclass_id) {
    return flist_xmlnode_class[static_cast<size_t>(class_entry_of(aclass_id, "get_xmldefinition_name"))].fclass_name;
}

const tclass_info& tdatamodule_xml_builder::get_xmldefinition_class_xmlnode(int32_t aclass_id) {
    return *flist_xmlnode_class[static_cast<size_t>(class_entry_of(aclass_id, "get_xmldefinition_name"))].fclass_xmlnode;
}

txmlnode_generic& tdatamodule_xml_builder::get_xmlnode(int32_t aindex) const {
    if (aindex < 0 || aindex >= get_count())
        throw tvelmor_exception("Index out of range in %s.get_xmlnode( %d );", class_name(), aindex);
    return *flist_xmlnode[static_cast<size_t>(aindex)];
}

int16_t tdatamodule_xml_builder::get_xmlnode_class_id(int32_t aindex_xmlnode) const {
    return flist_xmlnode_class[static_cast<size_t>(get_xmlnode(aindex_xmlnode).findex_class)].fclass_id;
}

void tdatamodule_xml_builder::load_from_file(const std::string& afilename, bool as_unicode) {
    prepare_load();
    fis_unicode = as_unicode;
    std::unique_ptr<tstreamchar_generic> stream;
    if (as_unicode) stream = std::make_unique<tstreamchar_utf8_fileread>(afilename);
    else stream = std::make_unique<tstreamchar_ansi_fileread>(afilename);
    tloader_xml loader(std::move(stream), *this);
    try {
        // Only a real byte-order mark is taken as the preamble: a file without one keeps its
        // first character.
        // What some editors write at the start of a UTF-8 file is skipped in either mode.
        if (starts_with_utf8_bom(afilename)) {
            if (as_unicode) {
                loader.fparser->freader->read_preamble();
            } else {
                char mark = 0;
                for (int i = 0; i < 3; ++i) loader.fparser->freader->read_char_a(mark);
            }
        }
        loader.load();
        if (flist_xmlnode.empty())
            throw tvelmor_exception("XML Root Node \"%s\" not found.",
                                    flist_xmlnode_class.empty() ? std::string() : flist_xmlnode_class[0].fclass_name);
        if (!fdone)
            throw tvelmor_exception("Unexpected end of XML; Node \"%s\" not terminated.",
                                    flist_xmlnode_class[static_cast<size_t>(findex_current_node_class)].fclass_name);
    } catch (const std::exception& e) {
        throw tvelmor_exception("%s\r\non line %d:%d.", std::string(e.what()), loader.fparser->flineno,
                                loader.fparser->fline_pos_read);
    }
    index_nodes();
}

void tdatamodule_xml_builder::notify_load(tloader_xml& aloader) {
    switch (aloader.fload_type) {
        case ltXML_TAG: open_node(aloader.fxml_tag); break;
        case ltXML_PROPERTY: set_property(aloader.fxml_property_name, aloader.fxml_property_value); break;
        case ltXML_TAG_TERMINATE: terminate_node(aloader.fxml_tag); break;
        case ltXML_ENDTAG: terminate_node(); break;
        case ltXML_TEXT: set_node_text(aloader.fxml_text); break;
        case ltXML_COMMENT: break;
    }
}

void tdatamodule_xml_builder::open_node(const std::string& atag) {
    if (fdone) throw tvelmor_exception("Invalid Extra after XML complete.");
    int32_t entry = -1;
    if (fstack_index_xmlnode.empty()) {
        const std::string root = flist_xmlnode_class.empty() ? std::string() : flist_xmlnode_class[0].fclass_name;
        if (root.empty() || !same_text_nocase(atag, root))
            throw tvelmor_exception("\"%s\" Root Node Name found where \"%s\" Expected.", atag, root);
        entry = 0;
    } else {
        const telement_xmlnode_class& current = flist_xmlnode_class[static_cast<size_t>(findex_current_node_class)];
        for (int32_t k = 0; k < current.fclass_child_count && entry < 0; ++k) {
            const int32_t child = flist_children[static_cast<size_t>(current.fclass_child_first + k)].findex_child;
            if (same_text_nocase(atag, flist_xmlnode_class[static_cast<size_t>(child)].fclass_name)) entry = child;
        }
        if (entry < 0) throw tvelmor_exception("Invalid Node Name \"%s\".", atag);
    }
    std::unique_ptr<treflected_object> created = flist_xmlnode_class[static_cast<size_t>(entry)].fclass_xmlnode->create();
    auto* node = dynamic_cast<txmlnode_generic*>(created.get());
    if (!node) throw tvelmor_exception("Class %s is not an XML node in %s.notify_load();", created->class_name(), class_name());
    created.release();
    flist_xmlnode.emplace_back(node);
    node->fid = fid_current++;
    node->fid_parent = fstack_index_xmlnode.empty() ? -1 : flist_xmlnode[static_cast<size_t>(fstack_index_xmlnode.back())]->fid;
    node->findex_class = entry;
    findex_current_node_class = entry;
    fstack_index_xmlnode.push_back(get_count() - 1);
    fstack_index_xmlnode_class.push_back(entry);
}

void tdatamodule_xml_builder::set_property(const std::string& aname, const tstringx& avalue) {
    if (flist_xmlnode.empty())
        throw tvelmor_exception("Illegal XML Property %s set value \"%s\" without parent node.", aname,
                                avalue.get_asansistring());
    // Nothing may follow the root element, not even a property element.
    if (fdone) throw tvelmor_exception("Invalid Extra after XML complete.");
    txmlnode_generic& node = *flist_xmlnode.back();
    const tproperty_info* info = node.get_class().find_property("_" + aname);
    if (!info) return;
    const std::string text = avalue.get_asansistring();
    if (property_kind_is_integer(info->fkind)) {
        const int64_t value = tprocs_ansistring::str_to_int64(text);
        if (!info->in_range(value))
            throw tvelmor_exception("Out of Range Error on Integer Value \"%d\" in %s.notify_load();", value, class_name());
        info->set_integer(node, value);
    } else if (info->fkind == tproperty_kind::pk_boolean) {
        bool value = false;
        if (!tprocs_ansistring::to_boolean(value, text))
            throw tvelmor_exception("Invalid BOOLEAN value \"%s\" in %s.set_property();", text, class_name());
        info->set(node, value);
    } else if (text.find('\0') != std::string::npos) {
        // A NUL would cut a path or name silently wherever it reaches the system.
        throw tvelmor_exception("Invalid NUL character in XML Property %s in %s.set_property();", aname, class_name());
    } else if (info->fkind == tproperty_kind::pk_ansistring && !fis_unicode) {
        info->set(node, avalue.fansistring);
    } else if (info->fkind == tproperty_kind::pk_unicodestring && fis_unicode) {
        info->set(node, avalue.funicodestring);
    }
}

void tdatamodule_xml_builder::set_node_text(const tstringx& atext) {
    if (fstack_index_xmlnode.empty())
        throw tvelmor_exception("illegal node text without node in %s.notify_load();", class_name());
    auto* node = dynamic_cast<txmlnode_textable*>(flist_xmlnode[static_cast<size_t>(fstack_index_xmlnode.back())].get());
    if (!node) return;
    if (fis_unicode) node->set_node_text_asunicodestring(atext.get_asunicodestring());
    else node->set_node_text_asansistring(atext.get_asansistring());
}

void tdatamodule_xml_builder::terminate_node(const std::string& aname) {
    if (fdone) throw tvelmor_exception("Invalid Extra after XML complete.");
    if (fstack_index_xmlnode_class.empty() || fstack_index_xmlnode_class.back() != findex_current_node_class ||
        !same_text_nocase(flist_xmlnode_class[static_cast<size_t>(findex_current_node_class)].fclass_name, aname))
        throw tvelmor_exception("Node Name \"%s\" mismatch on Node Terminate.", aname);
    terminate_node();
}

void tdatamodule_xml_builder::terminate_node() {
    if (fdone || fstack_index_xmlnode.empty()) throw tvelmor_exception("Invalid Extra after XML complete.");
    fstack_index_xmlnode.pop_back();
    fstack_index_xmlnode_class.pop_back();
    if (fstack_index_xmlnode_class.empty()) {
        findex_current_node_class = -1;
        fdone = true;
    } else {
        findex_current_node_class = fstack_index_xmlnode_class.back();
    }
}

// Parents before children: sorted by (parent fid, fid), each node's children are one run.
void tdatamodule_xml_builder::index_nodes() {
    std::sort(flist_xmlnode.begin(), flist_xmlnode.end(), [](const auto& a, const auto& b) {
        return a->fid_parent != b->fid_parent ? a->fid_parent < b->fid_parent : a->fid < b->fid;
    });
    std::vector<int32_t> index_of_fid(static_cast<size_t>(fid_current), -1);
    for (int32_t j = 0; j < get_count(); ++j) {
        txmlnode_generic& node = *flist_xmlnode[static_cast<size_t>(j)];
        index_of_fid[static_cast<size_t>(node.fid)] = j;
        node.fchild_first = -1;
        node.fchild_count = 0;
        node.findex_parent = -1;
    }
    for (int32_t j = 0; j < get_count(); ++j) {
        txmlnode_generic& node = *flist_xmlnode[static_cast<size_t>(j)];
        if (node.fid_parent < 0) continue;
        const int32_t parent_index = index_of_fid[static_cast<size_t>(node.fid_parent)];
        txmlnode_generic& parent = *flist_xmlnode[static_cast<size_t>(parent_index)];
        if (parent.fchild_count == 0) parent.fchild_first = j;
        ++parent.fchild_count;
        node.findex_parent = parent_index;
    }
}

const tproperty_info& tdatamodule_xml_builder::get_operate_and_index(const txmlnode_generic& axmlnode,
                                                                     const std::string& afieldname) const {
    const tproperty_info* info = axmlnode.get_class().find_property("_" + afieldname);
    if (!info) throw tvelmor_exception("Field %s not found in %s.get_operate_and_index();", afieldname, class_name());
    return *info;
}

std::string tdatamodule_xml_builder::get_asansistring(const txmlnode_generic& axmlnode, const std::string& afieldname) const {
    const tproperty_info& info = get_operate_and_index(axmlnode, afieldname);
    const tproperty_value value = info.get(axmlnode);
    if (const auto* s = std::get_if<std::string>(&value)) return *s;
    if (const auto* u = std::get_if<std::u16string>(&value)) return utf16_to_utf8(*u);
    if (const auto* i = std::get_if<int64_t>(&value)) return std::to_string(*i);
    if (const auto* b = std::get_if<bool>(&value)) return *b ? "TRUE" : "FALSE";
    return std::string();
}

std::u16string tdatamodule_xml_builder::get_asunicodestring(const txmlnode_generic& axmlnode,
                                                           const std::string& afieldname) const {
    const tproperty_info& info = get_operate_and_index(axmlnode, afieldname);
    const tproperty_value value = info.get(axmlnode);
    if (const auto* u = std::get_if<std::u16string>(&value)) return *u;
    return utf8_to_utf16(get_asansistring(axmlnode, afieldname));
}

void tdatamodule_xml_builder::save_to_file(const std::string& afilename) const {
    std::ofstream out = create_text_file(afilename);
    twalker_xmlnode walker(*this);
    for (walker.first(); !walker.feof; walker.next()) {
        const txmlnode_generic& node = get_xmlnode(walker.findex_cursor);
        const std::string& tag = flist_xmlnode_class[static_cast<size_t>(node.findex_class)].fclass_name;
        if (walker.fbranch_type == btBRANCH_END) {
            out << tprocs_message::format("</%s>\r\n", {tag});
            continue;
        }
        std::string properties;
        const tclass_info& cls = node.get_class();
        for (int32_t i = 0; i < cls.property_count(); ++i) {
            const tproperty_info& info = cls.property(i);
            if (info.fname[0] != '_' || info.fkind != tproperty_kind::pk_ansistring) continue;
            properties += tprocs_message::format("%s = \"%s\" ", {info.fname + 1, std::get<std::string>(info.get(node))});
        }
        const char* format = walker.fbranch_type == btBRANCH_START ? "<%s %s>\r\n" : "<%s %s/>\r\n";
        out << tprocs_message::format(format, {tag, properties});
    }
}

void tdatamodule_xml_builder::save_debug_to_file(const std::string& afilename) const {
    std::ofstream out = create_text_file(afilename);
    for (const auto& entry : flist_xmlnode_class) {
        out << "class " << entry.fclass_id << " " << entry.fclass_name << " (" << entry.fclass_xmlnode->name()
            << ") children " << entry.fclass_child_first << "+" << entry.fclass_child_count << " parents";
        for (int16_t parent : entry.fclass_id_parent) out << " " << parent;
        out << "\r\n";
    }
}

void tdatamodule_xml_builder::save_debug_to_file2(const std::string& afilename) const {
    std::ofstream out = create_text_file(afilename);
    for (const auto& node : flist_xmlnode) {
        out << "node " << node->fid << " parent " << node->fid_parent << " class " << node->findex_class
            << " children " << node->fchild_first << "+" << node->fchild_count << " parent index "
            << node->findex_parent << "\r\n";
    }
}
