// A picture box: an opaque control showing one picture, with a click event and line drawing.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <vector>

#include "controls/ImageList.h"

// How a drawn line combines with the pixels beneath it.
enum class PenMode {
    XorPen = 7,      // p becomes pen XOR p
    NotXorPen = 10,  // p becomes NOT(pen XOR p); drawing twice restores every pixel
    CopyPen = 13,    // p becomes pen
};

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(int index, QWidget* parent);
    int Index() const { return index_; }

    // Shows picture n of the list at the top left corner; earlier drawing is gone.
    void SetPicture(const ImageList& list, int n) { SetPicture(PictureRef{&list, n}); }
    void SetPicture(const PictureRef& picture);
    PictureRef Picture() const { return picture_; }
    void SetBackColor(const QColor& color);

    // The pen for Line: colour, mode and width in pixels.
    QColor ForeColor = Qt::black;
    PenMode DrawMode = PenMode::CopyPen;
    int DrawWidth = 1;

    // Draws a line from (x1, y1) to (x2, y2), given in twips, with the current pen.
    void Line(int x1, int y1, int x2, int y2);

    // What the box shows, in device pixels.
    const QImage& Canvas() const { return canvas_; }

    // Paints the canvas again from the picture's list, replaying the lines drawn since it was set.
    void Refresh();

signals:
    void Click(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Stroke {
        QColor color;
        PenMode mode;
        int width;
        QLineF line;  // pixels
        friend bool operator==(const Stroke&, const Stroke&) = default;
    };
    void Paint(const Stroke& stroke);

    int index_;
    PictureRef picture_;
    QColor backColor_ = Qt::black;
    std::vector<Stroke> strokes_;  // drawn since the picture was set, for Refresh
    QImage canvas_;
};
