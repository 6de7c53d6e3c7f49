#include "shell/fonts.h"

#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>

namespace {

QString find_font_file(const QString& aname) {
    for (const char* folder : {"/usr/share/wine/fonts", "/usr/share/fonts"}) {
        QString direct = QString(folder) + "/" + aname;
        if (QFile::exists(direct)) return direct;
        QDirIterator it(folder, {aname}, QDir::Files, QDirIterator::Subdirectories);
        if (it.hasNext()) return it.next();
    }
    return {};
}

}  // namespace

std::string tshell_fonts::tahoma_file() { return find_font_file("tahoma.ttf").toStdString(); }

bool tshell_fonts::register_fonts() {
    static const bool registered = [] {
        QString regular = find_font_file("tahoma.ttf");
        if (regular.isEmpty() || QFontDatabase::addApplicationFont(regular) < 0) return false;
        // Only the regular face: the packaged bold file has hairline strokes that read as regular
        // type with wide spacing, while bold synthesised from the regular face looks bold.
        return true;
    }();
    return registered;
}
