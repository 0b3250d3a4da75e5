// What the table says aloud as a hand goes, without moving the focus: the deal, each hold, the
// result and balance, the hint, the trainer.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "engine/Card.h"
#include "game/HoldHints.h"
#include "game/history/SettledHand.h"

class Announcer;
class HintPanel;
class TableHand;
class QWidget;

// "Dealt: three of hearts, nine of clubs, ...".
QString DealtSentence(const modcards::Hand& dealt);
// "Three of hearts, held" or "Three of hearts, released".
QString HoldSentence(const modcards::Card& card, bool held);
// The result, its pay and the balance the table shows, then the final cards in table order:
// "You won with a flush, 15 credits; balance 210. Your hand: three of hearts, ...".
QString SettledSentence(const history::SettledHand& hand, const QString& balance);
// The best hold of the hint with its mean pay and chart line: "Best hold: keep three of hearts,
// king of hearts: 1.52 credits; Line 20: ...", the line left out when there is none.
QString HintSentence(const modcards::Hand& dealt, const HoldHint& best, const QString& chartLine);

class TableVoice : public QObject {
    Q_OBJECT
public:
    // Speaks through a voice of its own on `host`, following `hand`.
    TableVoice(QWidget& host, const TableHand& hand);

    // The hint as the panel shows it: its best hold, or why there is none yet.
    void SayHint(const HintPanel& panel, const modcards::Hand& dealt);
    void SayTrainer(bool on);

    const Announcer& Voice() const { return *voice_; }

private:
    void SayDealt();
    void SayHold(int slot);
    void SaySettled(const history::SettledHand& hand);

    const TableHand& hand_;
    Announcer* voice_;
};
