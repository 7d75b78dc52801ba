#include "app/widgets/WindowCentring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

void centreOnScreen(QWidget &window)
{
    QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    // A window that was never shown has no frame yet, so its outer size would be its inner one.
    // Making its native window first lets the platforms that know their frame in advance say it.
    static_cast<void>(window.winId());
    const QSize outer = window.frameGeometry().size();
    const float left = static_cast<float>(area.width() - outer.width()) / 2.0f;
    const float top = static_cast<float>(area.height() - outer.height()) / 2.0f;
    // nearbyint rounds halves to the even neighbour, as every conversion to whole units does.
    window.move(area.left() + static_cast<int>(std::nearbyint(left)),
                area.top() + static_cast<int>(std::nearbyint(top)));
}
