#include "xml/xmlfile_generic.h"

#include <sstream>

#include "procs/safe_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "xml/walker_xmlnode.h"

namespace {

// Releases the builder of one load or save on every path.
class tbuilder_scope {
public:
    explicit tbuilder_scope(std::unique_ptr<tdatamodule_xml_builder>& aslot) : fslot(aslot) {
        fslot = std::make_unique<tdatamodule_xml_builder>();
    }
    ~tbuilder_scope() { fslot.reset(); }
    tbuilder_scope(const tbuilder_scope&) = delete;
    tbuilder_scope& operator=(const tbuilder_scope&) = delete;

private:
    std::unique_ptr<tdatamodule_xml_builder>& fslot;
};

std::string indent_of(int32_t aindent) { return std::string(static_cast<size_t>(aindent > 0 ? aindent : 0) * 4, ' '); }

}  // namespace

void Tdatamodule_loadandsave_generic::save_to_stream(Tdatamodule_xmlfile_generic&, std::ostream&) {
    throw tvelmor_exception("%s.save_to_stream(); not implemented.", class_name());
}

void tprocs_xmlfile::check_value(const std::string& aname, const std::string& avalue) {
    if (avalue.find('"') != std::string::npos)
        throw tvelmor_exception("Illegal double quote in XML Property %s value \"%s\".", aname, avalue);
}

void tprocs_xmlfile::write_newline(std::ostream& astream) { astream << "\r\n"; }

void tprocs_xmlfile::write_xmlnode(std::ostream& astream, const txmlnode_generic& axmlnode, const std::string& aname,
                                   int32_t aindent, txmlnode_tag axmlnode_tag) {
    const std::string indent = indent_of(aindent);
    const bool per_line = axmlnode_tag == xmltag_FIELD_PER_LINE || axmlnode_tag == xmltag_FIELD_PER_LINE_CLOSED;
    astream << tprocs_message::format("%s<%s ", {indent, aname});
    const tclass_info& cls = axmlnode.get_class();
    int written = 0;
    for (int32_t i = 0; i < cls.property_count(); ++i) {
        const tproperty_info& info = cls.property(i);
        if (info.fname[0] != '_') continue;
        std::string value;
        if (property_kind_is_integer(info.fkind)) value = std::to_string(info.get_integer(axmlnode));
        else if (info.fkind == tproperty_kind::pk_ansistring) value = std::get<std::string>(info.get(axmlnode));
        if (value.empty()) continue;
        const char* name = info.fname + 1;
        check_value(name, value);
        if (!per_line) astream << tprocs_message::format("%s=\"%s\" ", {name, value});
        else if (written == 0) astream << tprocs_message::format("%s=\"%s\" >\r\n", {name, value});
        else astream << tprocs_message::format("%s<%s=\"%s\" />\r\n", {indent_of(aindent + 1), name, value});
        ++written;
    }
    if (axmlnode_tag == xmltag_FIELD_PER_LINE_CLOSED) astream << tprocs_message::format("%s</%s>\r\n", {indent, aname});
    else if (!per_line) astream << "/>\r\n";
}

void Tdatamodule_xmlfile_generic::setup_xml_definition(tdatamodule_xml_builder&) {
    throw tvelmor_exception("%s.setup_xml_definition(); not implemented.", class_name());
}

void Tdatamodule_xmlfile_generic::add_node(int16_t, txmlnode_generic&) {
    throw tvelmor_exception("%s.add_node(); not implemented.", class_name());
}

void Tdatamodule_xmlfile_generic::finish_adds() {
    throw tvelmor_exception("%s.finish_adds(); not implemented.", class_name());
}

tdatamodule_xml_builder& Tdatamodule_xmlfile_generic::builder() {
    if (!fbuilder) throw tvelmor_exception("Illegal %s.write_xmlnode(); outside save_to_stream().", class_name());
    return *fbuilder;
}

void Tdatamodule_xmlfile_generic::load_from_file(const std::string& afilename, bool as_unicode) {
    tbuilder_scope scope(fbuilder);
    setup_xml_definition(*fbuilder);
    fbuilder->load_from_file(afilename, as_unicode);
    twalker_xmlnode walker(*fbuilder);
    for (walker.first(); !walker.feof; walker.next()) {
        if (walker.fbranch_type == btBRANCH_END) continue;
        add_node(fbuilder->get_xmlnode_class_id(walker.findex_cursor), fbuilder->get_xmlnode(walker.findex_cursor));
    }
    finish_adds();
}

void Tdatamodule_xmlfile_generic::save_to_file(Tdatamodule_loadandsave_generic& adatamodule_loadandsave,
                                               const std::string& afilename) {
    std::ostringstream out(std::ios::binary);
    save_to_stream(adatamodule_loadandsave, out);
    // Whole or not at all, and readable by its owner alone: the settings keep the server logins.
    tsafe_file::write_whole(afilename, out.str(), true);
}

void Tdatamodule_xmlfile_generic::save_to_stream(Tdatamodule_loadandsave_generic& adatamodule_loadandsave,
                                                 std::ostream& astream) {
    tbuilder_scope scope(fbuilder);
    setup_xml_definition(*fbuilder);
    adatamodule_loadandsave.save_to_stream(*this, astream);
}

void Tdatamodule_xmlfile_generic::write_xmlnode(std::ostream& astream, int16_t anode_id, int32_t aindent,
                                                txmlnode_tag axmlnode_tag) {
    const char* format = axmlnode_tag == xmltag_SINGLE_CLOSE ? "%s</%s>\r\n" : "%s<%s>\r\n";
    astream << tprocs_message::format(format, {indent_of(aindent), builder().get_xmldefinition_name(anode_id)});
}

void Tdatamodule_xmlfile_generic::write_xmlnode(std::ostream& astream, int16_t anode_id, int32_t aindent,
                                                txmlnode_tag axmlnode_tag, twriter_xml_generic& awriter_xml,
                                                const tvelmor_object* adataobject) {
    std::unique_ptr<treflected_object> created = builder().get_xmldefinition_class_xmlnode(anode_id).create();
    auto* node = dynamic_cast<txmlnode_generic*>(created.get());
    if (!node) throw tvelmor_exception("Class %s is not an XML node in %s.write_xmlnode();", created->class_name(), class_name());
    awriter_xml.write_xmldata(anode_id, *node, adataobject);
    tprocs_xmlfile::write_xmlnode(astream, *node, builder().get_xmldefinition_name(anode_id), aindent, axmlnode_tag);
}
