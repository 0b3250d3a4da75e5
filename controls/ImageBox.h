// An image control: a picture painted on the window's surface, at its own size or stretched.
#pragma once

#include <QWidget>

#include "controls/ImageList.h"

class ImageBox : public QWidget {
    Q_OBJECT
public:
    enum class Fit { NaturalSize, Stretch };
    ImageBox(Fit fit, QWidget* parent);

    void SetPicture(const ImageList& list, int n);
    PictureRef Picture() const { return picture_; }

    // Paints the picture again from its list (after the lists were repainted).
    void Refresh() { update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Fit fit_;
    PictureRef picture_;
};
