#pragma once

#include <QEvent>
#include <QObject>
#include <QPointF>
#include <QPointer>

#include <map>

class QEventPoint;
class QPointingDevice;
class QTouchEvent;
class QWidget;

// Lets every finger on a touch screen click a window's controls, each finger on its own. Qt makes
// mouse events from the first finger of a touch only, and from none while another finger rests on
// a widget that takes touch events itself (the play board), so a child could not tap a button
// while the other child holds the board. The window therefore takes the touches that its controls
// leave, and gives the control under each finger what a mouse would: a press where the finger
// comes down (a double-click for a second tap in the double-click time), moves, and a release
// where it lifts, so that a finger that slides off a button before lifting clicks nothing.
class FingerClicks : public QObject
{
public:
    explicit FingerClicks(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void touch(const QTouchEvent &event);
    void press(const QEventPoint &point, const QTouchEvent &event);
    void send(QWidget *control, QEvent::Type type, QPointF globalPosition,
              const QTouchEvent &event);
    void cancel(const QTouchEvent &event);

    QWidget &m_window;
    std::map<int, QPointer<QWidget>> m_controls; // under each finger down, by touch id

    struct Press
    {
        QPointer<QWidget> control;
        QPointF globalPosition;
        quint64 timestamp = 0;
    };
    Press m_lastPress; // a single press that a second tap would make a double-click
};
