// Layout units: the windows are designed in twips, 15 to a pixel at 96 dots per inch.
#pragma once

#include <QRect>

constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    // Rounds half away from zero so negative positions map like positive ones.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// A control's place given as Left, Top, Width, Height in twips.
inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}
