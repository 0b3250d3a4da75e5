// The hand-rankings window: every paying hand with its definition and an example.
#pragma once

#include <QWidget>

class frmRankings : public QWidget {
    Q_OBJECT
public:
    explicit frmRankings(QWidget* parent = nullptr);

public slots:
    void cmdOK_Click();  // unloads the window
};
