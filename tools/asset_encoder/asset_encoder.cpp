// asset-encoder: writes the image asset file from pictures in the format's three colours (the
// window colour 212, 208, 200; black; grey 120, 120, 120), one image per argument in order;
// the word "empty" stands for an image of no pixels.
//   asset-encoder OUT.dat PICTURE.png|empty ...
// Any other colour, or a row no category of the format reproduces, stops it with a message.
#include <QColor>
#include <QImage>
#include <QString>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "shell/ymk_encoder.h"

namespace {

tymk_picture read_picture(const char* afilename) {
    tymk_picture picture;
    if (std::string(afilename) == "empty") return picture;
    QImage image(QString::fromLocal8Bit(afilename));
    if (image.isNull()) throw std::runtime_error(std::string("cannot read the picture ") + afilename);
    if (image.width() > UINT16_MAX || image.height() > UINT16_MAX)
        throw std::runtime_error(std::string(afilename) + " is larger than 65535 pixels");
    picture.fwidth = static_cast<uint16_t>(image.width());
    picture.fheight = static_cast<uint16_t>(image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y);
            bool found = false;
            for (tymk_colour colour : {tymk_colour::s, tymk_colour::b, tymk_colour::f}) {
                const std::array<uint8_t, 3> bgr = tprocs_ymk::colour_bgr(colour);
                if (qRed(rgb) == bgr[2] && qGreen(rgb) == bgr[1] && qBlue(rgb) == bgr[0]) {
                    picture.fpixels.push_back(colour);
                    found = true;
                    break;
                }
            }
            if (!found)
                throw std::runtime_error(std::string(afilename) + ": pixel (" + std::to_string(x) + ", " +
                                         std::to_string(y) + ") is not one of the three colours");
        }
    }
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: asset-encoder OUT.dat PICTURE.png|empty ...\n");
        return 2;
    }
    try {
        std::vector<tymk_picture> pictures;
        for (int i = 2; i < argc; ++i) pictures.push_back(read_picture(argv[i]));
        const std::vector<uint8_t> bytes = tymk_encoder::encode_file(pictures);
        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error(std::string("cannot write ") + argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "asset-encoder: %s\n", e.what());
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
