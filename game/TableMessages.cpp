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
            "A statistics count has reached 32767, the most it can hold, "
            "and stays there.");
    }
    return text;
}
