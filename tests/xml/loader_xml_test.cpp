#include <gtest/gtest.h>

#include "temp_folder.h"
#include "xml/loader_xml.h"

namespace {

// Writes down every event as text; an error ends the list with its message and position.
class trecording_listener : public txml_listener {
public:
    std::vector<std::string> fevents;

    void notify_load(tloader_xml& aloader) override {
        switch (aloader.fload_type) {
            case ltXML_TAG: fevents.push_back("TAG " + aloader.fxml_tag); break;
            case ltXML_PROPERTY:
                fevents.push_back("PROPERTY " + aloader.fxml_property_name + "=" +
                                  aloader.fxml_property_value.get_asansistring());
                break;
            case ltXML_TAG_TERMINATE: fevents.push_back("TERMINATE " + aloader.fxml_tag); break;
            case ltXML_ENDTAG: fevents.push_back("ENDTAG"); break;
            case ltXML_TEXT: fevents.push_back("TEXT [" + aloader.fxml_text.get_asansistring() + "]"); break;
            case ltXML_COMMENT: fevents.push_back("COMMENT [" + aloader.fxml_text.get_asansistring() + "]"); break;
        }
    }
};

std::vector<std::string> load_events(const std::string& afile, bool aunicode = false) {
    trecording_listener listener;
    std::unique_ptr<tstreamchar_generic> stream;
    if (aunicode) stream = std::make_unique<tstreamchar_utf8_fileread>(afile);
    else stream = std::make_unique<tstreamchar_ansi_fileread>(afile);
    tloader_xml loader(std::move(stream), listener);
    try {
        loader.load();
    } catch (const std::exception& e) {
        listener.fevents.push_back(std::string("ERROR ") + e.what() + " @" + std::to_string(loader.fparser->flineno) +
                                   ":" + std::to_string(loader.fparser->fline_pos_read));
    }
    return listener.fevents;
}

struct tcase {
    const char* name;
    std::string text;
    std::vector<std::string> events;
};

void check_cases(const std::vector<tcase>& acases) {
    ttemp_folder dir;
    for (const auto& c : acases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(load_events(dir.write("doc.xml", c.text)), c.events);
    }
}

}  // namespace

TEST(LoaderXml, WellFormedDocumentsGiveTheirEventsInOrder) {
    check_cases({
        {"settings-like document",
         "<inifile>\r\n    <domain name=\"A\" path=\"B\" />\r\n</inifile>\r\n",
         {"TAG inifile", "TAG domain", "PROPERTY name=A", "PROPERTY path=B", "ENDTAG", "TERMINATE inifile"}},
        {"settings-like document with bare line feeds",
         "<inifile>\n    <domain name=\"A\" path=\"B\" />\n</inifile>\n",
         {"TAG inifile", "TAG domain", "PROPERTY name=A", "PROPERTY path=B", "ENDTAG", "TERMINATE inifile"}},
        {"open tag with property then closing tag", "<a b=\"x\"></a>",
         {"TAG a", "PROPERTY b=x", "TERMINATE a"}},
        {"property element gives only the property", "<a><c/><b = \"x\" /></a>",
         {"TAG a", "TAG c", "ENDTAG", "PROPERTY b=x", "TERMINATE a"}},
        {"angle and slash inside a value", "<a b=\"1>/2\"/>", {"TAG a", "PROPERTY b=1>/2", "ENDTAG"}},
        {"text and comment trimmed to their lines", "<a>\r\n  hi there\r\n<!-- note\r\n --></a>",
         {"TAG a", "TEXT [  hi there]", "COMMENT [<!-- note\r\n -->]", "TERMINATE a"}},
        {"end tags are not matched here", "<a></b>", {"TAG a", "TERMINATE b"}},
        {"stream ending inside a token ends the load", "<a><b", {"TAG a"}},
        {"empty file", "", {}},
    });
}

TEST(LoaderXml, GrammarErrorsNameTheTokenAndItsPosition) {
    check_cases({
        {"no identifier after <", "<a>\r\n<=", {"TAG a", "ERROR Character [=] found where XML Tag Identifier Expected. @2:2"}},
        {"token on line 3 column 5", "<a>\r\n<b>\r\n<cd \"x\">",
         {"TAG a", "TAG b", "TAG cd", "ERROR String [x] found where XML Tag > Expected. @3:5"}},
        {"missing =", "<a b \"x\">", {"TAG a", "ERROR String [x] found where = Expected. @1:6"}},
        {"unquoted value", "<a b = c >", {"TAG a", "ERROR Identifer [c] found where XML Property Value Expected. @1:8"}},
        {"closing tag without name", "</ \"a\">", {"ERROR String [a] found where XML Tag Identifier Expected. @1:4"}},
        {"closing tag with more", "</a b>", {"TERMINATE a", "ERROR Identifer [b] found where XML Tag > Expected. @1:5"}},
        {"property element not self-closed", "<a = \"v\" >", {"PROPERTY a=v", "ERROR Invalid XML Property Termination on a value \"v\". @1:10"}},
        {"slash between tags", "<a>/x", {"TAG a", "ERROR Character [/] found where XML Tag < Expected. @1:4"}},
        {"line break inside a tag", "<a>\r\n\r\n    <b\r\n", {"TAG a", "TAG b", "ERROR Newline found where XML Tag > Expected. @3:7"}},
        {"bare line feed inside a tag", "<a>\n<b\n>", {"TAG a", "TAG b", "ERROR Newline found where XML Tag > Expected. @2:3"}},
        {"control character inside a tag", "<a\f>", {"TAG a", "ERROR Character [form feed] found where XML Tag > Expected. @1:3"}},
        {"text right after a tag", "<a>x</a>", {"TAG a", "ERROR unexpected \"x\" in tparser_generic.can_read_token(); @1:4"}},
        {"unterminated comment", "<a>\r\n<!-- -- >", {"TAG a", "ERROR Unterminated XML Comment @2:1"}},
        {"binary garbage", std::string("\x00\xff\x01<", 4), {"ERROR unexpected NUL in tparser_generic.can_read_token(); @1:1"}},
    });
}

TEST(LoaderXml, Utf8DocumentsCarryUnicodeValues) {
    ttemp_folder dir;
    const std::vector<std::string> want = {"TAG d", "PROPERTY name=Caf\xc3\xa9", "ENDTAG"};
    EXPECT_EQ(load_events(dir.write("u.xml", "<d name=\"Caf\xc3\xa9\"/>"), true), want);
}
