// Decodes the image asset file ("ymks"): a count of images, each a width, a height and one row
// record per row (a category byte and its parameter bytes), into 24-bit bitmaps. Qt-free, so the
// encoder tool and the fuzz target use the very same decoder.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "procs/velmor_exception.h"
#include "shell/ymk_format.h"

// A decoded image: rows top first, 3 bytes a pixel in blue, green, red order, no padding.
struct tymk_bitmap {
    uint16_t fwidth = 0;
    uint16_t fheight = 0;
    std::vector<uint8_t> fpixels;

    const uint8_t* pixel(int32_t ax, int32_t ay) const { return fpixels.data() + 3 * (ay * fwidth + ax); }
};

class Tdatamodule_ymks2bmp : public tvelmor_object {
public:
    // Images of a file may hold this many pixels together (the intro's letters need a fifth of
    // it): a few bytes of a damaged file cannot ask for gigabytes.
    static constexpr int64_t max_total_pixels = 2 * 1024 * 1024;
    static constexpr int64_t max_file_size = 64 * 1024 * 1024;

    const char* class_name() const override { return "Tdatamodule_ymks2bmp"; }

    // Reads the whole file, one bitmap per image. Raises "InvalidYMKFormat Header in
    // Tdatamodule_ymks2bmp.load_from_file();" for a short or wrong header, "InvalidYMKFormat
    // Index[%d] ..." for an image cut short (or too large), and the category errors of
    // tprocs_ymk. On any error the module keeps no image.
    void load_from_file(const std::string& afilename);
    // The same over bytes already read.
    void load_from_bytes(std::span<const uint8_t> abytes);

    // The bitmap of image aindex (from 0); raises for an index the file does not hold.
    const tymk_bitmap& get_bitmap(int32_t aindex) const;
    int32_t count() const { return fcount; }

private:
    int16_t fcount = 0;
    std::vector<tymk_bitmap> fbitmaps;
};
