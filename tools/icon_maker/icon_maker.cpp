// icon-maker: draws every icon of the program and writes each as set<S>_<NN>.png into a folder,
// which the build then embeds into the shell. With --sheet FILE it also writes a contact sheet
// (each set on a row on the window colour, actual size and three times enlarged) for people to
// look at. With --app-icon FOLDER NAME it draws the program's desktop icon instead (PNGs at 48,
// 128 and 256 pixels, and SVG). It needs no display and no fonts: everything is drawn as shapes.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <map>

#include "app_icon.h"
#include "icon_catalogue.h"
#include "letter_art.h"
#include <stdexcept>

namespace {

QImage contact_sheet(const std::vector<ticon_entry>& aicons) {
    constexpr int zoom = 3, gap = 8;
    std::map<int32_t, std::vector<const ticon_entry*>> sets;
    for (const ticon_entry& entry : aicons) sets[entry.icon_set].push_back(&entry);
    int width = 0, height = gap;
    for (const auto& [set, entries] : sets) {
        int row_width = gap;
        for (const ticon_entry* entry : entries) row_width += entry->image.width() * (zoom + 1) + 2 * gap;
        width = std::max(width, row_width);
        height += entries.front()->image.height() * zoom + 2 * gap;
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(212, 208, 200));
    QPainter painter(&sheet);
    int top = gap;
    for (const auto& [set, entries] : sets) {
        int left = gap;
        for (const ticon_entry* entry : entries) {
            const QImage& image = entry->image;
            painter.drawImage(left, top, image);
            left += image.width() + gap;
            painter.drawImage(QRect(left, top, image.width() * zoom, image.height() * zoom), image);
            left += image.width() * zoom + gap;
        }
        top += entries.front()->image.height() * zoom + 2 * gap;
        painter.fillRect(0, top - gap, sheet.width(), 1, QColor(170, 166, 158));
    }
    return sheet;
}

int write_letters(const QString& afolder) {
    QDir folder(afolder);
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "icon-maker: cannot create folder %s\n", qPrintable(afolder));
        return 1;
    }
    std::vector<tletter_picture> letters;
    try {
        letters = letter_pictures();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "icon-maker: %s\n", e.what());
        return 1;
    }
    int width = 8, height = 0;
    for (const tletter_picture& letter : letters) {
        width += letter.image.width() + 8;
        height = std::max(height, letter.image.height() + 16);
        if (!letter.image.isNull() && !letter.image.save(folder.filePath(letter.name + ".png"), "PNG")) {
            std::fprintf(stderr, "icon-maker: cannot write %s\n", qPrintable(folder.filePath(letter.name + ".png")));
            return 1;
        }
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(255, 255, 255));
    QPainter painter(&sheet);
    int left = 8;
    for (const tletter_picture& letter : letters) {
        painter.drawImage(left, 8, letter.image);
        left += letter.image.width() + 8;
    }
    painter.end();
    return sheet.save(folder.filePath("letters_sheet.png"), "PNG") ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && QString(argv[1]) == "--letters") return write_letters(QString::fromLocal8Bit(argv[2]));
    if (argc == 4 && QString(argv[1]) == "--app-icon")
        return write_app_icons(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    if (argc != 2 && !(argc == 4 && QString(argv[2]) == "--sheet")) {
        std::fprintf(stderr, "usage: icon-maker OUT_FOLDER [--sheet SHEET.png]\n       icon-maker --letters OUT_FOLDER\n"
                             "       icon-maker --app-icon OUT_FOLDER NAME\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "icon-maker: cannot create folder %s\n", argv[1]);
        return 1;
    }
    // Pictures of an earlier numbering must not linger: the build embeds whatever is there.
    for (const QString& stale : folder.entryList({"set*.png"}, QDir::Files)) folder.remove(stale);
    const std::vector<ticon_entry> icons = icon_catalogue();
    for (const ticon_entry& entry : icons) {
        QString name = QString("set%1_%2.png").arg(entry.icon_set).arg(entry.icon, 2, 10, QChar('0'));
        if (!entry.image.save(folder.filePath(name), "PNG")) {
            std::fprintf(stderr, "icon-maker: cannot write %s\n", qPrintable(folder.filePath(name)));
            return 1;
        }
    }
    if (argc == 4 && !contact_sheet(icons).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "icon-maker: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
