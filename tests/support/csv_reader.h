// The tests' own reader of CSV files (RFC 4180: comma-separated, CR LF row ends, quoted fields
// with doubled quotes, line breaks inside quotes), so an export is checked against an
// independent parser rather than against the writer's own code. Raises on a malformed file.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "procs/csv_writer.h"

inline std::vector<std::vector<std::string>> read_csv_file(const std::string& afilename) {
    std::ifstream in(afilename, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + afilename);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    size_t i = 0;
    bool quoted_field = false;
    while (i < text.size()) {
        const char c = text[i];
        if (field.empty() && !quoted_field && c == '"') {
            quoted_field = true;
            for (++i;; ++i) {
                if (i >= text.size()) throw std::runtime_error("an unterminated quoted field");
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
            if (i < text.size() && text[i] != ',' && text[i] != '\r')
                throw std::runtime_error("text after a closing quote");
            continue;
        }
        if (c == ',') {
            row.push_back(field);
            field.clear();
            quoted_field = false;
            ++i;
        } else if (c == '\r') {
            if (i + 1 >= text.size() || text[i + 1] != '\n') throw std::runtime_error("a CR without LF");
            row.push_back(field);
            rows.push_back(row);
            row.clear();
            field.clear();
            quoted_field = false;
            i += 2;
        } else if (c == '\n' || c == '"') {
            throw std::runtime_error("a bare LF or quote outside quotes");
        } else {
            field += c;
            ++i;
        }
    }
    if (!row.empty() || !field.empty()) throw std::runtime_error("the last row has no CR LF");
    return rows;
}

// The texts the cells stand for, as the program reads them back: a field written with the
// apostrophe that keeps a spreadsheet from running it as a formula gives its text again.
inline std::vector<std::vector<std::string>> read_csv_texts(const std::string& afilename) {
    std::vector<std::vector<std::string>> rows = read_csv_file(afilename);
    for (auto& row : rows)
        for (auto& field : row) field = csv_cell_text(field);
    return rows;
}
