// The fonts the Qt canvas draws with, each with its metrics and the shaping of the texts drawn in
// it: a grid repaint draws the same few strings over and over, and measuring and shaping a string
// costs far more than drawing its glyphs. Shared by every canvas of the process; GUI thread only.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>
#include <utility>

// The pixels of one text drawn in a filled clip rectangle (a grid cell): the same text in the same
// colours, cell size and place comes out the same, so it is drawn once and then copied.
struct ttext_tile {
    uint32_t ftext_rgb = 0;
    uint32_t fbrush_rgb = 0;
    int32_t fwidth = 0, fheight = 0, fdx = 0, fdy = 0;
    QImage fimage;
    bool same_place(const ttext_tile& a) const {
        return ftext_rgb == a.ftext_rgb && fbrush_rgb == a.fbrush_rgb && fwidth == a.fwidth && fheight == a.fheight &&
               fdx == a.fdx && fdy == a.fdy;
    }
};

// One text in one font: its width, (for plain Latin text) the glyphs to draw, positioned from the
// start of its baseline, and the cells it was drawn in.
struct tshaped_text {
    QString ftext;
    int32_t fwidth = 0;
    bool fhas_glyphs = false;
    QList<QGlyphRun> fglyphs;
    std::vector<ttext_tile> ftiles;
};

struct tcanvas_font {
    QFont ffont;
    // Measured on first use, so a font named before the program's fonts are registered is right.
    int32_t ascent() { return measured().first; }
    int32_t descent() { return measured().second; }

    // The text's width and glyphs, shaped on first use.
    tshaped_text& shape(const std::u16string& atext);
    // The cell of atext like aplace (colours, size, text offset), drawn by arender the second time
    // it is asked for; nullptr the first time (the text is then drawn directly: most texts of a
    // new search result are drawn once, and a tile costs more than drawing them).
    const QImage* tile(tshaped_text& atext, const ttext_tile& aplace, const std::function<void(QImage&)>& arender);

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
    size_t ftile_bytes = 0;
};
