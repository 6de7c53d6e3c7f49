#include "make_database_pictures.h"

#include <jpeglib.h>
#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <stdexcept>
#include <vector>

std::string tdemo_pictures::make_jpeg(int32_t anumber, int32_t awidth, int32_t aheight) {
    // A sky, a street and a building front whose size and colour change with the number.
    std::vector<unsigned char> rgb(static_cast<size_t>(awidth * aheight * 3));
    const int left = awidth / 6 + (anumber * 17) % (awidth / 6), right = awidth - awidth / 8 - (anumber * 11) % (awidth / 8);
    const int top = aheight / 5 + (anumber * 13) % (aheight / 5), street = aheight * 4 / 5;
    const unsigned char wall[3] = {static_cast<unsigned char>(150 + anumber * 37 % 90),
                                   static_cast<unsigned char>(110 + anumber * 53 % 100), 90};
    for (int y = 0; y < aheight; ++y) {
        for (int x = 0; x < awidth; ++x) {
            unsigned char* p = &rgb[static_cast<size_t>((y * awidth + x) * 3)];
            bool building = x >= left && x < right && y >= top && y < street;
            bool window = building && (x - left) % 40 > 10 && (x - left) % 40 < 30 && (y - top) % 45 > 10 && (y - top) % 45 < 32;
            if (window) {
                p[0] = 60, p[1] = 90, p[2] = 130;
            } else if (building) {
                p[0] = wall[0], p[1] = wall[1], p[2] = wall[2];
            } else if (y >= street) {
                p[0] = p[1] = p[2] = static_cast<unsigned char>(80 + (x + y) % 7);
            } else {
                p[0] = static_cast<unsigned char>(120 + y * 80 / aheight), p[1] = static_cast<unsigned char>(170 + y * 60 / aheight), p[2] = 235;
            }
        }
    }
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long out_size = 0;
    jpeg_mem_dest(&cinfo, &out, &out_size);
    cinfo.image_width = static_cast<JDIMENSION>(awidth);
    cinfo.image_height = static_cast<JDIMENSION>(aheight);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 85, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = &rgb[static_cast<size_t>(cinfo.next_scanline) * static_cast<size_t>(awidth) * 3];
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::string r(reinterpret_cast<const char*>(out), out_size);
    std::free(out);
    return r;
}

void tdemo_pictures::make_archive(const std::string& apath, int32_t acount, const std::vector<std::string>& afiles) {
    std::remove(apath.c_str());
    int error = 0;
    zip_t* archive = zip_open(apath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        throw std::runtime_error("cannot create " + apath);
    std::vector<std::string> pictures;  // the archive reads them when it is closed
    pictures.reserve(static_cast<size_t>(acount));
    zip_dir_add(archive, "pics", ZIP_FL_ENC_UTF_8);
    for (int32_t n = 1; n <= acount; ++n) {
        pictures.push_back(make_jpeg(n, 640, 480));
        zip_source_t* source = zip_source_buffer(archive, pictures.back().data(), pictures.back().size(), 0);
        char name[32];
        std::snprintf(name, sizeof name, "pics/%.4x.jpg", static_cast<unsigned>(n));
        if (!source || zip_file_add(archive, name, source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            throw std::runtime_error("cannot add a picture to " + apath);
        }
    }
    for (const std::string& file : afiles) {
        zip_source_t* source = zip_source_file(archive, file.c_str(), 0, -1);
        const std::string name = std::filesystem::path(file).filename().string();
        if (!source || zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            throw std::runtime_error("cannot add " + file + " to " + apath);
        }
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        throw std::runtime_error("cannot write " + apath);
    }
}
