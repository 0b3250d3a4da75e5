// The dialogs of the running game, shown with Qt's standard dialogs.
#include "windows/QtDialogs.h"

#include <QDesktopServices>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "windows/SaveFileChooser.h"

namespace {
// Qt sizes the input box to its contents, which leaves a short prompt's title bar too narrow for
// its own title ("Enter ... Name"); a text field this wide shows the title whole beside the
// frame's buttons.
constexpr int kNameFieldMinimumWidth = 280;
}  // namespace

QString QtDialogs::InputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    QInputDialog box(parent_);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    if (auto* field = box.findChild<QLineEdit*>()) field->setMinimumWidth(kNameFieldMinimumWidth);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

void QtDialogs::MessageBox(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent_);
    box.exec();
}

QString QtDialogs::SaveFileDialog(const QString& title, const QString& presetName) {
    return ChooseSaveFile(parent_, title, presetName);
}

bool QtDialogs::OpenUrl(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

bool QtDialogs::Ask(const QString& text, const QString& title, const QString& acceptText,
                    const QString& rejectText) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent_);
    QPushButton* accept = box.addButton(acceptText, QMessageBox::AcceptRole);
    QPushButton* reject = box.addButton(rejectText, QMessageBox::RejectRole);
    // The safe answer is the default: Enter or Escape do not commit the player to anything.
    box.setDefaultButton(reject);
    box.setEscapeButton(reject);
    box.exec();
    return box.clickedButton() == accept;
}
