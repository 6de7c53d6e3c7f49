// CSV files for spreadsheets: RFC 4180 text in UTF-8 (fields separated by commas, every row ended
// by CR LF; a field holding a comma, a double quote, a CR or a LF is quoted with its quotes
// doubled). The file is written under a temporary name beside the chosen one and renamed only when
// complete, so the chosen file is either a whole export or what it was before.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "procs/safe_file.h"

// One field as it appears in the file (quoted when it needs to be). A text that a spreadsheet
// would run as a formula (it begins with =, +, -, @, a tab or a CR and is not a plain number) is
// written with a leading apostrophe, which spreadsheets take as "this is text"; so is a text that
// itself begins with an apostrophe, so that csv_cell_text gives back every text exactly.
std::string csv_field(const std::u16string& atext);
// The text a field stands for, once its quotes are undone: the inverse of csv_field's apostrophe.
std::string csv_cell_text(const std::string& afield_unquoted);
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
    const std::string& filename() const { return ffile.filename(); }
    std::string temporary_filename() const { return ffile.temporary_filename(); }

private:
    tsafe_file ffile;
    int64_t frows = 0;
};
