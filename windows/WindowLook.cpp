// The shared look of the small windows.
#include "windows/WindowLook.h"

#include <QPalette>
#include <QShortcut>
#include <QTextOption>

#include "assets/Artwork.h"
#include "assets/Fonts.h"
#include "controls/FocusBack.h"
#include "controls/OnScreen.h"
#include "controls/Twips.h"
#include "windows/WrapButton.h"

namespace winlook {
namespace {

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void SetUpWindow(QWidget* window, Qt::WindowFlags flags, const QString& caption,
                 const QColor& background) {
    window->setWindowFlags(flags | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setWindowTitle(caption);
    window->setWindowIcon(artwork::AppIcon());
    window->setFont(fonts::SansSerif());
    SetColour(window, QPalette::Window, background);
    window->setAutoFillBackground(true);
    window->setAttribute(Qt::WA_DeleteOnClose);
    KeepOnScreen(*window);
}

}  // namespace

void SetUpFixedWindow(QWidget* window, Qt::WindowType kind, const QString& caption, int widthTwips,
                      int heightTwips, const QColor& background) {
    SetUpWindow(window, kind, caption, background);
    window->setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
}

void SetUpSizableWindow(QWidget* window, Qt::WindowType kind, const QString& caption,
                        const QSize& size, const QColor& background) {
    SetUpWindow(window, kind | Qt::WindowMaximizeButtonHint, caption, background);
    window->resize(size);
    GiveFocusBackOnClose(*window);
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                 const QFont& font, Qt::Alignment alignment, const QColor& foreground,
                 const QColor& background) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    if (foreground.isValid()) SetColour(label, QPalette::WindowText, foreground);
    if (background.isValid()) {
        SetColour(label, QPalette::Window, background);
        label->setAutoFillBackground(true);
    }
    return label;
}

QLabel* AddHeading(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    return AddLabel(parent, name, text, place, fonts::Garamond(14.25), Qt::AlignLeft | Qt::AlignTop,
                    QColor(), kOrange);
}

QPlainTextEdit* AddTextBox(QWidget* parent, const QString& name, const QString& text,
                           const QRect& place, const QFont& font) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setFont(font);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WordWrap);
    box->document()->setDocumentMargin(2);
    box->setPlainText(text);  // a CR LF pair ends one line, as stored
    return box;
}

QLabel* AddPicture(QWidget* parent, const QString& name, const QPixmap& picture,
                   const QRect& place) {
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    image->setGeometry(place);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(picture);
    return image;
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& text,
                       const QRect& place, const QColor& face) {
    auto* button = new WrapButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    if (face.isValid()) SetColour(button, QPalette::Button, face);
    return button;
}

QPushButton* AddOkButton(QWidget* parent, const QRect& place) {
    QPushButton* button = AddButton(parent, "cmdOK", "OK", place, kOrange);
    button->setFont(fonts::Aardvark(14.25));
    return button;
}

void PressedByEscape(QPushButton* button) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), button->window());
    QObject::connect(escape, &QShortcut::activated, button, &QPushButton::click);
}

}  // namespace winlook
