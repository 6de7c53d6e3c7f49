// Every icon the program carries: its set, its number within the set and how it is drawn. The set
// sizes here are the icon store's; the store's test checks that every embedded icon matches them.
#pragma once

#include <QImage>
#include <cstdint>
#include <functional>
#include <vector>

struct ticon_entry {
    int32_t icon_set;
    int32_t icon;
    QImage image;
};

// All icons, ordered by set and number.
std::vector<ticon_entry> icon_catalogue();
