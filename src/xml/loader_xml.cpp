#include "xml/loader_xml.h"

#include "xml/procs_parser.h"
#include "procs/procs_string.h"

tloader_xml::tloader_xml(std::unique_ptr<tstreamchar_generic> areader, txml_listener& aon_notify)
    : fon_notify(aon_notify) {
    const bool unicode = areader->is_unicode();
    fparser = std::make_unique<tparser_generic>(areader.release(), unicode, true);
}

void tloader_xml::notify(tload_type atype) {
    fload_type = atype;
    fon_notify.notify_load(*this);
}

void tloader_xml::fail_expected(const char* aexpected) {
    throw tvelmor_exception("%s found where %s Expected.", tprocs_parser::get_token_denote(*fparser), aexpected);
}

void tloader_xml::set_token_text(tstringx& atarget, bool atrim) {
    if (fparser->fis_unicode) {
        std::u16string text = fparser->get_token_asunicodestring();
        atarget.set_asunicodestring(atrim ? tprocs_unicodestring::trim_space_to_newline(text) : text);
    } else {
        std::string text = fparser->get_token_asansistring();
        atarget.set_asansistring(atrim ? tprocs_ansistring::trim_space_to_newline(text) : text);
    }
}

void tloader_xml::load() {
    int state = 0;
    while (fparser->can_read_token(state)) state = step(state);
}

int tloader_xml::step(int astate) {
    const ttoken_type token = fparser->ftoken_type;
    switch (astate) {
        case 0: return step_between_tags();
        case 1:
            if (token != tt_identifier) fail_expected("XML Tag Identifier");
            fxml_tag = fparser->get_token_asansistring();
            fpending = pd_tag_name;
            return 2;
        case 2: return step_in_tag();
        case 3:
            if (!(token == tt_singlechar && fparser->fbuffer->token_equals("="))) fail_expected("=");
            return 4;
        case 4: return step_property_value();
        case 5:
            if (token != tt_identifier) fail_expected("XML Tag Identifier");
            fxml_tag = fparser->get_token_asansistring();
            notify(ltXML_TAG_TERMINATE);
            return 6;
        case 6:
            if (token != tt_tag_end) fail_expected("XML Tag >");
            return 0;
        default:  // 7: after the value of a property element
            if (token != tt_tag_endterm)
                throw tvelmor_exception("Invalid XML Property Termination on %s value \"%s\".", fxml_property_name,
                                        fxml_property_value.get_asansistring());
            return 0;
    }
}

int tloader_xml::step_between_tags() {
    switch (fparser->ftoken_type) {
        case tt_newline: return 0;
        case tt_tag_start: return 1;
        case tt_tag_term: return 5;
        case tt_text:
            set_token_text(fxml_text, true);
            notify(ltXML_TEXT);
            return 0;
        case tt_comment:
            set_token_text(fxml_text, true);
            notify(ltXML_COMMENT);
            return 0;
        default: fail_expected("XML Tag <");
    }
}

// Inside a tag. The tag event waits for the token after the tag name, because a "=" there makes
// the name a property element instead.
int tloader_xml::step_in_tag() {
    const ttoken_type token = fparser->ftoken_type;
    if (fpending == pd_tag_name) {
        if (token == tt_singlechar && fparser->fbuffer->token_equals("=")) {
            fxml_property_name = fxml_tag;
            fpending = pd_property_element;
            return 4;
        }
        fpending = pd_none;
        notify(ltXML_TAG);
    }
    switch (token) {
        case tt_identifier:
            fxml_property_name = fparser->get_token_asansistring();
            fpending = pd_property_name;
            return 3;
        case tt_tag_end: return 0;
        case tt_tag_endterm:
            notify(ltXML_ENDTAG);
            return 0;
        default: fail_expected("XML Tag >");
    }
}

int tloader_xml::step_property_value() {
    if (fparser->ftoken_type != tt_string) fail_expected("XML Property Value");
    if (fpending == pd_none) throw tvelmor_exception("XML Property Internal Exception.");
    set_token_text(fxml_property_value, false);
    notify(ltXML_PROPERTY);
    const bool element = fpending == pd_property_element;
    fpending = pd_none;
    return element ? 7 : 2;
}
