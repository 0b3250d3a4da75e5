// The words and figures of the hand analyser.
#include "game/HandAnalysisTexts.h"

#include <QLocale>

#include "engine/CardText.h"
#include "engine/HandNames.h"

using modcards::analysis::Fraction;

TypedHand ReadTypedHand(const QString& text) {
    if (text.trimmed().isEmpty())
        return {
            std::nullopt,
            QStringLiteral("Type five cards, such as Ah 2c 5d 9s Kh, or click them in the deck.")};
    QString letters = text;
    letters.replace(u'\u2660', u's').replace(u'\u2666', u'd').replace(u'\u2663', u'c');
    letters.replace(u'\u2665', u'h');
    try {
        return {modcards::ParseHand(letters.toStdString()), QString()};
    } catch (const modcards::CardTextError& error) {
        return {std::nullopt, QStringLiteral("That is not a hand of five cards: %1. Write each "
                                             "card as a rank and a suit, such as Ah or 10d.")
                                  .arg(QString::fromStdString(error.what()))};
    }
}

QString FinalHandName(modcards::HandCategory category) {
    QString name = QString::fromLatin1(modcards::kCategoryNames.at(std::size_t(category)));
    name[0] = name[0].toUpper();
    return name;
}

Fraction InCredits(const Fraction& perUnit, int stake) {
    return Fraction::Of(perUnit.numerator * stake, perUnit.denominator);
}

QString DecimalText(const Fraction& value, int decimals) {
    return QString::fromStdString(value.denominator == 1 ? value.Decimal(0)
                                                         : value.Decimal(decimals));
}

QString WaysText(std::int64_t ways) {
    return QLocale(QLocale::English).toString(static_cast<qlonglong>(ways));
}
