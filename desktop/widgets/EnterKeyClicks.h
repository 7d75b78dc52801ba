#pragma once

#include <QObject>

class QWidget;

// Makes Return and the keypad's Enter act on the push and tool buttons of one window as Space
// does: the button goes down on the press and clicks on the release, once per press. The
// keyboard's auto-repeat of a held key is ignored, so a held Enter never queues clicks. Check
// boxes, option buttons and every other control keep their own answer to Enter. Qt alone lets
// tool buttons ignore Enter and lets a push button in a dialog click on every repeat.
// Made once the window's buttons exist; it lives as a child of the window.
class EnterKeyClicks : public QObject
{
public:
    explicit EnterKeyClicks(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
