// Decoding site pictures: what is shown, and what is refused without reading past the data.
#include <gtest/gtest.h>

#include "property/jpeg_picture.h"
#include "sites_fixture.h"

namespace {

// The SOF0 marker's height and width fields, rewritten.
std::vector<uint8_t> with_size(std::vector<uint8_t> abytes, uint16_t awidth, uint16_t aheight) {
    for (size_t i = 0; i + 8 < abytes.size(); ++i)
        if (abytes[i] == 0xFF && abytes[i + 1] == 0xC0) {
            abytes[i + 5] = static_cast<uint8_t>(aheight >> 8);
            abytes[i + 6] = static_cast<uint8_t>(aheight);
            abytes[i + 7] = static_cast<uint8_t>(awidth >> 8);
            abytes[i + 8] = static_cast<uint8_t>(awidth);
            break;
        }
    return abytes;
}

TEST(JpegPicture, a_picture_decodes_to_its_size_and_colours_red_in_the_low_byte) {
    const std::vector<uint8_t> bytes = jpeg_bytes(40, 30, 250, 0, 0);
    tbitmap bitmap;
    std::string reason;
    ASSERT_TRUE(tjpeg_picture::decode(bytes, bitmap, reason)) << reason;
    EXPECT_EQ(40, bitmap.width);
    EXPECT_EQ(30, bitmap.height);
    const tcolor c = bitmap.pixel(20, 15);
    EXPECT_NEAR(250, static_cast<int>(c & 0xFF), 8);
    EXPECT_NEAR(0, static_cast<int>((c >> 8) & 0xFF), 8);
    EXPECT_NEAR(0, static_cast<int>((c >> 16) & 0xFF), 8);
}

TEST(JpegPicture, huge_cut_short_and_damaged_pictures_are_refused_with_an_empty_bitmap) {
    const std::vector<uint8_t> good = jpeg_bytes(64, 64, 30, 60, 90);
    // An end-of-image marker a few bytes into the scan data.
    std::vector<uint8_t> damaged = good;
    for (size_t i = 0; i + 1 < good.size(); ++i)
        if (good[i] == 0xFF && good[i + 1] == 0xDA) {
            const size_t scan = i + 2 + (good[i + 2] << 8 | good[i + 3]);
            damaged[scan + 4] = 0xFF;
            damaged[scan + 5] = 0xD9;
            break;
        }
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* reason;
    } cases[] = {
        {"30,000 x 30,000 pixels", with_size(good, 30000, 30000), "the picture is too large (30000 x 30000 pixels)"},
        {"too wide", with_size(good, 13000, 10), "the picture is too large (13000 x 10 pixels)"},
        {"only the start marker", {0xFF, 0xD8}, ""},
        {"cut after the header", std::vector<uint8_t>(good.begin(), good.begin() + 200), ""},
        {"cut at the last byte", std::vector<uint8_t>(good.begin(), good.end() - 1), ""},
        {"damaged scan data", damaged, ""},
        {"zero width", with_size(good, 0, 64), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tbitmap bitmap;
        std::string reason;
        EXPECT_FALSE(tjpeg_picture::decode(c.bytes, bitmap, reason));
        EXPECT_FALSE(reason.empty());
        if (*c.reason) {
            EXPECT_EQ(c.reason, reason);
        }
        EXPECT_EQ(0, bitmap.width);
        EXPECT_TRUE(bitmap.pixels.empty());
    }
}

}  // namespace
