// The help window: the objective, the wild deuces and how a hand is played.
#pragma once

#include <QLabel>
#include <QWidget>

class frmhelp : public QWidget {
    Q_OBJECT
public:
    explicit frmhelp(QWidget* parent = nullptr);

    // Shows a line on the table's return under the instructions; empty until it is known.
    void ShowReturn(const QString& line);

public slots:
    void cmdOK_Click();  // unloads the window

private:
    QLabel* lblReturn_ = nullptr;
};
