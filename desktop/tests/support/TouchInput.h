#pragma once

#include <QPointingDevice>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <private/qhighdpiscaling_p.h>
#include <qpa/qwindowsysteminterface.h>
#include <qpa/qwindowsysteminterface_p.h>

// Fingers and pens as a platform reports them, for widget tests: through Qt's window-system
// interface, so that Qt itself delivers the touch and tablet events to the widgets and makes its
// own mouse events from those that no widget takes. Positions are logical, in `widget`; they may
// lie between pixels, as on a HiDPI screen.
namespace TouchInput {

// One touch screen for the whole test program: Qt keeps its points' state by device.
inline QPointingDevice *touchScreen()
{
    static QPointingDevice *device = QTest::createTouchDevice();
    return device;
}

// One finger whose contact's size the screen reports; no other finger is down.
inline void touch(QWidget *widget, int id, QEventPoint::State state, QPointF at,
                  QSizeF contact = QSizeF(1, 1))
{
    QWindow *window = widget->window()->windowHandle();
    const QPointF global = QHighDpi::toNativeGlobalPosition(widget->mapToGlobal(at), window);
    const QSizeF size = QHighDpi::toNativePixels(contact, window);
    QWindowSystemInterface::TouchPoint point;
    point.id = id;
    point.state = state;
    point.pressure = state == QEventPoint::State::Released ? 0 : 1;
    point.area = QRectF(global - QPointF(size.width() / 2, size.height() / 2), size);
    QWindowSystemInterface::handleTouchEvent<QWindowSystemInterface::SynchronousDelivery>(
        window, touchScreen(), {point});
}

inline void touchCancel(QWidget *widget)
{
    QWindowSystemInterface::handleTouchCancelEvent<QWindowSystemInterface::SynchronousDelivery>(
        widget->window()->windowHandle(), touchScreen());
}

// A pen's tip or the other end, an eraser.
inline const QPointingDevice *pen(QPointingDevice::PointerType end)
{
    // The X11 platform leaves the mouse events of a pen to Qt; the offscreen one does not say.
    QWindowSystemInterfacePrivate::TabletEvent::setPlatformSynthesizesMouse(false);
    const auto make = [](QPointingDevice::PointerType type, qint64 serial) {
        auto *device = new QPointingDevice(
            QStringLiteral("test pen"), 1000 + serial, QInputDevice::DeviceType::Stylus, type,
            QInputDevice::Capability::Position | QInputDevice::Capability::Pressure, 1, 3,
            QString(), QPointingDeviceUniqueId::fromNumericId(serial));
        QWindowSystemInterface::registerInputDevice(device);
        return device;
    };
    static const QPointingDevice *tip = make(QPointingDevice::PointerType::Pen, 1);
    static const QPointingDevice *eraser = make(QPointingDevice::PointerType::Eraser, 2);
    return end == QPointingDevice::PointerType::Eraser ? eraser : tip;
}

// The pen's buttons change to `buttons` at `at`: none down is a release.
inline void penButtons(QWidget *widget, QPointingDevice::PointerType end, QPointF at,
                       Qt::MouseButtons buttons)
{
    QWindow *window = widget->window()->windowHandle();
    const QPointF inWindow = widget->mapTo(widget->window(), at);
    QWindowSystemInterface::handleTabletEvent(
        window, pen(end), QHighDpi::toNativeLocalPosition(inWindow, window),
        QHighDpi::toNativeGlobalPosition(widget->mapToGlobal(at), window), buttons,
        buttons == Qt::NoButton ? 0 : 0.5, 0, 0, 0, 0, 0);
    QWindowSystemInterface::flushWindowSystemEvents();
}

} // namespace TouchInput
