// Text sinks for debug dumps: add_text continues the current line, add_line ends it. The file
// sink writes 8-bit text (UTF-8); the string sink keeps the text for display or tests.
#pragma once

#include <fstream>
#include <string>

#include "procs/velmor_exception.h"

class tmsgtext_generic : public tvelmor_object {
public:
    const char* class_name() const override { return "tmsgtext_generic"; }

    virtual void add_text(const std::string& atext);
    void add_text(const std::u16string& atext);
    // The text, then a line end.
    void add_line(const std::string& atext = std::string()) { add_text(atext + "\n"); }
    void add_line(const std::u16string& atext) { add_line(utf16_to_utf8(atext)); }
};

// Writes to a file created (or emptied) when the sink is made.
class tmsgtext_file_ansi : public tmsgtext_generic {
public:
    explicit tmsgtext_file_ansi(const std::string& afilename);
    const char* class_name() const override { return "tmsgtext_file_ansi"; }

    using tmsgtext_generic::add_text;
    void add_text(const std::string& atext) override;

private:
    std::string ffilename;
    std::ofstream fstream;
};

class tmsgtext_string : public tmsgtext_generic {
public:
    const char* class_name() const override { return "tmsgtext_string"; }

    using tmsgtext_generic::add_text;
    void add_text(const std::string& atext) override { ftext += atext; }
    const std::string& get_text() const { return ftext; }

private:
    std::string ftext;
};
