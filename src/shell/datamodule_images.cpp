#include "shell/datamodule_images.h"

Tdatamodule_images::Tdatamodule_images() {
    for (const tembedded_icon& icon : embedded_icons()) findex[{icon.icon_set, icon.icon}] = &icon;
}

QSize Tdatamodule_images::icon_size(int32_t aicon_set) {
    static const QSize sizes[] = {{32, 32}, {24, 24}, {16, 16}, {48, 48}, {52, 52},
                                  {52, 44}, {24, 24}, {16, 16}, {52, 44}};
    if (aicon_set < 0 || aicon_set > 8) return {0, 0};
    return sizes[aicon_set];
}

const QImage* Tdatamodule_images::get_icon(int32_t aicon_set, int32_t aicon) const {
    const auto key = std::make_pair(aicon_set, aicon);
    if (auto decoded = fdecoded.find(key); decoded != fdecoded.end()) return &decoded->second;
    auto embedded = findex.find(key);
    if (embedded == findex.end()) return nullptr;
    const tembedded_icon& icon = *embedded->second;
    QImage image = QImage::fromData(icon.data, static_cast<int>(icon.size), "PNG");
    // A picture that does not decode to its set's size would misplace everything drawn beside it.
    if (image.isNull() || image.size() != icon_size(aicon_set)) return nullptr;
    return &fdecoded.emplace(key, image.convertToFormat(QImage::Format_ARGB32_Premultiplied)).first->second;
}
