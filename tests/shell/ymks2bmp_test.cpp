// The image asset file: the decoder's reading of headers, categories and runs, the errors of a
// damaged file, and the encoder's round trip through the decoder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "shell/datamodule_ymks2bmp.h"
#include "shell/ymk_encoder.h"

namespace {

using bytes = std::vector<uint8_t>;

// A file of one image of width awidth whose rows are given as category and parameter bytes.
bytes one_image(uint16_t awidth, const std::vector<bytes>& arows) {
    bytes out{'y', 'm', 'k', 's', 1, 0, static_cast<uint8_t>(awidth & 0xFF), static_cast<uint8_t>(awidth >> 8),
              static_cast<uint8_t>(arows.size()), 0};
    for (const bytes& row : arows) out.insert(out.end(), row.begin(), row.end());
    return out;
}

// A row as letters: s background, b black, f grey.
std::string row_text(const tymk_bitmap& abitmap, int32_t ay) {
    std::string out;
    for (int32_t x = 0; x < abitmap.fwidth; ++x) {
        const uint8_t* p = abitmap.pixel(x, ay);
        out += p[0] == 0 ? 'b' : p[0] == 120 ? 'f' : p[0] == 200 && p[1] == 208 && p[2] == 212 ? 's' : '?';
    }
    return out;
}

std::string runs(std::initializer_list<std::pair<char, int>> aruns) {
    std::string out;
    for (auto [c, n] : aruns) out += std::string(static_cast<size_t>(n), c);
    return out;
}

std::string load_error(const bytes& afile) {
    Tdatamodule_ymks2bmp images;
    try {
        images.load_from_bytes(afile);
    } catch (const tvelmor_exception& e) {
        EXPECT_EQ(images.count(), 0) << "a failed load keeps no image";
        return e.what();
    }
    return "";
}

}  // namespace

TEST(Ymks2bmp, RowsDrawTheirCategoriesRunsCutToAByteAndNeverPastTheRow) {
    struct tcase {
        const char* name;
        uint16_t width;
        bytes row;
        std::string expected;
    };
    const std::vector<tcase> cases = {
        {"category 10 at width 40 is all black", 40, {10}, runs({{'b', 40}})},
        {"category 2 with p0 = 5", 40, {2, 5}, runs({{'s', 5}, {'b', 30}, {'s', 5}})},
        {"a run of 300 is drawn as 44", 310, {39, 10}, runs({{'s', 10}, {'b', 44}, {'s', 256}})},
        {"category 1 halves the width", 9, {1}, runs({{'s', 4}, {'b', 1}, {'s', 4}})},
        {"category 4 halves the grey runs", 15, {4, 2}, runs({{'s', 2}, {'b', 1}, {'f', 4}, {'b', 1}, {'f', 4}, {'b', 1}, {'s', 2}})},
        {"category 30 with all six parameters", 40, {30, 2, 3, 2, 5, 3, 4},
         runs({{'s', 2}, {'b', 1}, {'f', 3}, {'b', 2}, {'s', 5}, {'b', 3}, {'f', 4}, {'b', 1}, {'s', 19}})},
        {"runs past the width are cut at the row's end", 40, {2, 30}, runs({{'s', 30}, {'b', 10}})},
        {"a run longer than the row is cut at its end", 10, {12, 12}, runs({{'b', 10}})},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        // The row under test, then a row that must come out whole.
        Tdatamodule_ymks2bmp images;
        images.load_from_bytes(one_image(c.width, {c.row, {35, 0, 3}}));
        ASSERT_EQ(images.count(), 1);
        EXPECT_EQ(row_text(images.get_bitmap(0), 0), c.expected);
        EXPECT_EQ(row_text(images.get_bitmap(0), 1), runs({{'b', 3}, {'s', c.width - 3}}));
    }
}

TEST(Ymks2bmp, DamagedFilesEndInTheirMessagesAndKeepNothing) {
    const std::string header = "InvalidYMKFormat Header in Tdatamodule_ymks2bmp.load_from_file();";
    struct tcase {
        const char* name;
        bytes file;
        std::string message;
    };
    bytes two_images = one_image(4, {{10}});
    two_images[4] = 2;
    const std::vector<tcase> cases = {
        {"the magic in capitals", {'Y', 'M', 'K', 'S', 0, 0}, header},
        {"a short magic", {'y', 'm', 'k'}, header},
        {"no count", {'y', 'm', 'k', 's', 1}, header},
        {"an empty file", {}, header},
        {"no height", {'y', 'm', 'k', 's', 1, 0, 4, 0, 1}, "InvalidYMKFormat Index[0] in Tdatamodule_ymks2bmp.load_from_file();"},
        {"rows missing", {'y', 'm', 'k', 's', 1, 0, 4, 0, 3, 0, 10, 10}, "InvalidYMKFormat Index[0] in Tdatamodule_ymks2bmp.load_from_file();"},
        {"a parameter byte missing", {'y', 'm', 'k', 's', 1, 0, 4, 0, 1, 0, 30, 1, 2},
         "InvalidYMKFormat Index[0] in Tdatamodule_ymks2bmp.load_from_file();"},
        {"the second image missing", two_images, "InvalidYMKFormat Index[1] in Tdatamodule_ymks2bmp.load_from_file();"},
        {"category 0", one_image(4, {{0}}), "Unsupported Category[ymk_none] in tprocs_ymk.get_count();"},
        {"category 50", one_image(4, {{50}}), "Unsupported Category[ymk_sbsbfb] in tprocs_ymk.get_count();"},
        {"category 53", one_image(4, {{53}}), "Unsupported Category[53] in tprocs_ymk.get_count();"},
        {"category 255", one_image(4, {{255}}), "Unsupported Category[255] in tprocs_ymk.get_count();"},
        {"more pixels than any asset needs", one_image(65535, std::vector<bytes>(100, bytes{10})),
         "InvalidYMKFormat Index[0] in Tdatamodule_ymks2bmp.load_from_file();"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(load_error(c.file), c.message);
    }
}

TEST(Ymks2bmp, CountsAndFilesAtTheEdges) {
    Tdatamodule_ymks2bmp images;
    images.load_from_bytes(bytes{'y', 'm', 'k', 's', 0xFF, 0xFF});  // a negative count holds no image
    EXPECT_EQ(images.count(), 0);
    EXPECT_THROW(images.get_bitmap(0), tvelmor_exception);
    // Empty images: no pixels, no rows, or neither (a wide image without rows wrote out of bounds once).
    for (uint8_t width : {0, 40}) {
        for (uint8_t height : {0, 1, 3}) {
            SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
            bytes file{'y', 'm', 'k', 's', 1, 0, width, 0, height, 0};
            file.insert(file.end(), height, 10);
            images.load_from_bytes(file);
            ASSERT_EQ(images.count(), 1);
            EXPECT_EQ(images.get_bitmap(0).fpixels.size(), size_t{3} * width * height);
        }
    }
    try {
        images.load_from_file("/nonexistent/assets_001.dat");
        ADD_FAILURE() << "a missing file loaded";
    } catch (const tvelmor_exception& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot open the file [/nonexistent/assets_001.dat] in Tdatamodule_ymks2bmp.load_from_file();");
    }
    EXPECT_EQ(images.count(), 0);
}

// Rows drawn from random parameters of every category come back from the encoder as rows that
// draw the same pixels; whole pictures survive encode, write, decode.
TEST(YmkEncoder, EveryCategorysRowsRoundTripThroughTheDecoder) {
    std::mt19937 random(19);
    std::vector<tymk_picture> pictures;
    for (uint8_t category = 1; category <= tprocs_ymk::last_category; ++category) {
        if (category == 50) continue;
        tymk_picture picture;
        picture.fwidth = static_cast<uint16_t>(30 + category);
        picture.fheight = 20;
        for (int32_t row = 0; row < picture.fheight; ++row) {
            tblip_line line{static_cast<tymk_category>(category), static_cast<uint8_t>(tprocs_ymk::get_count(category)), {}};
            for (int32_t k = 0; k < line.fcount; ++k) line.fparams[static_cast<size_t>(k)] = static_cast<uint8_t>(random() % 8);
            std::vector<uint8_t> pixels(size_t{3} * picture.fwidth, 200);
            tprocs_ymk::write_line(line, picture.fwidth, pixels.data());
            for (int32_t x = 0; x < picture.fwidth; ++x) {
                const uint8_t blue = pixels[static_cast<size_t>(3 * x)];
                picture.fpixels.push_back(blue == 0 ? tymk_colour::b : blue == 120 ? tymk_colour::f : tymk_colour::s);
            }
        }
        pictures.push_back(picture);
    }
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "velmor_ymk_round_trip.dat";
    const bytes encoded = tymk_encoder::encode_file(pictures);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(encoded.data()), static_cast<std::streamsize>(encoded.size()));
    Tdatamodule_ymks2bmp images;
    images.load_from_file(file.string());
    std::filesystem::remove(file);
    ASSERT_EQ(images.count(), static_cast<int32_t>(pictures.size()));
    for (size_t i = 0; i < pictures.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const tymk_bitmap& bitmap = images.get_bitmap(static_cast<int32_t>(i));
        ASSERT_EQ(bitmap.fwidth, pictures[i].fwidth);
        ASSERT_EQ(bitmap.fheight, pictures[i].fheight);
        for (int32_t y = 0; y < bitmap.fheight; ++y)
            for (int32_t x = 0; x < bitmap.fwidth; ++x)
                ASSERT_TRUE(std::equal(bitmap.pixel(x, y), bitmap.pixel(x, y) + 3,
                                       tprocs_ymk::colour_bgr(pictures[i].at(x, y)).begin()))
                    << "pixel " << x << ", " << y;
    }
}

TEST(YmkEncoder, ARowNoCategoryHoldsIsRefusedWithItsPlace) {
    using enum tymk_colour;
    // Three strokes apart: no category has more than two.
    tymk_picture picture{7, 2, {s, s, s, s, s, s, s, b, s, b, s, b, s, s}};
    EXPECT_FALSE(tymk_encoder::encode_row(std::span(picture.fpixels).subspan(7, 7)));
    try {
        tymk_encoder::encode_file({tymk_picture{}, picture});
        ADD_FAILURE() << "the row was encoded";
    } catch (const tvelmor_exception& e) {
        EXPECT_EQ(std::string(e.what()), "Row 1 of image 1 fits no category in tymk_encoder.encode_file();");
    }
}

// The program's own asset file decodes into the fifteen letter images; written again by the
// encoder it decodes to the same pixels.
TEST(YmkEncoder, TheProgramsAssetFileRoundTrips) {
    Tdatamodule_ymks2bmp images;
    images.load_from_file(VELMOR_BUILD_DIR "/bin/data/assets_001.dat");
    ASSERT_EQ(images.count(), 15);
    std::vector<tymk_picture> pictures;
    for (int32_t i = 0; i < images.count(); ++i) {
        const tymk_bitmap& bitmap = images.get_bitmap(i);
        tymk_picture picture{bitmap.fwidth, bitmap.fheight, {}};
        for (size_t at = 0; at < bitmap.fpixels.size(); at += 3)
            picture.fpixels.push_back(bitmap.fpixels[at] == 0 ? tymk_colour::b : bitmap.fpixels[at] == 120 ? tymk_colour::f : tymk_colour::s);
        pictures.push_back(picture);
    }
    Tdatamodule_ymks2bmp again;
    again.load_from_bytes(tymk_encoder::encode_file(pictures));
    ASSERT_EQ(again.count(), 15);
    for (int32_t i = 0; i < 15; ++i) EXPECT_EQ(again.get_bitmap(i).fpixels, images.get_bitmap(i).fpixels) << "image " << i;
    EXPECT_EQ(images.get_bitmap(6).fwidth, 0) << "the space is an empty image";
}
