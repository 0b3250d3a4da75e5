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
    // The same balance with points added at its end: only those are read.
    void BalanceGrew();
    const std::vector<history::BalancePoint>& Balance() const { return *balance_; }
    // What the balance line is called in the legend and the description: "Your balance" when
    // empty. The legend takes a second row when the plot is too narrow for it.
    void SetCaption(const QString& caption);
    QString Caption() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Hands first..last in one summary: a million hands are painted from a few thousand runs,
    // and a hand added changes the last run alone.
    struct Run {
        std::size_t first, last, lowest, highest;  // lowest and highest actual balance
        double low, high;                          // the extremes of either balance
    };
    static constexpr std::size_t kMostRuns = 4096;
    void Summarise();  // the points not yet in a run
    Run Merged(const Run& a, const Run& b) const;
    void Describe();

    struct Frame;  // the data's ranges and the plot area, to map data to pixels
    void PaintGrid(QPainter& painter, const Frame& frame) const;
    void PaintLines(QPainter& painter, const Frame& frame) const;
    void PaintLegend(QPainter& painter) const;
    bool LegendInTwoRows() const;

    static const std::vector<history::BalancePoint> kNoBalance;
    const std::vector<history::BalancePoint>* balance_ = &kNoBalance;
    std::vector<Run> runs_;
    std::size_t runLength_ = 1;  // hands in a full run: a power of two
    QString caption_;
};
