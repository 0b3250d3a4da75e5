// The balance plot: grid and axes on whole device pixels, the two lines antialiased.
#include "windows/BalancePlot.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "assets/Fonts.h"
#include "game/HintTexts.h"
#include "windows/PlotLook.h"

namespace {

using namespace plotlook;

constexpr int kLeft = 64, kRight = 14, kTop = 30, kBottom = 38;
constexpr int kLegendRow = 16, kLegendLine = 32, kLegendGap = 22;  // the line drawn, then words
const QString kExpected = QStringLiteral("Perfect play would have expected");
const QColor kZero(150, 150, 150);
const QColor kActual(24, 64, 168);
const QColor kPerfect(255, 128, 0);

// Where a line `width` logical pixels wide must be centred near `at` so that both its edges
// fall on device pixels: sharp at any pixel ratio.
double Snap(double at, double width, qreal ratio) {
    const double deviceWidth = std::max(1.0, std::round(width * ratio));
    return (std::round(at * ratio - deviceWidth / 2) + deviceWidth / 2) / ratio;
}

// A whole number with its thousands grouped, "-30,000", as a player reads an axis.
QString CountText(double value) {
    return QLocale(QLocale::English).toString(static_cast<qlonglong>(std::llround(value)));
}

}  // namespace

struct BalancePlot::Frame {
    QRectF area;  // the plot area, inside the axes
    double hands = 1;
    double low = -1, high = 1;    // credits at the bottom and the top
    double xStep = 1, yStep = 1;  // between grid lines

    double X(double hand) const { return area.left() + area.width() * hand / hands; }
    double Y(double credits) const {
        return area.bottom() - area.height() * (credits - low) / (high - low);
    }
};

BalancePlot::BalancePlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("plotBalance"));
    setAccessibleName(QStringLiteral("Balance over the hands"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const std::vector<history::BalancePoint> BalancePlot::kNoBalance;

void BalancePlot::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Describe();
}

QString BalancePlot::Caption() const {
    return caption_.isEmpty() ? QStringLiteral("Your balance") : caption_;
}

bool BalancePlot::LegendInTwoRows() const {
    const QFontMetricsF metrics(fonts::SansSerif(8.25));
    return kLeft + 2 * kLegendLine + metrics.horizontalAdvance(Caption()) + kLegendGap +
               metrics.horizontalAdvance(kExpected) >
           width() - kRight;
}

void BalancePlot::SetBalance(const std::vector<history::BalancePoint>& balance) {
    balance_ = &balance;
    runs_.clear();
    runLength_ = 1;
    Summarise();
    Describe();
}

void BalancePlot::BalanceGrew() {
    Summarise();
    Describe();
}

BalancePlot::Run BalancePlot::Merged(const Run& a, const Run& b) const {
    const auto& points = *balance_;
    return {a.first,
            b.last,
            points[b.lowest].actual < points[a.lowest].actual ? b.lowest : a.lowest,
            points[b.highest].actual > points[a.highest].actual ? b.highest : a.highest,
            std::min(a.low, b.low),
            std::max(a.high, b.high)};
}

// Fills the last run, then new ones; a million points take a few milliseconds.
void BalancePlot::Summarise() {
    const auto& points = *balance_;
    std::size_t at = runs_.empty() ? 0 : runs_.back().last + 1;
    while (at < points.size()) {
        if (runs_.empty() || runs_.back().last + 1 - runs_.back().first >= runLength_) {
            const double actual = double(points[at].actual);
            runs_.push_back({at, at, at, at, std::min(actual, points[at].perfect),
                             std::max(actual, points[at].perfect)});
            ++at;
        }
        Run& run = runs_.back();
        const std::size_t end = std::min(points.size(), run.first + runLength_);
        for (; at < end; ++at) {
            const std::int64_t actual = points[at].actual;
            if (actual < points[run.lowest].actual) run.lowest = at;
            if (actual > points[run.highest].actual) run.highest = at;
            run.low = std::min({run.low, double(actual), points[at].perfect});
            run.high = std::max({run.high, double(actual), points[at].perfect});
        }
        run.last = end - 1;
        if (runs_.size() > kMostRuns) {  // twice as long runs, half as many
            for (std::size_t i = 0; i < runs_.size(); ++i)
                runs_[i / 2] = i % 2 == 0 ? runs_[i] : Merged(runs_[i / 2], runs_[i]);
            runs_.resize((runs_.size() + 1) / 2);
            runLength_ *= 2;
        }
    }
}

void BalancePlot::Describe() {
    if (balance_->size() < 2) {
        setAccessibleDescription(QStringLiteral("No hands yet."));
    } else {
        const history::BalancePoint& last = balance_->back();
        setAccessibleDescription(
            QStringLiteral("After %1 hands %2 is %3 credits; perfect play would have "
                           "expected %4.")
                .arg(balance_->size() - 1)
                .arg(Caption().replace(0, 1, Caption().front().toLower()))
                .arg(last.actual)
                .arg(CreditsText(last.perfect)));
    }
    update();
}

void BalancePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    Frame frame;
    const int top = kTop + (LegendInTwoRows() ? kLegendRow : 0);
    frame.area = QRectF(kLeft, top, width() - kLeft - kRight, height() - top - kBottom);
    frame.hands = std::max<double>(1, static_cast<double>(balance_->size()) - 1);
    double low = 0, high = 0;
    for (const Run& run : runs_) {
        low = std::min(low, run.low);
        high = std::max(high, run.high);
    }
    if (low == high) {  // nothing won or lost yet: zero in the middle
        low = -10;
        high = 10;
    }
    frame.yStep = NiceStep(std::max(high - low, 10.0), 5, 1e-9);
    frame.low = std::floor(low / frame.yStep) * frame.yStep;
    frame.high = std::max(frame.low + frame.yStep, std::ceil(high / frame.yStep) * frame.yStep);
    frame.xStep = std::max(1.0, NiceStep(frame.hands, 6, 1e-9));

    PaintGrid(painter, frame);
    PaintLines(painter, frame);
    PaintLegend(painter);
    if (balance_->size() < 2) {
        painter.setFont(fonts::Garamond(12));
        const QString none = QStringLiteral("No hands yet");
        const QRectF box =
            painter.boundingRect(frame.area, Qt::AlignCenter, none).adjusted(-8, -2, 8, 2);
        painter.fillRect(box, Qt::white);
        painter.setPen(kText);
        painter.drawText(box, Qt::AlignCenter, none);
    }
}

// Grid lines at round numbers, the zero line darker, the axes and their titles.
void BalancePlot::PaintGrid(QPainter& painter, const Frame& frame) const {
    const qreal ratio = devicePixelRatioF();
    const QRectF& area = frame.area;
    painter.setFont(fonts::SansSerif(8.25));
    const QFontMetricsF metrics(painter.font());

    for (double credits = frame.low; credits <= frame.high + frame.yStep / 2;
         credits += frame.yStep) {
        const double y = Snap(frame.Y(credits), 1, ratio);
        painter.setPen(QPen(std::abs(credits) < frame.yStep / 2 ? kZero : kGrid, 1));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(kText);
        painter.drawText(QRectF(0, y - 8, kLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         CountText(credits));
    }
    for (double hand = 0; hand <= frame.hands + frame.xStep / 2; hand += frame.xStep) {
        const double x = Snap(frame.X(std::min(hand, frame.hands)), 1, ratio);
        painter.setPen(QPen(kGrid, 1));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(kText);
        // The last label keeps within the plot's right edge.
        const double labelLeft = std::min(x - 30, width() - 61.0);
        painter.drawText(QRectF(labelLeft, area.bottom() + 3, 60, 14),
                         x - 30 > labelLeft ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter,
                         CountText(hand));
    }
    painter.setPen(QPen(kFrame, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(QPointF(Snap(area.left(), 1, ratio), Snap(area.top(), 1, ratio)),
                            QPointF(Snap(area.right(), 1, ratio), Snap(area.bottom(), 1, ratio))));

    painter.setPen(kText);
    painter.drawText(
        QRectF(area.left(), height() - metrics.height() - 2, area.width(), metrics.height()),
        Qt::AlignCenter, QStringLiteral("Hands played"));
    painter.save();
    painter.translate(2, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, 0, area.height(), metrics.height()),
                     Qt::AlignCenter, QStringLiteral("Credits won or lost"));
    painter.restore();
}

// With more hands than pixels, each pixel column keeps the lowest and highest balance in it,
// so no swing disappears from the picture, and the line stays a few thousand points at most.
void BalancePlot::PaintLines(QPainter& painter, const Frame& frame) const {
    const auto& points = *balance_;
    if (points.size() < 2) return;
    const double columns = std::max(1.0, frame.area.width() * devicePixelRatioF());
    const auto perColumn = std::max<std::size_t>(1, std::size_t(double(runs_.size()) / columns));
    QPolygonF actual, perfect;
    const auto add = [&](QPolygonF& line, std::size_t hand, double credits) {
        const QPointF point(frame.X(double(hand)), frame.Y(credits));
        if (line.isEmpty() || line.back() != point) line << point;
    };
    add(actual, 0, 0);
    add(perfect, 0, 0);
    for (std::size_t first = 0; first < runs_.size(); first += perColumn) {
        Run column = runs_[first];
        for (std::size_t i = first + 1; i < std::min(runs_.size(), first + perColumn); ++i)
            column = Merged(column, runs_[i]);
        for (std::size_t hand : {std::min(column.lowest, column.highest),
                                 std::max(column.lowest, column.highest), column.last})
            add(actual, hand, double(points[hand].actual));
        add(perfect, column.last, points[column.last].perfect);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(frame.area.adjusted(-2, -2, 2, 2));
    painter.setPen(QPen(kPerfect, 2, Qt::DashLine, Qt::FlatCap, Qt::BevelJoin));
    painter.drawPolyline(perfect);
    painter.setPen(QPen(kActual, 2, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
    painter.drawPolyline(actual);
    painter.restore();
}

void BalancePlot::PaintLegend(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(fonts::SansSerif(8.25));
    const QFontMetricsF metrics(painter.font());
    double x = kLeft;
    double y = kTop / 2.0;
    const auto entry = [&](const QPen& pen, const QString& text) {
        painter.setPen(pen);
        painter.drawLine(QPointF(x, y), QPointF(x + 26, y));
        painter.setPen(kText);
        painter.drawText(QPointF(x + kLegendLine, y + metrics.ascent() / 2 - 1), text);
        x += kLegendLine + metrics.horizontalAdvance(text) + kLegendGap;
    };
    entry(QPen(kActual, 2, Qt::SolidLine, Qt::FlatCap), Caption());
    if (LegendInTwoRows()) {
        x = kLeft;
        y += kLegendRow;
    }
    entry(QPen(kPerfect, 2, Qt::DashLine, Qt::FlatCap), kExpected);
    painter.restore();
}
