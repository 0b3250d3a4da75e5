// The save dialog of Backup Statistics: Qt's own file dialog, which reads no file of the folder.
#pragma once

#include <QString>
#include <QWidget>

// The file name the player chose, or `presetName` on Cancel. The dialog opens in the folder of
// `presetName` with that name filled in. It never opens a file to learn its type or icon: closing
// any descriptor of History.db or its companions would drop the locks SQLite holds on them in
// this process, so they are also left out of the list.
QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& presetName);
