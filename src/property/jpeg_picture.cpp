#include "property/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <vector>

#include <jpeglib.h>

namespace {

// libjpeg reports errors by calling error_exit, which must not return: it jumps back to the
// decoder with the library's message. Warnings (corrupt data, a premature end) are treated as
// errors too, so a damaged picture is refused rather than shown half grey.
struct terror_jump {
    jpeg_error_mgr fmgr;
    std::jmp_buf fjump;
    char fmessage[JMSG_LENGTH_MAX];
};

[[noreturn]] void error_exit(j_common_ptr ainfo) {
    auto* err = reinterpret_cast<terror_jump*>(ainfo->err);
    (*ainfo->err->format_message)(ainfo, err->fmessage);
    std::longjmp(err->fjump, 1);
}

void emit_message(j_common_ptr ainfo, int alevel) {
    if (alevel < 0) error_exit(ainfo);
}

// CMYK as Adobe writes it (inverted) to an RGB colour.
tcolor cmyk_color(const JSAMPLE* ap) {
    const uint32_t k = ap[3];
    const uint32_t r = ap[0] * k / 255, g = ap[1] * k / 255, b = ap[2] * k / 255;
    return r | (g << 8) | (b << 16);
}

// Everything touched after setjmp lives in the caller's frame or the library's memory, so the
// jump skips no destructor.
bool decode_jpeg(jpeg_decompress_struct& ainfo, terror_jump& aerr, std::span<const uint8_t> adata, tbitmap& abitmap,
                 std::vector<JSAMPLE>& arow, std::string& areason) {
    if (setjmp(aerr.fjump)) {
        areason = aerr.fmessage;
        return false;
    }
    jpeg_create_decompress(&ainfo);
    jpeg_mem_src(&ainfo, adata.data(), static_cast<unsigned long>(adata.size()));
    jpeg_read_header(&ainfo, TRUE);
    const int64_t width = ainfo.image_width, height = ainfo.image_height;
    if (width > tjpeg_picture::max_side || height > tjpeg_picture::max_side ||
        width * height > tjpeg_picture::max_pixels) {
        areason = "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + " pixels)";
        return false;
    }
    const bool cmyk = ainfo.jpeg_color_space == JCS_CMYK || ainfo.jpeg_color_space == JCS_YCCK;
    ainfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    // The library's own buffers (whole-image coefficients of a progressive picture) stay bounded.
    ainfo.mem->max_memory_to_use = tjpeg_picture::max_decoder_bytes;
    jpeg_start_decompress(&ainfo);
    arow.assign(static_cast<size_t>(ainfo.output_width) * ainfo.output_components, 0);
    // Rows are appended as they are decoded, so a picture cut short costs no more than it holds.
    while (ainfo.output_scanline < ainfo.output_height) {
        JSAMPROW row = arow.data();
        if (jpeg_read_scanlines(&ainfo, &row, 1) != 1) {
            areason = "the picture is cut short";
            return false;
        }
        for (size_t x = 0; x < ainfo.output_width; ++x) {
            const JSAMPLE* p = row + x * ainfo.output_components;
            abitmap.pixels.push_back(cmyk ? cmyk_color(p) : p[0] | (tcolor{p[1]} << 8) | (tcolor{p[2]} << 16));
        }
    }
    jpeg_finish_decompress(&ainfo);
    abitmap.width = static_cast<int32_t>(ainfo.output_width);
    abitmap.height = static_cast<int32_t>(ainfo.output_height);
    return true;
}

}  // namespace

bool tjpeg_picture::decode(std::span<const uint8_t> adata, tbitmap& abitmap, std::string& areason) {
    abitmap = tbitmap{};
    // The library refuses an empty source with an error of its own; say it plainly instead.
    if (adata.size() < 2 || adata[0] != 0xFF || adata[1] != 0xD8) {
        areason = "not a JPEG file";
        return false;
    }
    jpeg_decompress_struct info{};
    terror_jump err{};
    info.err = jpeg_std_error(&err.fmgr);
    err.fmgr.error_exit = error_exit;
    err.fmgr.emit_message = emit_message;
    std::vector<JSAMPLE> row;
    const bool decoded = decode_jpeg(info, err, adata, abitmap, row, areason);
    jpeg_destroy_decompress(&info);
    if (!decoded) abitmap = tbitmap{};
    return decoded;
}

bool tjpeg_picture::load_file(const std::string& apath, tbitmap& abitmap, std::string& areason) {
    abitmap = tbitmap{};
    std::ifstream file(apath, std::ios::binary | std::ios::ate);
    if (!file) {
        areason = "the file cannot be read";
        return false;
    }
    const std::streamoff size = file.tellg();
    if (size < 0 || size > max_file_bytes) {
        areason = size < 0 ? "the file cannot be read" : "the file is too large";
        return false;
    }
    std::vector<uint8_t> data(static_cast<size_t>(size));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(data.data()), size)) {
        areason = "the file cannot be read";
        return false;
    }
    return decode(data, abitmap, areason);
}
