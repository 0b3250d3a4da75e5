// The hint panel: the best holds of the hand on the table, each with its mean pay in credits.
#pragma once

#include <QPainter>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "engine/Card.h"
#include "engine/analysis/StrategyChart.h"
#include "game/HoldHints.h"

class HintPanel : public QWidget {
    Q_OBJECT
public:
    // Placed over the top of `table`, hidden until shown. `stake` is the credits one hand costs.
    HintPanel(QWidget* table, int stake);

    // Says the holds are still being worked out.
    void ShowPending();
    // Lists `holds`, best first, for the hand `dealt` in table order, each named by its line of
    // `chart` (the chart of the table in play; none named without one), and `note` under them
    // (where the chart's hold is not the best); the panel grows to fit.
    void ShowHolds(const modcards::Hand& dealt, std::vector<HoldHint> holds,
                   const modcards::analysis::StrategyChart* chart, const QString& note = {});
    // Says why there is no hint.
    void ShowFailure(const QString& why);

    const std::vector<HoldHint>& Holds() const { return holds_; }
    // The chart line naming each hold listed, in the order of Holds(); empty without a chart.
    const QStringList& ChartLines() const { return chartLines_; }
    const QString& Note() const { return note_; }
    // What the panel says, one line per row; also its accessible description.
    const QString& Text() const { return text_; }

signals:
    void Dismissed();  // the player clicked the panel to put the hint away

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetMessage(const QString& message);
    void PaintRow(QPainter& painter, const HoldHint& hold, const QString& chartLine, int top) const;
    static int RowHeight(const QString& chartLine);

    int stake_;
    modcards::Hand dealt_{};
    std::vector<HoldHint> holds_;
    QStringList chartLines_;
    QString note_;
    int decimals_ = 2;  // enough for every listed value against the best (HoldsDecimals)
    QString message_;   // shown instead of rows while there are none
    QString text_;
};
