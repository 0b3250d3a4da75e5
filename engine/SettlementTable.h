// What the table shows for each settled category: message, pay and pictures.
#pragma once

#include <string_view>

#include "engine/HandEvaluation.h"

namespace modcards {

enum class ChartHalf { None, Left, Right };

struct SettlementRow {
    std::string_view message;  // the text written to lblCon, exact characters
    int pay;                   // credits added to the shown balance (0 for code 0)
    int captionPicture;        // 1-based picture of ILCaption
    ChartHalf chartHalf;       // which pay-chart half lights a row
    int chartPicture;          // 1-based picture of that half's list; 0 with ChartHalf::None
};

// The row of `code` 0..10; any other code gets the row of 0.
const SettlementRow& SettlementResult(HandCategory code);

}  // namespace modcards
