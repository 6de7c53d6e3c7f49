#include "containers/msgtext.h"

void tmsgtext_generic::add_text(const std::string&) {
    throw tvelmor_exception("%s.add_text(); not implemented.", class_name());
}

void tmsgtext_generic::add_text(const std::u16string& atext) { add_text(utf16_to_utf8(atext)); }

tmsgtext_file_ansi::tmsgtext_file_ansi(const std::string& afilename)
    : ffilename(afilename), fstream(afilename, std::ios::binary | std::ios::trunc) {
    if (!fstream) throw tvelmor_exception("Cannot create file %s in %s.create();", afilename, class_name());
}

void tmsgtext_file_ansi::add_text(const std::string& atext) {
    fstream.write(atext.data(), static_cast<std::streamsize>(atext.size()));
    fstream.flush();
    if (!fstream) throw tvelmor_exception("Cannot write file %s in %s.add_text();", ffilename, class_name());
}
