// A push button whose caption wraps at word boundaries, as narrow captioned buttons need.
#pragma once

#include <QPushButton>

class WrapButton : public QPushButton {
public:
    WrapButton(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
