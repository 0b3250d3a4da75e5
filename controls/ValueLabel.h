// A value on the row of its caption, read by screen readers as one: "Hands Played: 12".
#pragma once

#include <QLabel>
#include <QPointer>
#include <QString>

// Screen readers read the caption with the value, "caption: value", or with a column head,
// "caption, column: value", and leave the caption out on its own. Nothing ties the two by a
// labelled-by relation: Orca takes a label with a relation for a mere label and leaves it out
// when it reads a dialog.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    // `column` empty for a row of one value.
    ValueLabel(QLabel& caption, const QString& column, QWidget* parent);

    // What a screen reader reads; follows the text as it changes.
    QString SpokenText() const;

private:
    QPointer<QLabel> caption_;
    QString column_;
};
