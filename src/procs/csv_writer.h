// CSV files for spreadsheets: RFC 4180 text in UTF-8 (fields separated by commas, every row ended
// by CR LF; a field holding a comma, a double quote, a CR or a LF is quoted with its quotes
// doubled). The file is written under a temporary name beside the chosen one and renamed only when
// complete, so the chosen file is either a whole export or what it was before.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// One field as it appears in the file (quoted when it needs to be).
std::string csv_field(const std::u16string& atext);
// One row with its CR LF.
std::string csv_row(const std::vector<std::u16string>& afields);

class tcsv_file_writer {
public:
    // Creates the temporary file (afilename + ".writing"); raises "Unable to Create File "%s"."
    // naming the chosen file, with the system's reason.
    explicit tcsv_file_writer(const std::string& afilename);
    // Without a commit the temporary file is removed: the chosen file stays as it was.
    ~tcsv_file_writer();
    tcsv_file_writer(const tcsv_file_writer&) = delete;
    tcsv_file_writer& operator=(const tcsv_file_writer&) = delete;

    void write_row(const std::vector<std::u16string>& afields);
    // Writes the rest to the disk and gives the file its chosen name (replacing an older file).
    void commit();
    // Removes the temporary file; the writer takes no more rows.
    void discard();

    int64_t rows_written() const { return frows; }
    const std::string& filename() const { return ffilename; }
    const std::string& temporary_filename() const { return ftemporary; }

private:
    void fail(const char* aformat);

    std::string ffilename;
    std::string ftemporary;
    std::FILE* ffile = nullptr;
    int64_t frows = 0;
};
