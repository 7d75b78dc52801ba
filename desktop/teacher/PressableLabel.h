#pragma once

#include <QLabel>

// A label that answers the mouse as a colour swatch does: every press, with any button, and every
// double-click event is reported; a release is not. A real double-click (press, release,
// double-click, release) is therefore reported twice.
class PressableLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void pressed();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // Overridden so that the base class does not turn the double-click into a second press.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
