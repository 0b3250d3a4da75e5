// The game's typefaces, embedded in the program so the table looks the same everywhere.
// Sizes are in points at 96 dots per inch (pixel size = points * 4 / 3), as the layout is.
#pragma once

#include <QFont>

namespace fonts {

void LoadEmbeddedFonts();  // once, after the QGuiApplication exists

QFont Garamond(double points, bool bold = true);  // EB Garamond
QFont Aardvark(double points, bool bold = true);  // the bold display face of labels and buttons
QFont Arial(double points, bool bold = false);    // Liberation Sans
QFont Verdana(double points, bool bold = false);  // DejaVu Sans
QFont SansSerif(double points = 8.25, bool bold = false);  // the windows' default face

}  // namespace fonts
