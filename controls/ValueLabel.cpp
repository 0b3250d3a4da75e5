// A value on the row of its caption, read by screen readers as one.
#include "controls/ValueLabel.h"

#include "controls/AccessibleTree.h"

ValueLabel::ValueLabel(QLabel& caption, const QString& column, QWidget* parent)
    : QLabel(parent), caption_(&caption), column_(column) {
    a11y::InstallAccessibleTree();  // offers this label by SpokenText
    a11y::ReadWithValue(caption);
}

QString ValueLabel::SpokenText() const {
    QString spoken = caption_ ? caption_->text().trimmed() : QString();
    if (!column_.isEmpty()) spoken += QStringLiteral(", ") + column_;
    return spoken + QStringLiteral(": ") + text();
}
