// The help window: the objective, the wild deuces and how a hand is played.
#pragma once

#include <QWidget>

class frmhelp : public QWidget {
    Q_OBJECT
public:
    explicit frmhelp(QWidget* parent = nullptr);

public slots:
    void cmdOK_Click();  // unloads the window
};
