// Site pictures: JPEG files decoded with libjpeg into the canvas's plain bitmaps. A file that is
// not a JPEG the pages can show (not a JPEG at all, damaged or cut short, or too large to hold)
// is refused with the reason, never half-decoded.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "controls/canvas.h"

class tjpeg_picture {
public:
    static constexpr const char* class_name() { return "tjpeg_picture"; }
    // Limits that keep a picture's bitmap to a few hundred megabytes at most.
    static constexpr int32_t max_side = 12000;
    static constexpr int64_t max_pixels = 50'000'000;
    static constexpr int64_t max_file_bytes = 64 * 1024 * 1024;
    static constexpr long max_decoder_bytes = 512L * 1024 * 1024;

    // Decodes adata into abitmap; false with areason (abitmap emptied) when it cannot be shown.
    // Never reads outside adata.
    static bool decode(std::span<const uint8_t> adata, tbitmap& abitmap, std::string& areason);
    // The same for a file; a file that cannot be read gives its reason too.
    static bool load_file(const std::string& apath, tbitmap& abitmap, std::string& areason);
};
