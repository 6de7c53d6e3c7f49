#include "xml/streamchar.h"

#include <cstring>

void tstreamchar_generic::read_preamble() {
    throw tvelmor_exception("%s.read_preamble() not implemented.", class_name());
}

bool tstreamchar_generic::read_char_a(char&) {
    throw tvelmor_exception("%s.read_char_a() not implemented.", class_name());
}

bool tstreamchar_generic::read_char_w(char16_t&) {
    throw tvelmor_exception("%s.read_char_w() not implemented.", class_name());
}

tfile_read_handle::tfile_read_handle(const std::string& afilename) : ffile(std::fopen(afilename.c_str(), "rb")) {
    if (!ffile) throw tvelmor_exception("Unable to Open File \"%s\".", afilename);
}

tfile_read_handle::~tfile_read_handle() { std::fclose(ffile); }

size_t tfile_read_handle::read(uint8_t* adest, size_t acount) {
    size_t total = 0;
    while (total < acount) {
        size_t got = std::fread(adest + total, 1, acount - total, ffile);
        if (got == 0) break;
        total += got;
    }
    return total;
}

tstreamchar_ansi_fileread::tstreamchar_ansi_fileread(const std::string& afilename) : flst(afilename) {
    ffile_open = true;
    read_block();
}

void tstreamchar_ansi_fileread::read_block() {
    fbuf_count = static_cast<int>(flst.read(fbuf, block_size));
    fpos = 0;
    fis_eof = fbuf_count < block_size;
}

bool tstreamchar_ansi_fileread::read_char_a(char& achar) {
    if (fpos >= fbuf_count) {
        if (fis_eof) return false;
        read_block();
        if (fbuf_count == 0) return false;
    }
    achar = static_cast<char>(fbuf[fpos++]);
    return true;
}

// The first block is read by the first read, so that bad bytes in it are reported while the
// document is being loaded, with a position.
tstreamchar_utf8_fileread::tstreamchar_utf8_fileread(const std::string& afilename) : flst(afilename) {
    ffile_open = true;
}

void tstreamchar_utf8_fileread::read_preamble() {
    if (fpreamble_read)
        throw tvelmor_exception("Illegal read_preamble(); on preamble_read in %s.read_preamble();", class_name());
    fpreamble_read = true;
    char16_t c = 0;
    if (read_char_w(c)) fpreamble = c;
}

// Decodes whole blocks except for a trailing multi-byte sequence, which is carried to the next
// block so that a character is never split across two reads.
void tstreamchar_utf8_fileread::read_block() {
    const int asked = block_size - fbuf_top;
    const int got = static_cast<int>(flst.read(fbuf + fbuf_top, static_cast<size_t>(asked)));
    const int total = fbuf_top + got;
    fbuf_last = total - 1;
    fis_final_block = got < asked;
    fbuf_top = 0;
    if (fis_final_block || total == 0 || fbuf[total - 1] < 0x80) {
        decode(total);
        return;
    }
    int lead = total - 1;
    while (lead >= 0 && fbuf[lead] >= 0x80 && fbuf[lead] <= 0xBF) --lead;
    // A lead byte at the front (or none at all) cannot start a valid sequence filling the block:
    // decode it whole so that the bad bytes are reported instead of being carried for ever.
    if (lead <= 0) {
        decode(total);
        return;
    }
    decode(lead);
    fbuf_top = total - lead;
    std::memmove(fbuf, fbuf + lead, static_cast<size_t>(fbuf_top));
}

void tstreamchar_utf8_fileread::decode(int acount) {
    fbuf_chars.clear();
    fpos = 0;
    int i = 0;
    auto fail = [this]() { throw tvelmor_exception("Invalid UTF-8 sequence in %s.read_char_w();", class_name()); };
    while (i < acount) {
        const uint8_t b = fbuf[i];
        int extra = 0;
        uint32_t cp = 0;
        uint32_t min = 0;
        if (b < 0x80) { cp = b; }
        else if (b >= 0xC2 && b <= 0xDF) { extra = 1; cp = b & 0x1F; min = 0x80; }
        else if (b >= 0xE0 && b <= 0xEF) { extra = 2; cp = b & 0x0F; min = 0x800; }
        else if (b >= 0xF0 && b <= 0xF4) { extra = 3; cp = b & 0x07; min = 0x10000; }
        else fail();
        if (i + extra >= acount) fail();  // sequence cut off by the end of the file
        for (int k = 1; k <= extra; ++k) {
            const uint8_t c = fbuf[i + k];
            if (c < 0x80 || c > 0xBF) fail();
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) fail();
        if (cp >= 0x10000) {
            cp -= 0x10000;
            fbuf_chars.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            fbuf_chars.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            fbuf_chars.push_back(static_cast<char16_t>(cp));
        }
        i += extra + 1;
    }
}

bool tstreamchar_utf8_fileread::read_char_w(char16_t& achar) {
    while (fpos >= fbuf_chars.size()) {
        if (fis_final_block) return false;
        read_block();
    }
    achar = fbuf_chars[fpos++];
    return true;
}
