// The fonts the Qt canvas draws with, each with its metrics and the shaping of the texts drawn in
// it: a grid repaint draws the same few strings over and over, and measuring and shaping a string
// costs far more than drawing its glyphs. Shared by every canvas of the process; GUI thread only.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>

// One text in one font: its width, and (for plain Latin text) the glyphs to draw, positioned
// from the start of its baseline.
struct tshaped_text {
    QString ftext;
    int32_t fwidth = 0;
    bool fhas_glyphs = false;
    QList<QGlyphRun> fglyphs;
};

struct tcanvas_font {
    QFont ffont;
    // Measured on first use, so a font named before the program's fonts are registered is right.
    int32_t ascent() { return measured().first; }
    int32_t descent() { return measured().second; }

    // The text's width and glyphs, shaped on first use.
    const tshaped_text& shape(const std::u16string& atext);

    // The font for a face name and size in points (pixel size round(points x 96 / 72)), made once.
    static tcanvas_font& get(const std::string& aface, int32_t asize_points, bool abold);
    // A canvas's font before any is set: Tahoma at 14 pixels.
    static tcanvas_font& initial();
    static QFont make_font(const std::string& aface, int32_t asize_points, bool abold);

private:
    explicit tcanvas_font(const QFont& afont);
    static tcanvas_font& cached(const std::string& akey, const std::function<QFont()>& amake);
    const std::pair<int32_t, int32_t>& measured();
    bool fmeasured = false;
    std::pair<int32_t, int32_t> fmetrics;
    std::unordered_map<std::u16string, tshaped_text> ftexts;
};
