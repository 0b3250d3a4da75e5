// A command button in picture style, with a text Tag the program reads and sets.
#pragma once

#include <QAbstractButton>
#include <QString>

#include "controls/ImageList.h"

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent);

    QString Tag;

    // The picture fills the face; it is drawn shifted by a pixel while the button is held down.
    void SetPicture(const ImageList& list, int n);
    PictureRef Picture() const { return picture_; }
    void Refresh() { update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureRef picture_;
};
