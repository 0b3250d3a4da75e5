// The statistics window: the account at the table, filled when it is opened.
#pragma once

#include <QLabel>
#include <QLocale>
#include <QWidget>
#include <array>

#include "accounts/PlayerRecord.h"

class frmStats : public QWidget {
    Q_OBJECT
public:
    explicit frmStats(QWidget* mainWindow);

    // Fills every value label from the record.
    void Fill(const output::PlayerRecord& record, const QLocale& locale = QLocale());

    QLabel* lblpname(int index) const;
    QLabel* lblval(int index) const;  // 0..28
    QLabel* lblSts(int index) const;  // 0..17

public slots:
    void cmdOK_Click();  // hide, and bring the main window back to the front

protected:
    void closeEvent(QCloseEvent* event) override;  // unloads the window

private:
    QWidget* mainWindow_;
    QLabel* lblpname_ = nullptr;
    std::array<QLabel*, 29> lblval_{};
    std::array<QLabel*, 18> lblSts_{};
};
