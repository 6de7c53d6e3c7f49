#include "xml/procs_parser.h"

#include "procs/message_format.h"

std::string tprocs_parser::get_token_denote(const tparser_generic& aparser) {
    const char* format = nullptr;
    switch (aparser.ftoken_type) {
        case tt_singlechar: format = "Character [%s]"; break;
        case tt_identifier: format = "Identifer [%s]"; break;
        case tt_integer: format = "Number [%s]"; break;
        case tt_string: format = "String [%s]"; break;
        case tt_newline: return "Newline";
        case tt_tag_start: return "Start Tag [<]";
        case tt_tag_end: return "End Tag [>]";
        case tt_tag_endterm: return "End Tag Terminate [/>]";
        case tt_tag_term: return "Terminate Tag [</]";
        case tt_comment: format = "Comment [%s]"; break;
        default: return "??";
    }
    std::string text = aparser.get_token_asansistring();
    if (aparser.ftoken_type == tt_singlechar && text.size() == 1) {
        const std::string name = get_control_char_name(static_cast<unsigned char>(text[0]));
        if (!name.empty()) text = name;
    }
    return tprocs_message::format(format, {text});
}

std::string tprocs_parser::get_control_char_name(char16_t achar) {
    switch (achar) {
        case 0: return "NUL";
        case 7: return "bell";
        case 8: return "backspace";
        case 9: return "tab";
        case 10: return "line feed";
        case 11: return "vertical tab";
        case 12: return "form feed";
        case 13: return "carriage return";
        case 27: return "escape";
        case 127: return "delete";
        default: break;
    }
    if (achar < 32) return tprocs_message::format("control character %d", {static_cast<int32_t>(achar)});
    return {};
}

std::string tprocs_parser::get_token_type_denote(const tparser_generic& aparser) {
    return get_token_type_denote(aparser.ftoken_type, aparser.ftoken_param1_int, aparser.ftoken_param1_boolean);
}

std::string tprocs_parser::get_token_type_denote(ttoken_type atype, int32_t aparam1_int, bool aparam1_boolean) {
    static const char* const names[] = {
        "None", "SingleChar", "Identifier", "Integer", "String", "Newline", "TagStart", "TagEnd", "TagEndTerm",
        "TagTerm", "HexLiteral", "Float", "Text", "Delimiter", "Comment", "CommentOpen", "IntegerUnsigned",
        "IdentifierQuoted", "Value", "Percentage"};
    const int index = static_cast<int>(atype);
    if (index < 0 || index > 19) return "??";
    std::string result = names[index];
    if (atype == tt_float) result += tprocs_message::format(".%ddp", {aparam1_int});
    if ((atype == tt_integer || atype == tt_float) && aparam1_boolean) result += ".-ve";
    return result;
}
