// Character streams: deliver a file one character at a time, as bytes or as UTF-16 code units
// decoded from UTF-8, reading the file in small blocks.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "procs/velmor_exception.h"

class tstreamchar_generic : public tvelmor_object {
public:
    virtual bool is_unicode() const { return false; }
    virtual void read_preamble();
    virtual bool read_char_a(char& achar);
    virtual bool read_char_w(char16_t& achar);
    const char* class_name() const override { return "tstreamchar_generic"; }
};

// Owns an open file for reading; closing happens on destruction.
class tfile_read_handle {
public:
    explicit tfile_read_handle(const std::string& afilename);
    ~tfile_read_handle();
    tfile_read_handle(const tfile_read_handle&) = delete;
    tfile_read_handle& operator=(const tfile_read_handle&) = delete;
    // Reads up to acount bytes; fewer means the end of the file was reached.
    size_t read(uint8_t* adest, size_t acount);

private:
    std::FILE* ffile = nullptr;
};

class tstreamchar_ansi_fileread : public tstreamchar_generic {
public:
    static constexpr int block_size = 8;

    explicit tstreamchar_ansi_fileread(const std::string& afilename);
    bool read_char_a(char& achar) override;
    const char* class_name() const override { return "tstreamchar_ansi_fileread"; }

private:
    void read_block();

    tfile_read_handle flst;
    bool ffile_open = false;
    uint8_t fbuf[block_size] = {};
    int fbuf_count = 0;
    int fpos = 0;
    bool fis_eof = false;
};

class tstreamchar_utf8_fileread : public tstreamchar_generic {
public:
    static constexpr int block_size = 8;

    explicit tstreamchar_utf8_fileread(const std::string& afilename);
    bool is_unicode() const override { return true; }
    void read_preamble() override;
    bool read_char_w(char16_t& achar) override;
    const char* class_name() const override { return "tstreamchar_utf8_fileread"; }

    char16_t get_preamble() const { return fpreamble; }

private:
    void read_block();
    void decode(int acount);

    tfile_read_handle flst;
    bool ffile_open = false;
    uint8_t fbuf[block_size] = {};
    int fbuf_top = 0;    // bytes carried over from the previous block
    int fbuf_last = -1;  // index of the last valid byte
    bool fis_final_block = false;
    std::u16string fbuf_chars;
    size_t fpos = 0;
    char16_t fpreamble = 0;
    bool fpreamble_read = false;
};
