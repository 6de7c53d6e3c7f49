#include "letter_art.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <stdexcept>

#include "icon_art.h"
#include "shell/ymk_encoder.h"

namespace {

constexpr int glyph_height = 100;
constexpr int stem = 24;  // vertical strokes; horizontal bars are 20

// Where a letter's picture lands: its size, and the left and top of the letter inside it. The
// sizes follow from the launch table: a taller picture meets its floor sooner, so it stops
// further left or right; the margins put each letter's foot on its line (620 and 400 in the
// window) with even gaps, and keep every picture clear of the letters that landed before it.
struct tplacement {
    char letter;
    int width, height, left, top;
};

constexpr tplacement placements[] = {
    {'V', 188, 228, 88, 111}, {'E', 134, 276, 56, 145}, {'L', 79, 197, 5, 78},   {'M', 118, 133, 0, 11},
    {'O', 144, 244, 40, 135}, {'R', 192, 279, 100, 175}, {' ', 0, 0, 0, 0},      {'A', 121, 150, 17, 10},
    {'C', 123, 132, 31, 0},   {'C', 128, 140, 36, 0},    {'O', 173, 227, 69, 91}, {'U', 141, 220, 47, 86},
    {'N', 144, 215, 48, 87},  {'T', 156, 276, 66, 147},  {'S', 186, 134, 100, 0},
};

QPainterPath polygon(std::initializer_list<QPointF> apoints) {
    QPainterPath path = icon_art::polyline_path(apoints);
    path.closeSubpath();
    return path;
}

QPainterPath box(qreal ax, qreal ay, qreal aw, qreal ah) {
    QPainterPath path;
    path.addRect(ax, ay, aw, ah);
    return path;
}

QPainterPath ellipse(qreal ax, qreal ay, qreal aw, qreal ah) {
    QPainterPath path;
    path.addEllipse(ax, ay, aw, ah);
    return path;
}

// A stroke of even width along a centre line, with square-cut ends.
QPainterPath stroke(const QPainterPath& acentre, qreal awidth) { return icon_art::stroked(acentre, awidth, Qt::FlatCap); }

// Each letter's outline in a box glyph_height high, from the top-left corner.
QPainterPath letter_v() { return polygon({{0, 0}, {25, 0}, {50, 72}, {75, 0}, {100, 0}, {63, 100}, {37, 100}}); }

QPainterPath letter_e() {
    return box(0, 0, stem, 100).united(box(0, 0, 78, 20)).united(box(0, 40, 68, 20)).united(box(0, 80, 78, 20)).simplified();
}

QPainterPath letter_l() { return box(0, 0, stem, 100).united(box(0, 80, 74, 20)).simplified(); }

// The middle of the M hangs from the top as a wedge with a flat underside, so that no row crosses
// more than two strokes (the format holds at most two).
QPainterPath letter_m() {
    QPainterPath legs = box(0, 0, stem, 100).united(box(94, 0, stem, 100));
    QPainterPath wedge = polygon({{0, 0}, {31, 0}, {59, 54}, {87, 0}, {118, 0}, {118, 76}, {0, 76}});
    return legs.united(wedge).simplified();
}

QPainterPath letter_o() { return ellipse(0, 0, 104, 100).subtracted(ellipse(stem, 20, 104 - 2 * stem, 60)).simplified(); }

QPainterPath letter_c() {
    QPainterPath centre;
    centre.arcMoveTo(11, 10, 80, 80, 42);
    centre.arcTo(11, 10, 80, 80, 42, 276);
    return stroke(centre, 21);
}

QPainterPath letter_r() {
    // The bowl: straight on the stem's side, a half ellipse on the right, with a counter of the
    // same build.
    QPainterPath bowl = box(0, 0, 52, 58).united(ellipse(16, 0, 72, 58));
    bowl = bowl.subtracted(box(stem, 20, 28, 18).united(ellipse(38, 20, 28, 18)));
    QPainterPath leg = polygon({{38, 50}, {64, 50}, {92, 100}, {65, 100}});
    return box(0, 0, stem, 100).united(bowl).united(leg).simplified();
}

QPainterPath letter_a() {
    QPainterPath outer = polygon({{39, 0}, {65, 0}, {104, 100}, {78, 100}, {71, 80}, {33, 80}, {26, 100}, {0, 100}});
    return outer.subtracted(polygon({{52, 26}, {63, 58}, {41, 58}})).simplified();
}

QPainterPath letter_u() {
    QPainterPath bottom = ellipse(0, 6, 94, 94).subtracted(ellipse(stem, 6, 94 - 2 * stem, 74));
    bottom = bottom.subtracted(box(0, 0, 94, 53));
    return box(0, 0, stem, 54).united(box(70, 0, stem, 54)).united(bottom).simplified();
}

// The N's counters are triangles that meet the stems at half height: a diagonal that met them
// further apart would leave rows crossing three strokes.
QPainterPath letter_n() {
    QPainterPath block = box(0, 0, 96, 100);
    block = block.subtracted(polygon({{26, 0}, {74, 0}, {74, 50}}));
    return block.subtracted(polygon({{22, 50}, {22, 100}, {70, 100}})).simplified();
}

QPainterPath letter_t() { return box(0, 0, 90, 20).united(box(33, 0, stem, 100)).simplified(); }

QPainterPath letter_s() {
    QPainterPath centre;
    centre.arcMoveTo(10, 10, 66, 40, 28);
    centre.arcTo(10, 10, 66, 40, 28, 242);
    centre.arcTo(10, 50, 66, 40, 90, -242);
    return stroke(centre, 20);
}

QPainterPath letter_shape(char aletter) {
    switch (aletter) {
        case 'V': return letter_v();
        case 'E': return letter_e();
        case 'L': return letter_l();
        case 'M': return letter_m();
        case 'O': return letter_o();
        case 'R': return letter_r();
        case 'A': return letter_a();
        case 'C': return letter_c();
        case 'U': return letter_u();
        case 'N': return letter_n();
        case 'T': return letter_t();
        default: return letter_s();
    }
}

// The letter as a mask, without smoothing: the format knows three colours only.
std::vector<std::vector<bool>> letter_mask(const tplacement& aplace) {
    QImage mask(aplace.width, aplace.height, QImage::Format_RGB32);
    mask.fill(Qt::white);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.translate(aplace.left, aplace.top);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPath(letter_shape(aplace.letter));
    }
    std::vector<std::vector<bool>> inside(static_cast<size_t>(aplace.height), std::vector<bool>(static_cast<size_t>(aplace.width)));
    for (int y = 0; y < aplace.height; ++y)
        for (int x = 0; x < aplace.width; ++x) inside[y][x] = qGray(mask.pixel(x, y)) < 128;
    return inside;
}

using trow = std::vector<tymk_colour>;

// The outlined row: a pixel of the letter touching the background (left, right, up or down) is
// black, the rest of the letter grey.
trow outlined_row(const std::vector<std::vector<bool>>& ainside, int ay) {
    const int width = static_cast<int>(ainside[ay].size()), height = static_cast<int>(ainside.size());
    auto in = [&](int x, int y) { return x >= 0 && y >= 0 && x < width && y < height && ainside[y][x]; };
    trow row(static_cast<size_t>(width), tymk_colour::s);
    for (int x = 0; x < width; ++x) {
        if (!in(x, ay)) continue;
        const bool edge = !in(x - 1, ay) || !in(x + 1, ay) || !in(x, ay - 1) || !in(x, ay + 1);
        row[x] = edge ? tymk_colour::b : tymk_colour::f;
    }
    return row;
}

// The stretches of the letter in a row, as [begin, end) pairs.
std::vector<std::pair<int, int>> stretches(const trow& arow) {
    std::vector<std::pair<int, int>> out;
    for (int x = 0; x < static_cast<int>(arow.size());) {
        if (arow[x] == tymk_colour::s) {
            ++x;
            continue;
        }
        int end = x;
        while (end < static_cast<int>(arow.size()) && arow[end] != tymk_colour::s) ++end;
        out.emplace_back(x, end);
        x = end;
    }
    return out;
}

// The same row with simpler stretches: variant bit 2k thins the left edge of stretch k to one
// black pixel, bit 2k+1 its right edge, and bit 4 makes the inner black of every stretch grey.
// A stretch too narrow for grey stays black.
trow simplified_row(const trow& arow, const std::vector<std::pair<int, int>>& astretches, unsigned avariant) {
    trow row = arow;
    for (size_t k = 0; k < astretches.size(); ++k) {
        auto [begin, end] = astretches[k];
        int left = begin, right = end - 1;
        while (left < end && row[left] == tymk_colour::b) ++left;
        while (right >= begin && row[right] == tymk_colour::b) --right;
        if (left > right) continue;  // all black
        if (avariant >> (2 * k) & 1)
            for (int x = begin + 1; x < left; ++x) row[x] = tymk_colour::f;
        if (avariant >> (2 * k + 1) & 1)
            for (int x = right + 1; x < end - 1; ++x) row[x] = tymk_colour::f;
        if (avariant & 16)
            for (int x = left; x <= right; ++x) row[x] = tymk_colour::f;
    }
    return row;
}

// The row as drawn when the format holds it, else the variant that changes fewest pixels.
trow fitting_row(const trow& arow, char aletter, int ay) {
    if (tymk_encoder::encode_row(arow)) return arow;
    const auto parts = stretches(arow);
    if (parts.size() > 2)
        throw std::runtime_error(std::string("letter ") + aletter + ", row " + std::to_string(ay) +
                                 ": more than two strokes in a row");
    std::optional<trow> best;
    int best_changes = 0;
    for (unsigned variant = 1; variant < 32; ++variant) {
        trow candidate = simplified_row(arow, parts, variant);
        int changes = 0;
        for (size_t x = 0; x < arow.size(); ++x) changes += candidate[x] != arow[x];
        if ((!best || changes < best_changes) && tymk_encoder::encode_row(candidate)) {
            best = candidate;
            best_changes = changes;
        }
    }
    if (!best)
        throw std::runtime_error(std::string("letter ") + aletter + ", row " + std::to_string(ay) +
                                 ": no simpler row fits the asset format");
    return *best;
}

QImage letter_image(const tplacement& aplace) {
    const std::vector<std::vector<bool>> inside = letter_mask(aplace);
    QImage image(aplace.width, aplace.height, QImage::Format_RGB32);
    for (int y = 0; y < aplace.height; ++y) {
        const trow row = fitting_row(outlined_row(inside, y), aplace.letter, y);
        for (int x = 0; x < aplace.width; ++x) {
            const std::array<uint8_t, 3> bgr = tprocs_ymk::colour_bgr(row[x]);
            image.setPixel(x, y, qRgb(bgr[2], bgr[1], bgr[0]));
        }
    }
    return image;
}

}  // namespace

std::vector<tletter_picture> letter_pictures() {
    std::vector<tletter_picture> out;
    int index = 0;
    for (const tplacement& place : placements) {
        QString name = QString("letter_%1").arg(index++, 2, 10, QChar('0'));
        out.push_back({name, place.width > 0 ? letter_image(place) : QImage()});
    }
    return out;
}
