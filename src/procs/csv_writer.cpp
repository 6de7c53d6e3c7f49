#include "procs/csv_writer.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "procs/message_format.h"
#include "procs/velmor_exception.h"

namespace {

bool is_plain_number(const std::string& atext) {
    size_t i = atext[0] == '-' || atext[0] == '+' ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < atext.size(); ++i) {
        if (atext[i] >= '0' && atext[i] <= '9') digits = true;
        else if (atext[i] == '.' && !point) point = true;
        else return false;
    }
    return digits;
}

bool needs_apostrophe(const std::string& atext) {
    if (atext.empty()) return false;
    switch (atext[0]) {
        case '=': case '@': case '\t': case '\r': case '\'': return true;
        case '+': case '-': return !is_plain_number(atext);
        default: return false;
    }
}

}  // namespace

std::string csv_cell_text(const std::string& afield_unquoted) {
    return !afield_unquoted.empty() && afield_unquoted[0] == '\'' ? afield_unquoted.substr(1) : afield_unquoted;
}

std::string csv_field(const std::u16string& atext) {
    std::string text = utf16_to_utf8(atext);
    if (needs_apostrophe(text)) text.insert(text.begin(), '\'');
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string csv_row(const std::vector<std::u16string>& afields) {
    std::string row;
    for (size_t i = 0; i < afields.size(); ++i) {
        if (i > 0) row += ',';
        row += csv_field(afields[i]);
    }
    return row + "\r\n";
}

tcsv_file_writer::tcsv_file_writer(const std::string& afilename) : ffile(afilename) {}

tcsv_file_writer::~tcsv_file_writer() = default;

void tcsv_file_writer::write_row(const std::vector<std::u16string>& afields) {
    ffile.write(csv_row(afields));
    ++frows;
}

void tcsv_file_writer::commit() { ffile.commit(); }

void tcsv_file_writer::discard() { ffile.discard(); }
