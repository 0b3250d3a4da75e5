// The main window as designed. Controls are created back to front: the images and labels that
// lie on the window's surface first, the backdrop lowest, then the controls that take clicks.
#include "table/TableDesign.h"

#include <QLayout>
#include <QMenuBar>

#include "assets/Artwork.h"
#include "assets/Fonts.h"
#include "controls/NameLabel.h"
#include "controls/Twips.h"

namespace {

constexpr std::array<int, 5> kColumns{840, 2520, 4200, 5880, 7560};
// The card backs start a little left of the columns, each by its own amount.
constexpr std::array<int, 5> kBackLefts{816, 2499, 4180, 5880, 7521};
constexpr std::array<int, 5> kBackHeights{1605, 1600, 1605, 1600, 1600};
const QColor kLabelColor(255, 224, 192);
const QColor kHoldFaceColor(128, 128, 0);
// The strip a card face leaves free in its box, dark like the felt beneath the cards. Its blue
// of 0x20 becomes 0x1F under the held tint, so the strip keeps its colour while the face yellows.
const QColor kCardBoxColor(8, 56, 32);

template <typename Control, typename... Args>
Control* Place(QWidget* client, QRect rect, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., client);
    control->setGeometry(rect);
    return control;
}

template <typename Label = QLabel>
Label* MakeLabel(QWidget* client, QRect rect, const QString& text, const QFont& font,
                 const QColor& color, Qt::Alignment alignment) {
    auto* label = Place<Label>(client, rect, text);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

void BuildImages(TableControls& c, QWidget* client, const TableImages& images) {
    c.Image1 = Place<ImageBox>(client, TwipsRect(-200, 0, 9975, 7695), ImageBox::Fit::Stretch);
    c.Image1->SetPicture(images.designPictures, TableImages::kBackdrop);
    for (std::size_t i = 0; i < 5; ++i) {
        c.imgHeld[i] = Place<ImageBox>(
            client, TwipsRect(kBackLefts[i], 4800, 1200, kBackHeights[i]), ImageBox::Fit::Stretch);
        c.imgHeld[i]->SetPicture(images.designPictures, TableImages::kCardBack);
    }
    c.lblCon = MakeLabel(client, TwipsRect(840, -240, 7095, 405),
                         QStringLiteral("Welcome to Calvarro Verudu Vuro Verir Azivi"),
                         fonts::Garamond(15.75, true), Qt::white, Qt::AlignHCenter);
    c.lblCon->hide();
    // Never shown, so never offered to screen readers; a fixed name keeps the texts the hand
    // writes into it from being announced.
    c.lblCon->setAccessibleName(QStringLiteral("Message line"));
    c.lblCredits = MakeLabel(client, TwipsRect(8520, 7200, 1050, 375), QStringLiteral("200"),
                             fonts::Aardvark(14.25, true), kLabelColor, Qt::AlignRight);
    c.ImgCaption =
        Place<ImageBox>(client, TwipsRect(1560, 4230, 6300, 600), ImageBox::Fit::NaturalSize);
    c.ImgCaption->SetPicture(images.ILCaption, 1);
    c.pchartright =
        Place<ImageBox>(client, TwipsRect(5880, 2640, 2700, 1500), ImageBox::Fit::NaturalSize);
    c.pchartright->SetPicture(images.ILchartright, TableImages::kChartUnlit);
    c.pchartleft =
        Place<ImageBox>(client, TwipsRect(960, 2640, 2700, 1500), ImageBox::Fit::NaturalSize);
    c.pchartleft->SetPicture(images.ILchartleft, TableImages::kChartUnlit);
    c.lblPNAME = MakeLabel<NameLabel>(client, TwipsRect(2520, 7140, 4815, 615),
                                      QStringLiteral("Default Player"),
                                      fonts::Aardvark(15.75, true), kLabelColor, Qt::AlignHCenter);
}

void BuildButtonsAndCards(TableControls& c, QWidget* client, const TableImages& images) {
    c.cmdDeal = Place<PictureButton>(client, TwipsRect(4250, 3000, 1035, 1005));
    c.cmdDeal->SetPicture(images.ILother, TableImages::kDealFace);
    c.cmdDeal->Tag = QStringLiteral("Deal");
    c.cmdDeal->setToolTip(QStringLiteral("Deal, then draw (Enter or Space)"));
    for (std::size_t i = 0; i < 5; ++i) {
        c.chkHold[i] = Place<HoldCheckBox>(client, TwipsRect(kColumns[i], 6600, 1095, 360),
                                           static_cast<int>(i));
        c.chkHold[i]->SetPicture(images.ILother, TableImages::kHoldUnlit);
        c.chkHold[i]->SetFaceColor(kHoldFaceColor);
        const QString key = QString::number(i + 1);
        c.chkHold[i]->setToolTip(QStringLiteral("Hold card %1 (key %1)").arg(key));
        c.chkHold[i]->setAccessibleName(QStringLiteral("Hold %1").arg(key));
    }
    c.cmdEnd = Place<PictureButton>(client, TwipsRect(8160, -120, 1180, 285));
    c.cmdEnd->SetPicture(images.designPictures, TableImages::kEndGame);
    c.cmdEnd->hide();
    const QCursor hand = artwork::HandCursor();
    for (std::size_t i = 0; i < 5; ++i) {
        c.pHand[i] = Place<PictureBox>(client, TwipsRect(kColumns[i], 4800, 1200, 1650),
                                       static_cast<int>(i));
        c.pHand[i]->SetBackColor(kCardBoxColor);
        c.pHand[i]->setCursor(hand);
        c.pHand[i]->setToolTip(
            QStringLiteral("Click or press %1 to hold this card").arg(QString::number(i + 1)));
    }
}

// pHand(1..4), cmdDeal, chkHold(0..4), cmdEnd, pHand(0).
void SetTabOrder(const TableControls& c) {
    std::vector<QWidget*> order{c.pHand[1], c.pHand[2], c.pHand[3], c.pHand[4], c.cmdDeal};
    order.insert(order.end(), c.chkHold.begin(), c.chkHold.end());
    order.push_back(c.cmdEnd);
    order.push_back(c.pHand[0]);
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void BuildMenus(TableControls& c, QMenuBar* bar) {
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    c.mnuNewPl = file->addAction(QStringLiteral("&New Player"));
    c.mnuChanPl = file->addAction(QStringLiteral("&Change Player"));
    c.mnuBackupSt = file->addAction(QStringLiteral("&Backup Statistics"));
    c.mnuExit = file->addAction(QStringLiteral("E&xit"));
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    c.mnuSound = edit->addAction(QStringLiteral("&Sound"));
    c.mnuSound->setEnabled(false);
    c.mnuVwSts = edit->addAction(QStringLiteral("&View Statistics"));
    c.mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    c.Mnuplayin = c.mnuHelp->addAction(QStringLiteral("Playing the game"));
    c.MnuRankings = c.mnuHelp->addAction(QStringLiteral("Hand Rankings"));
    c.mnuAbout = c.mnuHelp->addAction(QStringLiteral("&About"));
    c.mnuAbout->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
}

}  // namespace

TableControls BuildTableDesign(QMainWindow& window, const TableImages& images) {
    window.setWindowTitle(QStringLiteral("Calvarro Ruvizu Zaz Uvedo Zivuv"));
    window.setWindowIcon(artwork::AppIcon());
    window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(&window);
    client->setObjectName(QStringLiteral("table"));
    client->setAccessibleName(QStringLiteral("Card table"));
    client->setFixedSize(kClientSize);
    window.setCentralWidget(client);

    TableControls c;
    BuildImages(c, client, images);
    BuildButtonsAndCards(c, client, images);
    SetTabOrder(c);
    BuildMenus(c, window.menuBar());
    // The window is exactly the table and the menu bar: it cannot be resized or maximised.
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    return c;
}
