#include "shell/datamodule_ymks2bmp.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

// Reads the file's bytes in order; a read past the end answers false.
class tbyte_reader {
public:
    explicit tbyte_reader(std::span<const uint8_t> abytes) : fbytes(abytes) {}
    bool read(uint8_t* aout, size_t acount) {
        if (fbytes.size() - fat < acount) return false;
        std::memcpy(aout, fbytes.data() + fat, acount);
        fat += acount;
        return true;
    }
    bool read_u16(uint16_t& aout) {
        uint8_t b[2];
        if (!read(b, 2)) return false;
        aout = static_cast<uint16_t>(b[0] | b[1] << 8);
        return true;
    }
    size_t left() const { return fbytes.size() - fat; }

private:
    std::span<const uint8_t> fbytes;
    size_t fat = 0;
};

}  // namespace

void Tdatamodule_ymks2bmp::load_from_file(const std::string& afilename) {
    fcount = 0;
    fbitmaps.clear();
    std::ifstream in(afilename, std::ios::binary);
    if (!in) throw tvelmor_exception("Cannot open the file [%s] in %s.load_from_file();", afilename, class_name());
    std::vector<uint8_t> bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
        if (static_cast<int64_t>(bytes.size()) > max_file_size)
            throw tvelmor_exception("InvalidYMKFormat Header in %s.load_from_file();", class_name());
    }
    if (in.bad()) throw tvelmor_exception("Cannot read the file [%s] in %s.load_from_file();", afilename, class_name());
    load_from_bytes(bytes);
}

void Tdatamodule_ymks2bmp::load_from_bytes(std::span<const uint8_t> abytes) {
    fcount = 0;
    fbitmaps.clear();
    tbyte_reader reader(abytes);
    uint8_t magic[4];
    uint16_t count = 0;
    if (!reader.read(magic, 4) || std::memcmp(magic, "ymks", 4) != 0 || !reader.read_u16(count))
        throw tvelmor_exception("InvalidYMKFormat Header in %s.load_from_file();", class_name());
    // A negative count holds no image.
    const int32_t images = static_cast<int16_t>(count);
    std::vector<tymk_bitmap> bitmaps;
    int64_t pixels = 0;
    for (int32_t i = 0; i < images; ++i) {
        tymk_bitmap bitmap;
        // Every row takes at least its category byte: a height the rest of the file cannot hold
        // is cut short before anything is allocated.
        if (!reader.read_u16(bitmap.fwidth) || !reader.read_u16(bitmap.fheight) || reader.left() < bitmap.fheight ||
            (pixels += int64_t{bitmap.fwidth} * bitmap.fheight) > max_total_pixels)
            throw tvelmor_exception("InvalidYMKFormat Index[%d] in %s.load_from_file();", i, class_name());
        // Pixels a row's runs leave uncovered show the background.
        const std::array<uint8_t, 3> background = tprocs_ymk::colour_bgr(tymk_colour::s);
        const size_t row_bytes = size_t{3} * bitmap.fwidth;
        bitmap.fpixels.resize(row_bytes * bitmap.fheight);
        // (An image without pixels, no rows or no columns, has no first row to fill.)
        if (!bitmap.fpixels.empty()) {
            uint8_t* pixels = bitmap.fpixels.data();
            for (size_t at = 0; at < row_bytes; at += 3) std::memcpy(pixels + at, background.data(), 3);
            for (size_t row = 1; row < bitmap.fheight; ++row) std::memcpy(pixels + row * row_bytes, pixels, row_bytes);
        }
        for (int32_t row = 0; row < bitmap.fheight; ++row) {
            tblip_line line;
            uint8_t category = 0;
            if (!reader.read(&category, 1))
                throw tvelmor_exception("InvalidYMKFormat Index[%d] in %s.load_from_file();", i, class_name());
            line.fcategory = static_cast<tymk_category>(category);
            line.fcount = static_cast<uint8_t>(tprocs_ymk::get_count(category));
            if (!reader.read(line.fparams.data(), line.fcount))
                throw tvelmor_exception("InvalidYMKFormat Index[%d] in %s.load_from_file();", i, class_name());
            tprocs_ymk::write_line(line, bitmap.fwidth, bitmap.fpixels.data() + row_bytes * static_cast<size_t>(row));
        }
        bitmaps.push_back(std::move(bitmap));
    }
    fbitmaps = std::move(bitmaps);
    fcount = static_cast<int16_t>(fbitmaps.size());
}

const tymk_bitmap& Tdatamodule_ymks2bmp::get_bitmap(int32_t aindex) const {
    if (aindex < 0 || aindex >= fcount)
        throw tvelmor_exception("Image index %d out of bounds (%d images) in %s.get_bitmap();", aindex, int32_t{fcount},
                                class_name());
    return fbitmaps[static_cast<size_t>(aindex)];
}
