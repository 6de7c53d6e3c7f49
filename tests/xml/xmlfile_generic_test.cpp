#include <gtest/gtest.h>

#include <sstream>

#include "temp_folder.h"
#include "xml/xmlfile_inifile.h"

namespace {

class tcounted_node : public txmlnode_generic {
public:
    static const tclass_info& static_class() {
        static const tproperty_info properties[] = {
            prop<&tcounted_node::f_name>("_name"), prop<&tcounted_node::f_count>("_count"),
            prop<&tcounted_node::f_empty>("_empty"), prop<&tcounted_node::f_flag>("_flag"),
            prop<&tcounted_node::fhidden>("hidden")};
        static const tclass_info info("tcounted_node", &txmlnode_generic::static_class(), factory_of<tcounted_node>,
                                      properties);
        return info;
    }
    const tclass_info& get_class() const override { return static_class(); }
    std::string f_name = "box";
    int32_t f_count = -3;
    std::string f_empty;
    bool f_flag = true;
    std::string fhidden = "secret";
};

// Records what the file module hands over.
class trecording_file : public Tdatamodule_xmlfile_generic {
public:
    void setup_xml_definition(tdatamodule_xml_builder& abuilder) override {
        abuilder.register_xmlnode(txmlnode_inifile::static_class(), "inifile", {}, 0);
        abuilder.register_xmlnode(txmlnode_domains::static_class(), "domains", {0}, 1);
        abuilder.register_xmlnode(txmlnode_domain::static_class(), "domain", {1}, 2);
    }
    void add_node(int16_t anode_id, txmlnode_generic& axmlnode) override {
        std::string entry = std::to_string(anode_id);
        if (auto* domain = dynamic_cast<txmlnode_domain*>(&axmlnode)) entry += " " + domain->f_name;
        fseen.push_back(entry);
    }
    void finish_adds() override { fseen.push_back("finish"); }
    std::vector<std::string> fseen;
};

class tfailing_writer : public Tdatamodule_loadandsave_generic {
public:
    void save_to_stream(Tdatamodule_xmlfile_generic& axmlfile, std::ostream& astream) override {
        axmlfile.write_xmlnode(astream, 0, 0, xmltag_SINGLE);
        throw tvelmor_exception("disk full");
    }
};

}  // namespace

TEST(XmlfileGeneric, WriterTagKindsShapeTheNodeLines) {
    tcounted_node node;
    struct tcase { const char* name; txmlnode_tag tag; std::string text; };
    const tcase cases[] = {
        {"single", xmltag_SINGLE_TERMINATED, "    <box name=\"box\" count=\"-3\" />\r\n"},
        {"field per line", xmltag_FIELD_PER_LINE, "    <box name=\"box\" >\r\n        <count=\"-3\" />\r\n"},
        {"field per line closed", xmltag_FIELD_PER_LINE_CLOSED,
         "    <box name=\"box\" >\r\n        <count=\"-3\" />\r\n    </box>\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::ostringstream out;
        tprocs_xmlfile::write_xmlnode(out, node, "box", 1, c.tag);
        EXPECT_EQ(out.str(), c.text);
    }
}

TEST(XmlfileGeneric, LoadHandsOverNodesInDocumentOrderAndNothingOnError) {
    ttemp_folder dir;
    trecording_file file;
    file.load_from_file(dir.write("ok.ini", "<inifile><domains><domain name=\"a\"/><domain name=\"b\"/></domains>"
                                            "<domains><domain name=\"c\"/></domains></inifile>"),
                        false);
    EXPECT_EQ(file.fseen, (std::vector<std::string>{"0", "1", "2 a", "2 b", "1", "2 c", "finish"}));

    trecording_file failing;
    EXPECT_EQ(message_of([&] {
                  failing.load_from_file(dir.write("bad.ini", "<inifile><domains><domain name=\"a\"/></inifile>"), false);
              }),
              "Node Name \"inifile\" mismatch on Node Terminate.\r\non line 1:39.");
    EXPECT_TRUE(failing.fseen.empty());
}

TEST(XmlfileGeneric, FailedSaveLeavesTheEarlierFileAlone) {
    ttemp_folder dir;
    const std::string target = dir.write("keep.ini", "earlier");
    trecording_file file;
    tfailing_writer writer;
    EXPECT_EQ(message_of([&] { file.save_to_file(writer, target); }), "disk full");
    EXPECT_EQ(ttemp_folder::read(target), "earlier");
    EXPECT_FALSE(std::filesystem::exists(target + ".tmp"));
}

TEST(XmlfileGeneric, BaseOperationsRaiseUntilASchemaAndConsumerProvideThem) {
    Tdatamodule_xmlfile_generic file;
    tdatamodule_xml_builder builder;
    txmlnode_generic node;
    Tdatamodule_loadandsave_generic consumer;
    std::ostringstream out;
    EXPECT_EQ(message_of([&] { file.setup_xml_definition(builder); }), "Tdatamodule_xmlfile_generic.setup_xml_definition(); not implemented.");
    EXPECT_EQ(message_of([&] { file.add_node(0, node); }), "Tdatamodule_xmlfile_generic.add_node(); not implemented.");
    EXPECT_EQ(message_of([&] { file.finish_adds(); }), "Tdatamodule_xmlfile_generic.finish_adds(); not implemented.");
    EXPECT_EQ(message_of([&] { consumer.save_to_stream(file, out); }), "Tdatamodule_loadandsave_generic.save_to_stream(); not implemented.");
    txmlnode_textable textable;
    EXPECT_EQ(message_of([&] { textable.set_node_text_asansistring("x"); }),
              "txmlnode_textable.set_node_text_asansistring(); not implemented");
}
