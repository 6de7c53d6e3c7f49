// The intro's letter pictures: "VELMOR ACCOUNTS" as heavy capitals, a grey face with a black
// outline one pixel wide on the window colour, each placed in a picture whose size and margins
// bring it to rest on its line at the end of its fall (the intro's launch table decides where
// each picture lands). Only the three colours of the asset format are used, and every row is one
// the format can hold.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

struct tletter_picture {
    QString name;   // letter_NN: NN is the image index in the asset file
    QImage image;   // RGB32 in the three colours; a null image is the empty picture of the space
};

// The fifteen pictures in reading order ("V", "E", ..., " ", "A", ..., "S"). Raises
// std::runtime_error naming the letter and row when a drawn row does not fit the format.
std::vector<tletter_picture> letter_pictures();
