// The practice tables: presets, parsing a typed table, and the table a hand plays.
#include "game/PracticeTable.h"

#include <QRegularExpression>
#include <algorithm>

#include "engine/analysis/PaysParsing.h"
#include "game/history/HandRecord.h"

namespace {

// Names as players and guides call them, short-pay tables by their pays from three of a kind up
// to the wild royal; the returns are worked out by the analysis.
const std::vector<PracticeTable> kPresets = {
    PracticeTableOf(QStringLiteral("This Game's Table"), modcards::GamePayTable()),
    {QStringLiteral("Full Pay"), {800, 200, 25, 15, 9, 5, 3, 2, 2, 1}},
    {QStringLiteral("Not So Ugly Ducks"), {800, 200, 25, 16, 10, 4, 4, 3, 2, 1}},
    {QStringLiteral("Loose Deuces"), {800, 500, 25, 15, 8, 4, 3, 2, 2, 1}},
    {QStringLiteral("Deuces 25/15/9/4/4/3/2/1"), {800, 200, 25, 15, 9, 4, 4, 3, 2, 1}},
    {QStringLiteral("Deuces 20/12/10/4/4/3/2/1"), {800, 200, 20, 12, 10, 4, 4, 3, 2, 1}},
};

QString Simplified(const QString& name) {
    QString key = name.toLower();
    key.remove(QRegularExpression(QStringLiteral("[\\s\\-_']")));
    return key;
}

}  // namespace

modcards::PayTable PracticeTable::PayTable() const {
    modcards::PayTable table{};
    table[0] = kPracticeStake;
    for (std::size_t c = 0; c < pays.size(); ++c)
        table[c + 1] = static_cast<std::int16_t>(pays[c] * kPracticeStake);
    return table;
}

QString PracticeTable::PaysText() const {
    return QString::fromStdString(history::PaysText(PayTable()));
}

PracticeTable PracticeTableOf(const QString& name, const modcards::PayTable& payTable) {
    PracticeTable table{name, {}};
    for (std::size_t c = 0; c < table.pays.size(); ++c)
        table.pays[c] = payTable[c + 1] / std::max<int>(payTable[0], 1);
    return table;
}

const std::vector<PracticeTable>& PracticePresets() {
    return kPresets;
}

PracticeChoice ParsePracticeTable(const QString& text) {
    const QString trimmed = text.trimmed();
    for (const PracticeTable& preset : kPresets)
        if (Simplified(preset.name) == Simplified(trimmed)) return {preset, {}};
    modcards::analysis::Pays pays;
    try {
        pays = modcards::analysis::ParsePays(trimmed.toStdString());
    } catch (const modcards::analysis::PaysTextError& error) {
        return {std::nullopt,
                QStringLiteral("\"%1\" is neither a table's name nor a pay table: %2.")
                    .arg(trimmed, QString::fromStdString(error.what()))};
    }
    PracticeTable table{QStringLiteral("Custom"), {}};
    for (int c = 1; c <= 10; ++c) {
        // The table plays whole credits, so a pay is a whole number per credit bet.
        if (pays.perCategory[c] % pays.unit != 0)
            return {std::nullopt,
                    QStringLiteral("Pay %1 is not a whole number: a practice table pays whole "
                                   "credits for each credit bet.")
                        .arg(c)};
        const std::int64_t pay = pays.perCategory[c] / pays.unit;
        if (pay > kMostPracticePay)
            return {std::nullopt,
                    QStringLiteral("Pay %1 (%2) is too large: at most %3 for each credit bet.")
                        .arg(c)
                        .arg(pay)
                        .arg(kMostPracticePay)};
        table.pays[std::size_t(c - 1)] = int(pay);
    }
    for (const PracticeTable& preset : kPresets)
        if (preset.pays == table.pays) return {preset, {}};
    return {table, {}};
}

QString PracticeTitle(const PracticeTable& table, std::optional<double> returnPerCredit) {
    QStringList pays;
    for (const int pay : table.pays) pays << QString::number(pay);
    QString title = QStringLiteral("%1 (%2)").arg(table.name, pays.join(QLatin1Char('/')));
    if (returnPerCredit)
        title += QStringLiteral(", return %1%").arg(*returnPerCredit * 100, 0, 'f', 2);
    return title;
}

QString TableName(const QString& paysText) {
    for (const PracticeTable& preset : kPresets)
        if (preset.PaysText() == paysText) return preset.name;
    QString pays = paysText;
    return pays.replace(QLatin1Char(','), QLatin1Char('/'));
}

QString TableName(const modcards::PayTable& table) {
    return TableName(QString::fromStdString(history::PaysText(table)));
}
