#include "desktop/widgets/WindowCentring.h"

#include "desktop/widgets/FrameExtents.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {

// Makes the window's platform window, as showing it would. QWidget::create() is protected: it is
// reached through a class derived from QWidget. winId() would make it too, but would also turn
// every child widget into a native window of its own.
struct PlatformWindow : QWidget
{
    static void makeFor(QWidget &window)
    {
        const auto create = &PlatformWindow::create;
        (window.*create)(0, true, true);
    }
};

} // namespace

void centreOnScreen(QWidget &window)
{
    QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    // The frame Qt knows: none for a window that was never shown, which Qt then places by its
    // client area. The window manager can tell the real one in advance.
    PlatformWindow::makeFor(window);
    const QRect client = window.geometry();
    const QRect knownOuter = window.frameGeometry();
    const QMarginsF known(client.left() - knownOuter.left(), client.top() - knownOuter.top(),
                          knownOuter.right() - client.right(),
                          knownOuter.bottom() - client.bottom());
    const QMarginsF frame = FrameExtents::fromWindowManager(window).value_or(known);

    const auto outerWidth = static_cast<float>(client.width() + frame.left() + frame.right());
    const auto outerHeight = static_cast<float>(client.height() + frame.top() + frame.bottom());
    const float left = (static_cast<float>(area.width()) - outerWidth) / 2.0f;
    const float top = (static_cast<float>(area.height()) - outerHeight) / 2.0f;
    // nearbyint rounds halves to the even neighbour, as every conversion to whole units does.
    const QPoint outerTopLeft(area.left() + static_cast<int>(std::nearbyint(left)),
                              area.top() + static_cast<int>(std::nearbyint(top)));
    // move() places the frame Qt knows; the client area must land inside the real frame.
    const QPointF shift(frame.left() - known.left(), frame.top() - known.top());
    window.move(outerTopLeft + shift.toPoint());
}
