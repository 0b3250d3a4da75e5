// The texts of the help and hand-rankings windows, each line stored with CR LF after it.
#pragma once

#include <QString>

namespace helptexts {

QString Objective();  // five lines: credits, the aim, the draw, the payout
QString Specialty();  // two lines: deuces are wild
QString Playing();    // eight lines: how a hand is played
QString Rankings();   // nine paragraphs, one line each, with an empty line between them

// The table's return under perfect play, given per credit wagered (0.9927 for 99.27%):
// "With perfect play this table returns 99.27% of the credits wagered."
QString PerfectPlayReturn(double perCredit);

}  // namespace helptexts
