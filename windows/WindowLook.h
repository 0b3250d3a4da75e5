// The shared look of the small windows: fixed frames, coloured labels, text boxes and buttons.
// Places are pixel rectangles made from the designed twips with TwipsRect.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

namespace winlook {

// The orange of the heading labels and the OK buttons.
inline const QColor kOrange{255, 192, 128};
// Behind a sentence that sums a window up (the review's result, the chart's cost).
inline const QColor kSentenceGround{255, 240, 222};
// The column heads of the windows' lists, in the orange of the headings.
inline const QString kListHeaderStyle = QStringLiteral(
    "QHeaderView::section { background: #ffc080; border: 0; border-right: 1px solid #d09060;"
    " padding: 2px 4px; font-weight: bold; }");

// A fixed frame with a title bar and a close box only (no minimise or maximise box), the
// client area given in twips, a plain background and the game's icon. `kind` is Qt::Window,
// or Qt::Dialog / Qt::Tool for a window without a task-bar button. Closing the window
// destroys it, so the next opening builds it afresh.
void SetUpFixedWindow(QWidget* window, Qt::WindowType kind, const QString& caption, int widthTwips,
                      int heightTwips, const QColor& background);

// A frame the player may resize, with a title bar, a maximise and a close box, opening at
// `size` in pixels where the screen has room; otherwise as a fixed frame. Its layout lays the
// contents out to the size it gets and, from their own minimums, sets the window's.
// Closing it gives the keyboard back to the window it stands over.
void SetUpSizableWindow(QWidget* window, Qt::WindowType kind, const QString& caption,
                        const QSize& size, const QColor& background);

// A label; an invalid foreground keeps the window-text colour, an invalid background leaves
// the label transparent.
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                 const QFont& font, Qt::Alignment alignment, const QColor& foreground = {},
                 const QColor& background = {});

// Left-aligned Garamond heading in the window-text colour on orange.
QLabel* AddHeading(QWidget* parent, const QString& name, const QString& text, const QRect& place);

// A read-only text box without scroll bars that wraps at word boundaries; the stored line
// breaks are kept, so the text shows line for line from its first line.
QPlainTextEdit* AddTextBox(QWidget* parent, const QString& name, const QString& text,
                           const QRect& place, const QFont& font);

// A picture shown at its own size.
QLabel* AddPicture(QWidget* parent, const QString& name, const QPixmap& picture,
                   const QRect& place);

// A push button whose caption wraps at word boundaries; an invalid face colour keeps the
// style's own.
QPushButton* AddButton(QWidget* parent, const QString& name, const QString& text,
                       const QRect& place, const QColor& face = {});

// The orange "OK" button of the help and rankings windows.
QPushButton* AddOkButton(QWidget* parent, const QRect& place);

// Escape typed in `button`'s window presses the button (its OK or close button), as on every
// desktop.
void PressedByEscape(QPushButton* button);

}  // namespace winlook
