// The survival plot: chances on an even scale up to 100%, hands from 0 to the trip's end.
#include "windows/SurvivalPlot.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "assets/Fonts.h"
#include "windows/PlotLook.h"

namespace {

using namespace plotlook;

constexpr int kLeft = 48, kRight = 16, kTop = 30, kBottom = 36;
const QColor kYours(24, 64, 168);
const QColor kPerfect(255, 128, 0);

}  // namespace

SurvivalPlot::SurvivalPlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("plotSurvival"));
    setAccessibleName(QStringLiteral("Chance of still having a bet to stake, hand by hand"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumHeight(160);
}

void SurvivalPlot::SetCurves(std::vector<double> yours, std::vector<double> perfect) {
    yours_ = std::move(yours);
    perfect_ = std::move(perfect);
    if (!yours_.empty() && !perfect_.empty())
        setAccessibleDescription(
            QStringLiteral("After %1 hands: %2% playing as you do, %3% with perfect play.")
                .arg(yours_.size() - 1)
                .arg(yours_.back() * 100, 0, 'f', 1)
                .arg(perfect_.back() * 100, 0, 'f', 1));
    FitScale();
    update();
}

void SurvivalPlot::FitScale() {
    floor_ = 0;
    step_ = 0.2;
    if (yours_.empty() || perfect_.empty()) return;
    const double lowest = std::min(*std::min_element(yours_.begin(), yours_.end()),
                                   *std::min_element(perfect_.begin(), perfect_.end()));
    // Below one half the whole scale reads best; above it, 97% and 99% would be one line.
    if (lowest < 0.5) return;
    step_ = NiceStep(1 - lowest, 5, 0.001);
    floor_ = std::floor(lowest / step_) * step_;
    if (floor_ > 1 - step_) floor_ = 1 - step_;
}

double SurvivalPlot::YOf(double chance, const QRectF& area) const {
    return area.bottom() - area.height() * (chance - floor_) / (1 - floor_);
}

QPolygonF SurvivalPlot::Curve(const std::vector<double>& lasting, const QRectF& area) const {
    QPolygonF curve;
    const double hands = std::max<double>(1, double(lasting.size()) - 1);
    // One point per pixel column at most: the curve only falls, so nothing is lost.
    const auto step = std::max<std::size_t>(1, std::size_t(hands / std::max(1.0, area.width())));
    for (std::size_t n = 0; n < lasting.size(); n += step)
        curve << QPointF(area.left() + area.width() * double(n) / hands, YOf(lasting[n], area));
    curve << QPointF(area.right(), YOf(lasting.back(), area));
    return curve;
}

void SurvivalPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRectF area(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom);
    painter.setFont(fonts::SansSerif(8.25));
    // As many decimals as the step needs: "97.5%", "99.8%", "100%".
    const int decimals = std::max(0, int(std::ceil(-std::log10(step_ * 100) - 1e-9)));
    for (double chance = floor_; chance <= 1 + step_ / 2; chance += step_) {
        const double y = std::round(YOf(std::min(chance, 1.0), area)) + 0.5;
        painter.setPen(kGrid);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(kText);
        painter.drawText(QRectF(0, y - 8, kLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(std::min(chance, 1.0) * 100, 'f', decimals) + u'%');
    }
    const double hands = std::max<double>(1, double(yours_.size()) - 1);
    const double step = NiceStep(hands, 6, 1.0);
    for (double n = 0; n <= hands + step / 2; n += step) {
        const double x = std::round(area.left() + area.width() * std::min(n, hands) / hands) + 0.5;
        painter.setPen(kGrid);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(kText);
        painter.drawText(QRectF(x - 30, area.bottom() + 2, 60, 14), Qt::AlignCenter,
                         QLocale(QLocale::English).toString(qlonglong(std::llround(n))));
    }
    painter.setPen(kFrame);
    painter.drawRect(area);
    painter.setPen(kText);
    painter.drawText(QRectF(area.left(), height() - 16, area.width(), 14), Qt::AlignCenter,
                     QStringLiteral("Hands played"));
    PaintLegend(painter);
    if (yours_.empty() || perfect_.empty()) return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kPerfect, 2, Qt::DashLine));
    painter.drawPolyline(Curve(perfect_, area));
    painter.setPen(QPen(kYours, 2));
    painter.drawPolyline(Curve(yours_, area));
}

void SurvivalPlot::PaintLegend(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font());
    double x = kLeft;
    const double y = kTop / 2.0;
    const auto entry = [&](const QPen& pen, const QString& text) {
        painter.setPen(pen);
        painter.drawLine(QPointF(x, y), QPointF(x + 26, y));
        painter.setPen(kText);
        painter.drawText(QPointF(x + 32, y + metrics.ascent() / 2 - 1), text);
        x += 32 + metrics.horizontalAdvance(text) + 24;
    };
    entry(QPen(kYours, 2), QStringLiteral("Still playing, as you play"));
    entry(QPen(kPerfect, 2, Qt::DashLine), QStringLiteral("with perfect play"));
    painter.restore();
}
