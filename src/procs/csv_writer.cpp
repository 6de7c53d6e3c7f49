#include "procs/csv_writer.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "procs/message_format.h"
#include "procs/velmor_exception.h"

std::string csv_field(const std::u16string& atext) {
    const std::string text = utf16_to_utf8(atext);
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

tcsv_file_writer::tcsv_file_writer(const std::string& afilename)
    : ffilename(afilename), ftemporary(afilename + ".writing") {
    ffile = std::fopen(ftemporary.c_str(), "wb");
    if (!ffile)
        throw tvelmor_exception("Unable to Create File \"%s\": %s.", ffilename, std::string(std::strerror(errno)));
}

tcsv_file_writer::~tcsv_file_writer() { discard(); }

void tcsv_file_writer::fail(const char* aformat) {
    const std::string reason = std::strerror(errno);
    discard();
    throw tvelmor_exception(aformat, ffilename, reason);
}

void tcsv_file_writer::write_row(const std::vector<std::u16string>& afields) {
    if (!ffile) throw tvelmor_exception("The file \"%s\" is closed in %s.write_row();", ffilename, "tcsv_file_writer");
    const std::string row = csv_row(afields);
    if (std::fwrite(row.data(), 1, row.size(), ffile) != row.size()) fail("Unable to Write File \"%s\": %s.");
    ++frows;
}

void tcsv_file_writer::commit() {
    if (!ffile) throw tvelmor_exception("The file \"%s\" is closed in %s.commit();", ffilename, "tcsv_file_writer");
    // Only a file whose every byte is on the disk takes the chosen name.
    if (std::fflush(ffile) != 0 || ::fsync(fileno(ffile)) != 0) fail("Unable to Write File \"%s\": %s.");
    const int closed = std::fclose(ffile);
    ffile = nullptr;
    if (closed != 0 || std::rename(ftemporary.c_str(), ffilename.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(ftemporary.c_str());
        throw tvelmor_exception("Unable to Write File \"%s\": %s.", ffilename, reason);
    }
}

void tcsv_file_writer::discard() {
    if (!ffile) return;
    std::fclose(ffile);
    ffile = nullptr;
    std::remove(ftemporary.c_str());
}
