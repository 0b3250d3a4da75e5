// The mark that every deuce carries: deuces are wild, and a player sees it at a glance.
#pragma once

#include <QPainter>

namespace artwork {

// A gold ribbon lettered "WILD" across the middle of a 77 x 108 card face, clear of the corner
// indices, the pips and the white margin at the card's sides.
void PaintWildMark(QPainter& p);

}  // namespace artwork
