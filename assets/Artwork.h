// The game's pictures, painted by our own code at any device pixel ratio.
// Each function returns a pixmap of the stated logical size in pixels, with
// devicePixelRatio() == dpr, so it stays crisp on high-density screens.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <array>

namespace artwork {

QPixmap CardFace(int suit, int value, qreal dpr);  // 77 x 108; suit 0..3 (S D C H), value 1..13
QPixmap CardBack(qreal dpr);                       // 80 x 108, green with the maker's logo
QPixmap ChartLeft(int picture, qreal dpr);         // 180 x 100; picture 1..6 (1 = no row lit)
QPixmap ChartRight(int picture, qreal dpr);        // 180 x 100; picture 1..6
// The same halves for another table: the credits of each row, top down, up to five digits.
using ChartPays = std::array<int, 5>;
QPixmap ChartLeft(int picture, qreal dpr, const ChartPays& pays);
QPixmap ChartRight(int picture, qreal dpr, const ChartPays& pays);
QPixmap Caption(int picture, qreal dpr);       // 420 x 40; picture 1..13, blue lettering
QPixmap OtherPicture(int picture, qreal dpr);  // the button pictures 1..7, each at its size
QPixmap EndGameButton(qreal dpr);              // 99 x 20, green letters on blue
QPixmap Backdrop(qreal dpr);                   // 800 x 600 card room with the title and logo
QPixmap Logo(qreal dpr);                       // 94 x 55, the maker's logo
QPixmap Lettering(qreal dpr);                  // 150 x 59, the title in yellow letters
QPixmap ExitPicture(qreal dpr);                // 400 x 300 on green felt
QIcon AppIcon();                               // the logo icon, 16 to 256 pixels
QCursor HandCursor();                          // 32 x 32 pointing hand, hot spot (6, 0)

}  // namespace artwork
