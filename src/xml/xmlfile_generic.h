// File modules tie a schema to a consumer: loading hands every node of the file to the consumer
// in document order; saving lets the consumer write its data through the generic XML writer.
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "xml/xml_builder.h"

enum txmlnode_tag {
    xmltag_NONE, xmltag_SINGLE, xmltag_SINGLE_END, xmltag_SINGLE_TERMINATED, xmltag_FIELD_PER_LINE,
    xmltag_SINGLE_CLOSE, xmltag_FIELD_PER_LINE_CLOSED
};

class Tdatamodule_xmlfile_generic;

// The writing side of a consumer: writes its data as nodes through the file module.
class Tdatamodule_loadandsave_generic : public tvelmor_object {
public:
    virtual void save_to_stream(Tdatamodule_xmlfile_generic& axmlfile, std::ostream& astream);
    const char* class_name() const override { return "Tdatamodule_loadandsave_generic"; }
};

// Fills a node object from one of the consumer's data objects.
class twriter_xml_generic {
public:
    virtual ~twriter_xml_generic() = default;
    virtual void write_xmldata(int32_t aid, txmlnode_generic& axmlnode, const tvelmor_object* adataobject) = 0;
};

class tprocs_xmlfile {
public:
    // One node as a tag with its "_" properties (integers and non-empty 8-bit texts).
    static void write_xmlnode(std::ostream& astream, const txmlnode_generic& axmlnode, const std::string& aname,
                              int32_t aindent, txmlnode_tag axmlnode_tag);
    static void write_newline(std::ostream& astream);
    // The dialect has no escapes: a value with a double quote could not be read back.
    static void check_value(const std::string& aname, const std::string& avalue);
};

class Tdatamodule_xmlfile_generic : public tvelmor_object {
public:
    virtual void setup_xml_definition(tdatamodule_xml_builder& abuilder);
    virtual void add_node(int16_t anode_id, txmlnode_generic& axmlnode);
    virtual void finish_adds();

    // Loads the file and hands every node over, parents before children; nothing is handed over
    // when the file is malformed.
    void load_from_file(const std::string& afilename, bool as_unicode);
    // Writes to a temporary file first, so a failed save leaves any earlier file as it was.
    void save_to_file(Tdatamodule_loadandsave_generic& adatamodule_loadandsave, const std::string& afilename);
    void save_to_stream(Tdatamodule_loadandsave_generic& adatamodule_loadandsave, std::ostream& astream);

    void write_xmlnode(std::ostream& astream, int16_t anode_id, int32_t aindent, txmlnode_tag axmlnode_tag);
    void write_xmlnode(std::ostream& astream, int16_t anode_id, int32_t aindent, txmlnode_tag axmlnode_tag,
                       twriter_xml_generic& awriter_xml, const tvelmor_object* adataobject);

    const char* class_name() const override { return "Tdatamodule_xmlfile_generic"; }

private:
    tdatamodule_xml_builder& builder();

    std::unique_ptr<tdatamodule_xml_builder> fbuilder;  // the builder of the load or save under way
};
