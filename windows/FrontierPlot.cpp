// The frontier plot: the cost on a scale of powers of ten, since it falls from whole percents
// to thousandths; the lines on an even scale.
#include "windows/FrontierPlot.h"

#include <algorithm>
#include <cmath>

#include "assets/Fonts.h"
#include "windows/PlotLook.h"

namespace {

using namespace plotlook;

constexpr int kLeft = 62, kRight = 12, kTop = 8, kBottom = 30;
const QColor kCurve(24, 64, 168);
const QColor kLevel(255, 128, 0);
const QColor kMarked(176, 24, 24);  // the chart's lit red

double CostPercent(const modcards::analysis::FrontierPoint& point) {
    return point.cost.ToDouble() * 100;
}

// "10%", "0.01%", "0.0088%": `figures` significant figures, never in exponent form.
QString PercentText(double percent, int figures = 2) {
    const int decimals =
        std::max(0, figures - 1 - static_cast<int>(std::floor(std::log10(percent))));
    return QString::number(percent, 'f', decimals) + u'%';
}

}  // namespace

struct FrontierPlot::Frame {
    QRectF area;
    double fewest = 0, most = 1;          // lines at the left and right edges
    double lowPower = -3, highPower = 1;  // powers of ten of the percent at bottom and top

    double X(double lines) const {
        return area.left() + area.width() * (lines - fewest) / std::max(1.0, most - fewest);
    }
    double Y(double percent) const {
        const double power = std::log10(std::max(percent, std::pow(10.0, lowPower)));
        return area.bottom() - area.height() * (power - lowPower) / (highPower - lowPower);
    }
};

FrontierPlot::FrontierPlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("plotFrontier"));
    setAccessibleName(QStringLiteral("What a chart costs against its number of lines"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumHeight(120);
}

void FrontierPlot::SetFrontier(std::vector<modcards::analysis::FrontierPoint> frontier,
                               std::vector<int> levels) {
    frontier_ = std::move(frontier);
    levels_ = std::move(levels);
    update();
}

void FrontierPlot::MarkLevel(int lines, const QString& name) {
    marked_ = lines;
    markedName_ = name;
    for (const auto& point : frontier_)
        if (point.lines == lines)
            setAccessibleDescription(QStringLiteral("%1 lines cost %2 of each bet; the full chart, "
                                                    "%3 lines, costs %4.")
                                         .arg(lines)
                                         .arg(PercentText(CostPercent(point)))
                                         .arg(frontier_.back().lines)
                                         .arg(PercentText(CostPercent(frontier_.back()))));
    update();
}

void FrontierPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (frontier_.empty()) return;
    Frame frame;
    frame.area = QRectF(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom);
    frame.fewest = frontier_.front().lines;
    frame.most = std::max(frame.fewest + 1, double(frontier_.back().lines));
    double low = 100, high = 0;
    for (const auto& point : frontier_) {
        if (CostPercent(point) > 0) low = std::min(low, CostPercent(point));
        high = std::max(high, CostPercent(point));
    }
    frame.lowPower = std::floor(std::log10(std::max(low, 1e-6)));
    frame.highPower = std::max(frame.lowPower + 1, std::ceil(std::log10(std::max(high, 1e-6))));
    PaintAxes(painter, frame);
    PaintPoints(painter, frame);
}

void FrontierPlot::PaintAxes(QPainter& painter, const Frame& frame) const {
    painter.setFont(fonts::SansSerif(8.25));
    const QRectF& area = frame.area;
    for (double power = frame.lowPower; power <= frame.highPower; ++power) {
        const double percent = std::pow(10.0, power);
        const double y = std::round(frame.Y(percent)) + 0.5;
        painter.setPen(kGrid);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(kText);
        painter.drawText(QRectF(0, y - 8, kLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         PercentText(percent, 1));
    }
    const int step = frame.most - frame.fewest > 40 ? 10 : 5;
    for (int lines = int(std::ceil(frame.fewest / step)) * step; lines <= frame.most;
         lines += step) {
        const double x = std::round(frame.X(lines)) + 0.5;
        painter.setPen(kGrid);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(kText);
        painter.drawText(QRectF(x - 20, area.bottom() + 2, 40, 14), Qt::AlignCenter,
                         QString::number(lines));
    }
    painter.setPen(kFrame);
    painter.drawRect(area);
    painter.setPen(kText);
    painter.drawText(QRectF(area.left(), height() - 15, area.width(), 14), Qt::AlignCenter,
                     QStringLiteral("Lines in the chart; cost of each bet on the left"));
}

void FrontierPlot::PaintPoints(QPainter& painter, const Frame& frame) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF curve;
    for (const auto& point : frontier_)
        curve << QPointF(frame.X(point.lines), frame.Y(CostPercent(point)));
    painter.setPen(QPen(kCurve, 1.5));
    painter.drawPolyline(curve);
    for (const auto& point : frontier_) {
        const QPointF at(frame.X(point.lines), frame.Y(CostPercent(point)));
        const bool level = std::find(levels_.begin(), levels_.end(), point.lines) != levels_.end();
        if (point.lines == marked_) {
            painter.setPen(QPen(Qt::white, 1.5));
            painter.setBrush(kMarked);
            painter.drawEllipse(at, 6, 6);
            painter.setPen(kMarked);
            painter.setFont(fonts::SansSerif(9, true));
            const QString label = QStringLiteral("%1: %2 lines, %3")
                                      .arg(markedName_)
                                      .arg(point.lines)
                                      .arg(PercentText(CostPercent(point)));
            const double width = QFontMetricsF(painter.font()).horizontalAdvance(label) + 4;
            const double left =
                std::clamp(at.x() + 9, frame.area.left() + 2, frame.area.right() - width);
            const double top = at.y() - 22 < frame.area.top() ? at.y() + 6 : at.y() - 22;
            painter.drawText(QRectF(left, top, width, 16), Qt::AlignLeft | Qt::AlignVCenter, label);
        } else if (level) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(kLevel);
            painter.drawEllipse(at, 4, 4);
        }
    }
    painter.restore();
}
