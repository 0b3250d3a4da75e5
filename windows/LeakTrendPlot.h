// The review's trend: what mistakes cost per 100 hands, session by session, as bars painted by
// our own code.
#pragma once

#include <QWidget>
#include <vector>

#include "game/history/LeakGroups.h"

class LeakTrendPlot : public QWidget {
    Q_OBJECT
public:
    explicit LeakTrendPlot(QWidget* parent = nullptr);

    // The sessions in the order played; the description for screen readers follows.
    void SetSessions(std::vector<history::SessionLeaks> sessions);
    const std::vector<history::SessionLeaks>& Sessions() const { return sessions_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<history::SessionLeaks> sessions_;
};
