// The XML loader: checks the token sequence against the system's small XML grammar and reports
// each tag, property, end tag, text and comment to a listener as an event.
#pragma once

#include <memory>
#include <string>

#include "xml/parser.h"
#include "xml/stringx.h"

enum tload_type { ltXML_TAG, ltXML_PROPERTY, ltXML_TAG_TERMINATE, ltXML_ENDTAG, ltXML_TEXT, ltXML_COMMENT };

class tloader_xml;

// Receives the loader's events; the event kind and its data are read from the loader.
class txml_listener {
public:
    virtual ~txml_listener() = default;
    virtual void notify_load(tloader_xml& aloader) = 0;
};

class tloader_xml : public tvelmor_object {
public:
    // The loader's parser owns the stream; it reads Unicode exactly when the stream does.
    tloader_xml(std::unique_ptr<tstreamchar_generic> areader, txml_listener& aon_notify);

    // Runs the grammar over the whole stream, one listener call per event.
    void load();
    const char* class_name() const override { return "tloader_xml"; }

    std::unique_ptr<tparser_generic> fparser;
    txml_listener& fon_notify;
    tload_type fload_type = ltXML_TAG;
    std::string fxml_tag;
    std::string fxml_property_name;
    tstringx fxml_property_value;
    tstringx fxml_text;

private:
    // What the last identifier in a tag was taken to be; decides how "=" and values are read.
    enum tpending { pd_none, pd_tag_name, pd_property_name, pd_property_element };

    int step(int astate);
    int step_between_tags();
    int step_in_tag();
    int step_property_value();
    void notify(tload_type atype);
    void set_token_text(tstringx& atarget, bool atrim);
    [[noreturn]] void fail_expected(const char* aexpected);

    tpending fpending = pd_none;
};
