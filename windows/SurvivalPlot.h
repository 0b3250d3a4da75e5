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
    // The chance at the foot of the scale, and between its lines: 0% and 20% unless both
    // curves stay high, when the scale starts just below the lower one so they can be told apart.
    double ScaleFloor() const { return floor_; }
    double ScaleStep() const { return step_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FitScale();
    double YOf(double chance, const QRectF& area) const;
    QPolygonF Curve(const std::vector<double>& lasting, const QRectF& area) const;
    void PaintLegend(QPainter& painter) const;

    std::vector<double> yours_;
    std::vector<double> perfect_;
    double floor_ = 0, step_ = 0.2;
};
