// What the table shows for each settled category: the line under the cards, the caption picture
// and the lit row of the pay chart. Settlement itself needs only the pay (modcards::PayOf).
#pragma once

#include <string_view>

#include "engine/HandEvaluation.h"

enum class ChartHalf { None, Left, Right };

struct ResultDisplay {
    std::string_view message;  // the text written to lblCon, exact characters
    int captionPicture;        // 1-based picture of ILCaption
    ChartHalf chartHalf;       // which pay-chart half lights a row
    int chartPicture;          // 1-based picture of that half's list; 0 with ChartHalf::None
};

// The row of `code` 0..10; any other code gets the row of 0.
const ResultDisplay& ResultDisplayOf(modcards::HandCategory code);
