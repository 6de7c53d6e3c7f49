// The size a picture is drawn at in a box, proportions kept, from the box's top-left corner: with
// sx = box width / picture width and sy = box height / picture height, when sx >= sy the width is
// picture width x sy truncated plus 1 and the height the box's; otherwise the height is picture
// height x sx truncated plus 1 and the width the box's. Empty for an empty box or picture.
#pragma once

#include "controls/geometry.h"

inline tsize picture_fit_size(tsize abox, tsize apicture) {
    if (apicture.cx <= 0 || apicture.cy <= 0 || abox.cx <= 0 || abox.cy <= 0) return {0, 0};
    const double sx = static_cast<double>(abox.cx) / apicture.cx;
    const double sy = static_cast<double>(abox.cy) / apicture.cy;
    if (sx >= sy) return {static_cast<int32_t>(apicture.cx * sy) + 1, abox.cy};
    return {abox.cx, static_cast<int32_t>(apicture.cy * sx) + 1};
}
