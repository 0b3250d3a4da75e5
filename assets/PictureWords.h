// The words some pictures carry, for those who hear the game rather than see it.
#pragma once

#include <QString>

namespace artwork {

// The line lettered on caption picture 1..13 ("Press Deal To Start The Game"); empty for any
// other number.
QString CaptionText(int picture);

// The lines lettered on the exit picture, each ended by a full stop.
QString ExitPictureText();

}  // namespace artwork
