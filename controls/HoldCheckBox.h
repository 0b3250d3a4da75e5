// A check box in push-button picture style: value 0 or 1, a picture and a disabled picture.
#pragma once

#include <QAbstractButton>
#include <QColor>

#include "controls/ImageList.h"

class HoldCheckBox : public QAbstractButton {
    Q_OBJECT
public:
    HoldCheckBox(int index, QWidget* parent);
    int Index() const { return index_; }

    int Value() const { return value_; }
    // Any non-zero value counts as 1. A change raises Click before this returns;
    // setting the value the box already has raises nothing.
    void SetValue(int value);

    void SetPicture(const ImageList& list, int n);
    void SetDisabledPicture(const ImageList& list, int n);
    PictureRef Picture() const { return picture_; }
    PictureRef DisabledPicture() const { return disabledPicture_; }
    // The picture on the face now: the disabled one while the box is disabled.
    PictureRef ShownPicture() const { return isEnabled() ? picture_ : disabledPicture_; }

    void SetFaceColor(const QColor& color);
    void Refresh() { update(); }

signals:
    void Click(int index);

protected:
    void nextCheckState() override;  // a user's click flips the value
    void paintEvent(QPaintEvent* event) override;

private:
    int index_;
    int value_ = 0;
    PictureRef picture_;
    PictureRef disabledPicture_;
    QColor faceColor_ = Qt::lightGray;
};
