#include <gtest/gtest.h>

#include "temp_folder.h"
#include "xml/walker_xmlnode.h"
#include "xml/xmlfile_inifile.h"

namespace {

// A node class with every kind of property the builder converts, and element text.
class titem_node : public txmlnode_textable {
public:
    static const tclass_info& static_class() {
        static const tproperty_info properties[] = {
            prop<&titem_node::f_n>("_n"), prop<&titem_node::f_flag>("_flag"), prop<&titem_node::f_s>("_s"),
            prop<&titem_node::f_u>("_u")};
        static const tclass_info info("titem_node", &txmlnode_textable::static_class(), factory_of<titem_node>, properties);
        return info;
    }
    const tclass_info& get_class() const override { return static_class(); }
    void set_node_text_asansistring(const std::string& avalue) override { ftext = utf8_to_utf16(avalue); }
    void set_node_text_asunicodestring(const std::u16string& avalue) override { ftext = avalue; }

    int16_t f_n = 0;
    bool f_flag = false;
    std::string f_s;
    std::u16string f_u;
    std::u16string ftext;
};

void register_settings(tdatamodule_xml_builder& abuilder) {
    abuilder.register_xmlnode(txmlnode_inifile::static_class(), "inifile", {}, 0);
    abuilder.register_xmlnode(txmlnode_domains::static_class(), "domains", {0}, 1);
    abuilder.register_xmlnode(txmlnode_domain::static_class(), "domain", {1}, 2);
}

void register_items(tdatamodule_xml_builder& abuilder) {
    abuilder.register_xmlnode(txmlnode_inifile::static_class(), "doc", {}, 0);
    abuilder.register_xmlnode(titem_node::static_class(), "item", {0, 1}, 1);
}

// The walk as text: one entry per step, with the node's tag.
std::vector<std::string> walk(tdatamodule_xml_builder& abuilder) {
    static const char* const kinds[] = {"NONE", "START", "END", "LEAF"};
    std::vector<std::string> result;
    twalker_xmlnode walker(abuilder);
    for (walker.first(); !walker.feof; walker.next()) {
        result.push_back(std::string(kinds[walker.fbranch_type]) + " " +
                         abuilder.get_xmldefinition_name(abuilder.get_xmlnode_class_id(walker.findex_cursor)));
    }
    return result;
}

const char* const two_domains =
    "<inifile>\r\n    <domains>\r\n        <domain name=\"First\" path=\"/srv/a/\" />\r\n"
    "        <domain name=\"Second\" path=\"/srv/b/\" />\r\n    </domains>\r\n</inifile>\r\n";

}  // namespace

TEST(XmlBuilder, SettingsDocumentBecomesAnIndexedTreeWalkedInDocumentOrder) {
    ttemp_folder dir;
    tdatamodule_xml_builder builder;
    register_settings(builder);
    builder.load_from_file(dir.write("s.ini", two_domains), false);
    const std::vector<std::string> want = {"START inifile", "START domains", "LEAF domain", "LEAF domain",
                                           "END domains", "END inifile"};
    EXPECT_EQ(walk(builder), want);
    ASSERT_EQ(builder.get_count(), 4);
    EXPECT_EQ(builder.get_asansistring(builder.get_xmlnode(3), "path"), "/srv/b/");
    EXPECT_EQ(builder.get_asunicodestring(builder.get_xmlnode(2), "NAME"), u"First");
    EXPECT_EQ(builder.get_xmlnode(2).findex_parent, 1);
    EXPECT_EQ(message_of([&] { builder.get_asansistring(builder.get_xmlnode(2), "id"); }),
              "Field id not found in tdatamodule_xml_builder.get_operate_and_index();");
}

TEST(XmlBuilder, NamesCompareWithoutCaseAndUnknownPropertiesAreIgnored) {
    ttemp_folder dir;
    tdatamodule_xml_builder builder;
    register_settings(builder);
    builder.load_from_file(
        dir.write("s.ini", "<INIFILE>\r\n<Domains>\r\n<DOMAIN Name=\"A\" id=\"7\" PATH=\"p\"/>\r\n</domains>\r\n</Inifile>"),
        false);
    EXPECT_EQ(walk(builder), (std::vector<std::string>{"START inifile", "START domains", "LEAF domain", "END domains", "END inifile"}));
    EXPECT_EQ(builder.get_asansistring(builder.get_xmlnode(2), "name"), "A");
    EXPECT_EQ(builder.get_asansistring(builder.get_xmlnode(2), "path"), "p");
}

TEST(XmlBuilder, PropertyElementAppliesToTheMostRecentlyCreatedNode) {
    ttemp_folder dir;
    tdatamodule_xml_builder builder;
    register_items(builder);
    builder.load_from_file(dir.write("d.xml", "<doc><item n=\"1\"><item/><n = \"7\" /></item></doc>"), false);
    ASSERT_EQ(builder.get_count(), 3);
    EXPECT_EQ(static_cast<titem_node&>(builder.get_xmlnode(1)).f_n, 1);
    EXPECT_EQ(static_cast<titem_node&>(builder.get_xmlnode(2)).f_n, 7);
}

TEST(XmlBuilder, PropertiesAreConvertedByTheirDeclaredKind) {
    ttemp_folder dir;
    const std::string doc = "<doc><item n=\"-32768\" flag=\"True\" s=\"eight\" u=\"wide\">\r\n  some text\r\n</item></doc>";
    struct tcase { const char* name; bool unicode; std::string bytes; std::string s; std::u16string u; };
    const tcase cases[] = {
        {"8-bit file sets only 8-bit text", false, doc, "eight", u""},
        {"UTF-8 file sets only Unicode text", true, doc, "", u"wide"},
        {"UTF-8 file with byte-order mark", true, "\xef\xbb\xbf" + doc, "", u"wide"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tdatamodule_xml_builder builder;
        register_items(builder);
        builder.load_from_file(dir.write("d.xml", c.bytes), c.unicode);
        const auto& item = static_cast<titem_node&>(builder.get_xmlnode(1));
        EXPECT_EQ(item.f_n, -32768);
        EXPECT_TRUE(item.f_flag);
        EXPECT_EQ(item.f_s, c.s);
        EXPECT_EQ(item.f_u, c.u);
        EXPECT_EQ(item.ftext, u"  some text");
    }
}

// Every malformed document stops with the message and the line and column of the token.
TEST(XmlBuilder, MalformedDocumentsReportMessageLineAndColumn) {
    struct tcase { const char* name; bool unicode; std::string bytes; std::string message; };
    const tcase cases[] = {
        {"domain directly under inifile", false, "<inifile>\r\n    <domain name=\"a\"/>\r\n</inifile>",
         "Invalid Node Name \"domain\".\r\non line 2:13."},
        {"wrong root", false, "<settings></settings>",
         "\"settings\" Root Node Name found where \"inifile\" Expected.\r\non line 1:10."},
        {"element after the root", false, "<inifile></inifile>\r\n<inifile>",
         "Invalid Extra after XML complete.\r\non line 2:9."},
        {"text after the root", false, "<inifile></inifile>\r\njunk<",
         "illegal node text without node in tdatamodule_xml_builder.notify_load();\r\non line 1:20."},
        {"closing tag of another node", false, "<inifile><domains></inifile>",
         "Node Name \"inifile\" mismatch on Node Terminate.\r\non line 1:21."},
        {"closing tag before any node", false, "</inifile>",
         "Node Name \"inifile\" mismatch on Node Terminate.\r\non line 1:3."},
        {"property without a node", false, "<name = \"x\" />",
         "Illegal XML Property name set value \"x\" without parent node.\r\non line 1:9."},
        {"text outside any node", false, " junk<inifile></inifile>",
         "illegal node text without node in tdatamodule_xml_builder.notify_load();\r\non line 1:1."},
        {"unterminated comment", false, "<inifile>\r\n<!-- open",
         "Unterminated XML Comment\r\non line 2:1."},
        {"bare line feeds count lines", false, "<inifile>\n\n<domains></inifile>",
         "Node Name \"inifile\" mismatch on Node Terminate.\r\non line 3:12."},
        {"empty file", false, "", "XML Root Node \"inifile\" not found.\r\non line 1:0."},
        {"document cut short", false, "<inifile>\r\n<domains>\r\n</domains>",
         "Unexpected end of XML; Node \"inifile\" not terminated.\r\non line 3:10."},
        {"binary garbage", false, std::string("<\x01\xfe\x00", 4),
         "Character [control character 1] found where XML Tag Identifier Expected.\r\non line 1:2."},
        {"truncated UTF-8 sequence", true, "<inifile>\r\n<domains>\xe2\x82",
         "Invalid UTF-8 sequence in tstreamchar_utf8_fileread.read_char_w();\r\non line 2:2."},
    };
    ttemp_folder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tdatamodule_xml_builder builder;
        register_settings(builder);
        const std::string file = dir.write("bad.ini", c.bytes);
        EXPECT_EQ(message_of([&] { builder.load_from_file(file, c.unicode); }), c.message);
    }
}

TEST(XmlBuilder, IntegerAndBooleanPropertiesRefuseBadText) {
    struct tcase { const char* name; std::string item; std::string message; };
    const tcase cases[] = {
        {"above the 16-bit range", "<item n=\"32768\"/>",
         "Out of Range Error on Integer Value \"32768\" in tdatamodule_xml_builder.notify_load();"},
        {"not a number", "<item n=\"12x\"/>", "tprocs_ansistring.strtoint( \"12x\" ) not supported."},
        {"beyond 64 bits", "<item n=\"9223372036854775808\"/>",
         "tprocs_ansistring.strtoint( \"9223372036854775808\" ) not supported."},
        {"not a Boolean", "<item flag=\"yes\"/>", "Invalid BOOLEAN value \"yes\" in tdatamodule_xml_builder.set_property();"},
    };
    ttemp_folder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tdatamodule_xml_builder builder;
        register_items(builder);
        const std::string file = dir.write("bad.xml", "<doc>\r\n" + c.item + "\r\n</doc>");
        // The value's token is the one being handled when the conversion fails.
        const std::string position = "\r\non line 2:" + std::to_string(c.item.find('"') + 1) + ".";
        EXPECT_EQ(message_of([&] { builder.load_from_file(file, false); }), c.message + position);
    }
}

TEST(XmlBuilder, ClassIdIndexRefusesDuplicatesSparseIdsAndUnknownIds) {
    ttemp_folder dir;
    const std::string file = dir.write("s.ini", "<inifile></inifile>");
    tdatamodule_xml_builder duplicate;
    register_settings(duplicate);
    duplicate.register_xmlnode(txmlnode_domain::static_class(), "other", {1}, 2);
    EXPECT_EQ(message_of([&] { duplicate.load_from_file(file, false); }),
              "Illegal assignment to occupied element in tbirdbox_longint.finish_adds();");

    tdatamodule_xml_builder sparse;
    for (int16_t id = 0; id < 11; ++id) sparse.register_xmlnode(txmlnode_domain::static_class(), "n", {}, static_cast<int16_t>(id * 10));
    EXPECT_EQ(message_of([&] { sparse.load_from_file(file, false); }),
              "Unbalanced Index in tdatamodule_xml_builder.index_xmlnode_class_id();");

    tdatamodule_xml_builder holes;
    holes.register_xmlnode(txmlnode_inifile::static_class(), "inifile", {}, 0);
    holes.register_xmlnode(txmlnode_domain::static_class(), "domain", {0}, 9);
    EXPECT_EQ(holes.get_xmldefinition_name(9), "domain");
    EXPECT_EQ(message_of([&] { holes.get_xmldefinition_name(5); }),
              "XML Node ID 5 not found in tdatamodule_xml_builder.get_xmldefinition_name();");
    EXPECT_EQ(message_of([&] { holes.get_xmldefinition_class_xmlnode(10); }),
              "Index out of range in tbirdbox_longint.get_item( 10 );");
}

TEST(XmlBuilder, SaveToFileWritesOneLinePerStartEndAndLeaf) {
    ttemp_folder dir;
    tdatamodule_xml_builder builder;
    register_settings(builder);
    builder.load_from_file(dir.write("s.ini", two_domains), false);
    const std::string out = (dir.path() / "out.txt").string();
    builder.save_to_file(out);
    EXPECT_EQ(ttemp_folder::read(out),
              "<inifile >\r\n<domains >\r\n<domain name = \"First\" path = \"/srv/a/\" user = \"\" password = \"\" />\r\n"
              "<domain name = \"Second\" path = \"/srv/b/\" user = \"\" password = \"\" />\r\n</domains>\r\n</inifile>\r\n");
}

TEST(XmlBuilder, RootWithoutChildrenIsASingleLeaf) {
    ttemp_folder dir;
    tdatamodule_xml_builder builder;
    register_settings(builder);
    builder.load_from_file(dir.write("s.ini", "<inifile/>"), false);
    EXPECT_EQ(walk(builder), std::vector<std::string>{"LEAF inifile"});
}
