// The texts of the help and hand-rankings windows, each line stored with CR LF after it.
#pragma once

#include <QString>

namespace helptexts {

QString Objective();  // five lines: credits, the aim, the draw, the payout
QString Specialty();  // two lines: deuces are wild
QString Playing();    // eight lines: how a hand is played
QString Rankings();   // nine paragraphs, one line each, with an empty line between them

}  // namespace helptexts
