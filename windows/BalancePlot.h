// The review's plot: the balance over the hands beside the balance perfect play would have
// expected on the same deals, painted by our own code so it is sharp at any pixel ratio.
#pragma once

#include <QPainter>
#include <QWidget>
#include <vector>

#include "game/history/SessionReview.h"

class BalancePlot : public QWidget {
    Q_OBJECT
public:
    explicit BalancePlot(QWidget* parent = nullptr);

    // The balance after 0, 1, 2, ... hands (SessionReview::balance), which must stay as it is
    // until the next call: a million points are not copied. The description for screen readers
    // follows.
    void SetBalance(const std::vector<history::BalancePoint>& balance);
    const std::vector<history::BalancePoint>& Balance() const { return *balance_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Frame;  // the data's ranges and the plot area, to map data to pixels
    void PaintGrid(QPainter& painter, const Frame& frame) const;
    void PaintLines(QPainter& painter, const Frame& frame) const;
    void PaintLegend(QPainter& painter) const;

    static const std::vector<history::BalancePoint> kNoBalance;
    const std::vector<history::BalancePoint>* balance_ = &kNoBalance;
};
