// The bankroll window's plot: the chance of still having a bet to stake after each hand,
// playing as the player does beside perfect play.
#pragma once

#include <QPainter>
#include <QWidget>
#include <vector>

class SurvivalPlot : public QWidget {
    Q_OBJECT
public:
    explicit SurvivalPlot(QWidget* parent = nullptr);

    // The chance of not being broke after 0, 1, 2, ... hands, both of the same length.
    void SetCurves(std::vector<double> yours, std::vector<double> perfect);
    const std::vector<double>& Yours() const { return yours_; }
    const std::vector<double>& Perfect() const { return perfect_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPolygonF Curve(const std::vector<double>& lasting, const QRectF& area) const;
    void PaintLegend(QPainter& painter) const;

    std::vector<double> yours_;
    std::vector<double> perfect_;
};
