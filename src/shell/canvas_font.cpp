#include "shell/canvas_font.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace {

// Past this many texts in one font the cache starts afresh (a list scrolled through many rows).
constexpr size_t max_texts = 4096;
// Cells kept per font, in bytes of pixels, and per text (a text in its normal and selected row).
constexpr size_t max_tile_bytes = 16u << 20;
constexpr size_t max_tiles_per_text = 4;

// Text drawn from cached glyphs: printable Latin only. Anything else (control characters, other
// scripts, text needing a fallback font or bidirectional layout) is drawn by the painter itself.
bool plain_latin(const std::u16string& atext) {
    return std::all_of(atext.begin(), atext.end(),
                       [](char16_t c) { return (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c < 0x250); });
}

// The glyph runs of one line of text, moved so that the baseline's start is the origin.
QList<QGlyphRun> layout_glyphs(const QString& atext, const QFont& afont) {
    QTextLayout layout(atext, afont);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    QList<QGlyphRun> runs = line.glyphRuns();
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& p : positions) p.ry() -= line.ascent();
        run.setPositions(positions);
    }
    return runs;
}

}  // namespace

tcanvas_font::tcanvas_font(const QFont& afont) : ffont(afont) {}

const std::pair<int32_t, int32_t>& tcanvas_font::measured() {
    if (!fmeasured) {
        QFontMetrics metrics(ffont);
        fmetrics = {metrics.ascent(), metrics.descent()};
        fmeasured = true;
    }
    return fmetrics;
}

tshaped_text& tcanvas_font::shape(const std::u16string& atext) {
    auto it = ftexts.find(atext);
    if (it != ftexts.end()) return it->second;
    if (ftexts.size() >= max_texts) {
        ftexts.clear();
        ftile_bytes = 0;
    }
    tshaped_text shaped;
    shaped.ftext = QString::fromUtf16(atext.data(), static_cast<qsizetype>(atext.size()));
    shaped.fwidth = QFontMetrics(ffont).horizontalAdvance(shaped.ftext);
    shaped.fhas_glyphs = plain_latin(atext);
    if (shaped.fhas_glyphs) shaped.fglyphs = layout_glyphs(shaped.ftext, ffont);
    return ftexts.emplace(atext, std::move(shaped)).first->second;
}

tcanvas_font& tcanvas_font::cached(const std::string& akey, const std::function<QFont()>& amake) {
    // Never freed: fonts must not outlive the application object at exit.
    static auto* fonts = new std::map<std::string, std::unique_ptr<tcanvas_font>, std::less<>>;
    auto it = fonts->find(akey);
    if (it == fonts->end())
        it = fonts->emplace(akey, std::unique_ptr<tcanvas_font>(new tcanvas_font(amake()))).first;
    return *it->second;
}

tcanvas_font& tcanvas_font::get(const std::string& aface, int32_t asize_points, bool abold) {
    std::string key = aface + "|" + std::to_string(asize_points) + (abold ? "|b" : "|");
    return cached(key, [&] { return make_font(aface, asize_points, abold); });
}

tcanvas_font& tcanvas_font::initial() {
    return cached("|initial", [] {
        QFont font = make_font("tahoma", 10, false);
        font.setPixelSize(14);
        return font;
    });
}

QFont tcanvas_font::make_font(const std::string& aface, int32_t asize_points, bool abold) {
    struct tface {
        const char* name;
        const char* family;
        QFont::Weight weight;
    };
    static const tface faces[] = {
        {"tahoma", "Tahoma", QFont::Normal},
        {"arial", "Liberation Sans", QFont::Normal},
        {"verdana", "DejaVu Sans", QFont::Normal},
        {"courier new", "Liberation Mono", QFont::Normal},
        {"opensymbol", "OpenSymbol", QFont::Normal},
        {"segoe ui semibold", "Open Sans", QFont::DemiBold},
    };
    QFont font;
    font.setFamily("Liberation Sans");
    QFont::Weight weight = QFont::Normal;
    for (const tface& f : faces) {
        if (aface == f.name) {
            font.setFamily(f.family);
            weight = f.weight;
        }
    }
    font.setWeight(abold ? QFont::Bold : weight);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(asize_points * 96.0 / 72.0))));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

const QImage* tcanvas_font::tile(tshaped_text& atext, const ttext_tile& aplace,
                                 const std::function<void(QImage&)>& arender) {
    auto it = std::find_if(atext.ftiles.begin(), atext.ftiles.end(),
                           [&](const ttext_tile& t) { return t.same_place(aplace); });
    if (it != atext.ftiles.end() && !it->fimage.isNull()) return &it->fimage;
    if (it == atext.ftiles.end()) {
        if (atext.ftiles.size() >= max_tiles_per_text) {
            ftile_bytes -= static_cast<size_t>(atext.ftiles.front().fimage.sizeInBytes());
            atext.ftiles.erase(atext.ftiles.begin());
        }
        atext.ftiles.push_back(aplace);  // seen once: no pixels yet
        return nullptr;
    }
    if (ftile_bytes > max_tile_bytes) {
        for (auto& [text, shaped] : ftexts)
            for (ttext_tile& t : shaped.ftiles) t.fimage = QImage();
        ftile_bytes = 0;
    }
    it->fimage = QImage(aplace.fwidth, aplace.fheight, QImage::Format_RGB32);
    arender(it->fimage);
    ftile_bytes += static_cast<size_t>(it->fimage.sizeInBytes());
    return &it->fimage;
}
