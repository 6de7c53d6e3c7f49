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
        // Without the bold file Qt synthesises bold from the regular face.
        QString bold = find_font_file("tahomabd.ttf");
        if (!bold.isEmpty()) QFontDatabase::addApplicationFont(bold);
        return true;
    }();
    return registered;
}
