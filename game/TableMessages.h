// What the table tells the player when a file fails or a balance or count reaches its limit.
#pragma once

#include <QString>
#include <cstdint>

#include "accounts/AccountsFile.h"
#include "accounts/Statistics.h"

// The text for a deal refused because the stake would take the balance below -32768.
QString StakeRefusedText(std::int16_t credits, std::int16_t stake);

// The text for fields that stopped at 32767 while a hand was recorded; empty when none did.
QString LimitText(const output::LimitReport& report);

// The limits of `reached` that `told` does not hold yet; `told` takes them in. A player is told
// of each limit once, not at every hand that meets it again.
output::LimitReport LimitsNotYetTold(const output::LimitReport& reached, output::LimitReport& told);

// The text for New Player or Change Player asked between the deal and the draw: the hand
// belongs to the account that paid its stake.
QString FinishHandFirstText();

// The text for a practice deal refused because the practice balance cannot pay the stake.
QString PracticeRefillText(std::int32_t balance, int stake);

// The text for a practice table chosen or left between the deal and the draw.
QString FinishPracticeHandFirstText();
