// The chart window's plot: what a chart costs against how many lines it has, from the shortest
// to the full chart (the frontier), the levels on it and the chosen one marked.
#pragma once

#include <QPainter>
#include <QWidget>
#include <vector>

#include "engine/analysis/ChartLevels.h"

class FrontierPlot : public QWidget {
    Q_OBJECT
public:
    explicit FrontierPlot(QWidget* parent = nullptr);

    // `frontier`, shortest budget first; `levels` the budgets (line counts) of the levels.
    void SetFrontier(std::vector<modcards::analysis::FrontierPoint> frontier,
                     std::vector<int> levels);
    // Marks the level whose budget is `lines`; the description for screen readers follows.
    void MarkLevel(int lines, const QString& name);
    int MarkedLines() const { return marked_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Frame;  // the data's ranges and the plot area
    void PaintAxes(QPainter& painter, const Frame& frame) const;
    void PaintPoints(QPainter& painter, const Frame& frame) const;

    std::vector<modcards::analysis::FrontierPoint> frontier_;
    std::vector<int> levels_;
    int marked_ = 0;
    QString markedName_;
};
