#pragma once

#include <QPushButton>

// A push button whose caption breaks onto further lines when it is wider than the button, as a
// three-character caption must on the game's small square buttons.
class WrappingButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
