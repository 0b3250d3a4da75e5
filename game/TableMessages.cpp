// What the table tells the player when a file fails or a balance or count reaches its limit.
#include "game/TableMessages.h"

QString StakeRefusedText(std::int16_t credits, std::int16_t stake) {
    return QStringLiteral(
               "Your balance is %1 credits, the lowest an account can hold is -32768.\r\n"
               "A deal costs %2 credits, so this hand cannot be dealt.")
        .arg(credits)
        .arg(stake);
}

QString LimitText(const output::LimitReport& report) {
    QString text;
    if (report.creditsAtLimit)
        text += QStringLiteral(
            "Your balance has reached 32767 credits, the most an account can "
            "hold; the rest of this win could not be added.");
    if (report.countersAtLimit) {
        if (!text.isEmpty()) text += QStringLiteral("\r\n");
        text += QStringLiteral(
            "Your statistics have reached 32767, the most an account can count; "
            "from now on hands are paid but no longer counted.");
    }
    return text;
}

output::LimitReport LimitsNotYetTold(const output::LimitReport& reached,
                                     output::LimitReport& told) {
    const output::LimitReport untold{
        .creditsAtLimit = reached.creditsAtLimit && !told.creditsAtLimit,
        .countersAtLimit = reached.countersAtLimit && !told.countersAtLimit};
    told.creditsAtLimit |= reached.creditsAtLimit;
    told.countersAtLimit |= reached.countersAtLimit;
    return untold;
}

QString FinishHandFirstText() {
    return QStringLiteral(
        "A hand is in play: finish the hand first.\r\n"
        "Draw, then choose the player; the hand is settled to the account that paid for it.");
}

QString PracticeRefillText(std::int32_t balance, int stake) {
    return QStringLiteral(
               "Your practice balance is %1 credits and a deal costs %2.\r\n"
               "Refill the practice balance to play on.")
        .arg(balance)
        .arg(stake);
}

QString FinishPracticeHandFirstText() {
    return QStringLiteral(
        "A hand is in play: finish the hand first.\r\n"
        "Draw, then change the table; the hand is settled at the table it was dealt at.");
}
