// The trend plot: a bar per session, its height the credits mistakes cost per 100 hands.
#include "windows/LeakTrendPlot.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "assets/Fonts.h"
#include "game/HintTexts.h"
#include "game/LeakTexts.h"
#include "windows/PlotLook.h"

namespace {

using namespace plotlook;

constexpr int kLeft = 52, kRight = 12, kTop = 26, kBottom = 34;
const QColor kBar(24, 64, 168);

}  // namespace

LeakTrendPlot::LeakTrendPlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("plotTrend"));
    setAccessibleName(QStringLiteral("Cost of mistakes per 100 hands, by session"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetSessions({});
}

void LeakTrendPlot::SetSessions(std::vector<history::SessionLeaks> sessions) {
    sessions_ = std::move(sessions);
    QStringList lines;
    for (const history::SessionLeaks& session : sessions_) lines << SessionLeaksText(session);
    setAccessibleDescription(lines.isEmpty() ? QStringLiteral("No hands yet")
                                             : lines.join(QStringLiteral(". ")));
    update();
}

void LeakTrendPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setFont(fonts::SansSerif(8.25));
    painter.setPen(kText);
    painter.drawText(QRectF(kLeft, 0, width() - kLeft - kRight, kTop), Qt::AlignVCenter,
                     QStringLiteral("Credits lost to mistakes per 100 hands, by session"));
    const QRectF area(kLeft, kTop, std::max(1, width() - kLeft - kRight),
                      std::max(1, height() - kTop - kBottom));
    if (sessions_.empty()) {
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("No hands yet"));
        return;
    }
    double highest = 0;
    for (const auto& session : sessions_) highest = std::max(highest, session.PerHundredHands());
    const double step = NiceStep(std::max(highest, 1.0), 4, 1e-6);
    const double top = std::max(step, std::ceil(highest / step) * step);
    const auto y = [&](double credits) { return area.bottom() - area.height() * credits / top; };
    for (double credits = 0; credits <= top + step / 2; credits += step) {
        painter.setPen(QPen(kGrid, 1));
        painter.drawLine(QPointF(area.left(), y(credits)), QPointF(area.right(), y(credits)));
        painter.setPen(kText);
        painter.drawText(QRectF(0, y(credits) - 8, kLeft - 6, 16),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(credits, 'g', 4));
    }
    // Bars side by side; session numbers under as many as have room.
    const double slot = area.width() / double(sessions_.size());
    const QFontMetricsF metrics(painter.font());
    const double labelWidth = metrics.horizontalAdvance(QStringLiteral("00000")) + 4;
    const auto labelEvery = std::max<std::size_t>(1, std::size_t(std::ceil(labelWidth / slot)));
    for (std::size_t i = 0; i < sessions_.size(); ++i) {
        const double left = area.left() + slot * double(i);
        const double cost = sessions_[i].PerHundredHands();
        const QRectF bar(left + slot * 0.15, y(cost), std::max(1.0, slot * 0.7),
                         area.bottom() - y(cost));
        painter.fillRect(bar, kBar);
        if (i % labelEvery == 0) {
            painter.drawText(
                QRectF(left + slot / 2 - labelWidth / 2, area.bottom() + 2, labelWidth, 14),
                Qt::AlignCenter, QString::number(sessions_[i].session));
        }
    }
    painter.drawText(QRectF(area.left(), area.bottom() + 16, area.width(), 16), Qt::AlignCenter,
                     QStringLiteral("Session"));
    painter.setPen(QPen(kText, 1));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
}
