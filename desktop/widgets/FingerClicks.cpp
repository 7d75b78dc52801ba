#include "desktop/widgets/FingerClicks.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTouchEvent>
#include <QWidget>

#include <utility>

FingerClicks::FingerClicks(QWidget &window)
    : QObject(&window)
    , m_window(window)
{
    // Touch events go first to the widget under the finger; those that no control takes come up
    // to the window.
    window.setAttribute(Qt::WA_AcceptTouchEvents);
    window.installEventFilter(this);
}

bool FingerClicks::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: {
        const auto *touch = static_cast<QTouchEvent *>(event);
        // A touch pad's fingers move the pointer, which clicks for itself.
        if (watched != &m_window ||
            touch->device()->type() != QInputDevice::DeviceType::TouchScreen)
            return false;
        this->touch(*touch);
        event->accept();
        return true;
    }
    default:
        return false;
    }
}

void FingerClicks::touch(const QTouchEvent &event)
{
    if (event.type() == QEvent::TouchCancel) {
        cancel(event);
        return;
    }
    for (const QEventPoint &point : event.points()) {
        switch (point.state()) {
        case QEventPoint::State::Pressed:
            press(point, event);
            break;
        case QEventPoint::State::Updated:
            if (const auto found = m_controls.find(point.id()); found != m_controls.end())
                send(found->second, QEvent::MouseMove, point.globalPosition(), event);
            break;
        case QEventPoint::State::Released:
            // Out of the table before the release: a click may open a dialog, whose event loop
            // delivers further touches.
            if (const auto found = m_controls.find(point.id()); found != m_controls.end()) {
                const QPointer<QWidget> control = found->second;
                m_controls.erase(found);
                send(control, QEvent::MouseButtonRelease, point.globalPosition(), event);
            }
            break;
        default:
            break;
        }
    }
}

// As for the mouse, the control takes the keyboard focus if it takes it by a click, or else the
// nearest of its parents that does, and a second press on the same control, close by and soon
// enough, is a double-click.
void FingerClicks::press(const QEventPoint &point, const QTouchEvent &event)
{
    QWidget *control = m_window.childAt(m_window.mapFromGlobal(point.globalPosition()).toPoint());
    if (control == nullptr)
        control = &m_window;
    m_controls[point.id()] = control;

    for (QWidget *focus = control; focus != nullptr; focus = focus->parentWidget()) {
        if (focus->isEnabled() && (focus->focusPolicy() & Qt::ClickFocus)) {
            focus->setFocus(Qt::MouseFocusReason);
            break;
        }
        if (focus->isWindow() || focus->hasFocus())
            break;
    }

    const QStyleHints *hints = QGuiApplication::styleHints();
    const bool secondTap =
        m_lastPress.control == control &&
        event.timestamp() - m_lastPress.timestamp <
            static_cast<quint64>(hints->mouseDoubleClickInterval()) &&
        (point.globalPosition() - m_lastPress.globalPosition).manhattanLength() <=
            hints->touchDoubleTapDistance();
    m_lastPress = secondTap ? Press{} : Press{control, point.globalPosition(), event.timestamp()};
    send(control, secondTap ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress,
         point.globalPosition(), event);
}

void FingerClicks::send(QWidget *control, QEvent::Type type, QPointF globalPosition,
                        const QTouchEvent &event)
{
    if (control == nullptr)
        return;
    const bool down = type != QEvent::MouseButtonRelease;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent mouse(type, control->mapFromGlobal(globalPosition),
                      m_window.mapFromGlobal(globalPosition), globalPosition, button,
                      down ? Qt::LeftButton : Qt::NoButton, event.modifiers(),
                      Qt::MouseEventSynthesizedByApplication, event.pointingDevice());
    mouse.setTimestamp(event.timestamp());
    QCoreApplication::sendEvent(control, &mouse);
}

// The screen took the fingers back: each control gets its release away from itself, as from a
// finger that slid off before lifting, so that no button clicks.
void FingerClicks::cancel(const QTouchEvent &event)
{
    const std::map<int, QPointer<QWidget>> controls = std::exchange(m_controls, {});
    for (const auto &[id, control] : controls) {
        if (control != nullptr) {
            const QPointF away = control->mapToGlobal(QPointF(-1, -1));
            send(control, QEvent::MouseButtonRelease, away, event);
        }
    }
}
