// Turns three-colour pictures into the image asset file: each row becomes the category (fewest
// parameter bytes first) whose runs reproduce it exactly. The build's asset tool writes the
// intro's letters with it; tests round-trip pictures through it and the decoder.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "shell/ymk_format.h"

// A picture of the format's three colours, rows top first.
struct tymk_picture {
    uint16_t fwidth = 0;
    uint16_t fheight = 0;
    std::vector<tymk_colour> fpixels;

    tymk_colour at(int32_t ax, int32_t ay) const { return fpixels[static_cast<size_t>(ay * fwidth + ax)]; }
};

class tymk_encoder {
public:
    // The row description that reproduces the row exactly, or nothing when no category can.
    static std::optional<tblip_line> encode_row(std::span<const tymk_colour> arow);
    // The whole file: "ymks", the count, then each picture's size and rows. Raises "Row %d of
    // image %d fits no category in tymk_encoder.encode_file();" for a row no category reproduces.
    static std::vector<uint8_t> encode_file(const std::vector<tymk_picture>& apictures);
};
