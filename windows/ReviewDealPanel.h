// The review's deal panel: the cards of a hand from the history and its best holds with their
// values, the best lit and the hold the player took framed, painted like the table's hint.
#pragma once

#include <QPainter>
#include <QString>
#include <QWidget>
#include <vector>

#include "engine/analysis/HoldAdvisor.h"
#include "game/HoldHints.h"
#include "game/history/GradingChart.h"
#include "game/history/HandRecord.h"

class ReviewDealPanel : public QWidget {
    Q_OBJECT
public:
    // `stake` is the credits one hand costs.
    ReviewDealPanel(QWidget* parent, int stake);

    // The deal of `hand` with its best holds by `advisor`, and the hold taken when it is not
    // among them; a hand of another table than the advisor's is not valued (said in words). The
    // chart of `grading` tells when the deal is one of its exceptions, at its own table only.
    void ShowHand(const history::HandRecord& hand, const modcards::analysis::HoldAdvisor& advisor,
                  const history::GradingChart& grading = history::GameGrading());
    // No deal: says why.
    void ShowMessage(const QString& message);

    const std::vector<HoldHint>& Holds() const { return holds_; }
    // What the panel says, one line per row; also its accessible description.
    const QString& Text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintCards(QPainter& painter, int top) const;
    void PaintRow(QPainter& painter, const HoldHint& hold, int top) const;
    void PaintGap(QPainter& painter, int top) const;

    int stake_;
    history::HandRecord hand_;
    std::vector<HoldHint> holds_;
    bool gapBeforeTaken_ = false;  // holds left out between the best ones and the hold taken
    QString message_;
    QString footnote_;
    int decimals_ = 2;  // enough for every listed value against the best (HoldsDecimals)
    QString text_;
};
