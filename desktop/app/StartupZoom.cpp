#include "desktop/app/StartupZoom.h"

#include "core/settings/ZoomSizes.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/settings/SettingsStore.h"

#include <QGuiApplication>
#include <QScreen>

#include <vector>

namespace {

const char *const ScaleFactor = "QT_SCALE_FACTOR";

// Room for the main window's title bar and borders. The window manager draws them at the desktop's
// own scale, and their size is known only once a window is on the screen, so a usual one is
// assumed.
constexpr QSize FrameAllowance{16, 40};

// The primary screen's area for windows, in the desktop's logical pixels; empty without a screen.
QSize availableArea(int argc, char **argv)
{
    // Qt takes the platform arguments out of the list it is given, so the probe gets a copy.
    std::vector<char *> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    int count = argc;
    const QGuiApplication probe(count, arguments.data());
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize();
}

} // namespace

StartupZoom::StartupZoom(int argc, char **argv)
    : m_inEffect(SettingsStore::readZoom())
{
    if (m_inEffect == ZoomSizes::LayoutSize)
        return;
    const auto sizeOf = [](QSize size) { return Size{size.width(), size.height()}; };
    m_inEffect =
        ZoomSizes::largestFitting(m_inEffect, sizeOf(MorvaneMain::ClientSize),
                                  sizeOf(FrameAllowance), sizeOf(availableArea(argc, argv)));
    if (m_inEffect == ZoomSizes::LayoutSize)
        return;

    double desktopFactor = 1.0;
    if (qEnvironmentVariableIsSet(ScaleFactor)) {
        m_desktopFactor = qgetenv(ScaleFactor);
        bool isNumber = false;
        const double factor = m_desktopFactor->toDouble(&isNumber);
        // Qt ignores a factor that is not a positive number, and so does the game.
        if (isNumber && factor > 0.0)
            desktopFactor = factor;
    }
    qputenv(ScaleFactor, QByteArray::number(desktopFactor * m_inEffect / 100.0, 'g', 12));
    m_factorSet = true;
}

void StartupZoom::restoreEnvironment()
{
    if (!m_factorSet)
        return;
    if (m_desktopFactor)
        qputenv(ScaleFactor, *m_desktopFactor);
    else
        qunsetenv(ScaleFactor);
    m_factorSet = false;
}
