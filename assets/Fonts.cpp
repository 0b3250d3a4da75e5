// The embedded typefaces and the fonts the windows and the pictures are lettered in.
#include "assets/Fonts.h"

#include <QDir>
#include <QFontDatabase>

#include <cmath>

namespace fonts {
namespace {

// Layouts are measured at 96 dots per inch, so a size in points is pinned to pixels: the
// text then takes the same room whatever the screen's own resolution.
QFont Face(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 4.0 / 3.0)));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

void LoadEmbeddedFonts() {
    const QDir folder(":/fonts");
    for (const QString& name : folder.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(folder.filePath(name));
}

QFont Garamond(double points, bool bold) {
    return Face("EB Garamond", points, bold);
}
QFont Aardvark(double points, bool bold) {
    return Face("Comfortaa", points, bold);
}
QFont Arial(double points, bool bold) {
    return Face("Liberation Sans", points, bold);
}
QFont Verdana(double points, bool bold) {
    return Face("DejaVu Sans", points, bold);
}
QFont SansSerif(double points, bool bold) {
    return Face("Liberation Sans", points, bold);
}

}  // namespace fonts
