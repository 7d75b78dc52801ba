#include "desktop/app/Module1.h"

#include "desktop/board/MorvaneMain.h"
#include "desktop/help/frmSplash.h"
#include "desktop/widgets/WindowCentring.h"

#include <QDateTime>

#include <algorithm>

namespace {

constexpr qint64 SplashSeconds = 2;

} // namespace

Module1::Module1(QObject *parent)
    : QObject(parent)
{
    m_wait.setSingleShot(true);
    m_wait.setTimerType(Qt::PreciseTimer);
    connect(&m_wait, &QTimer::timeout, this, &Module1::waitOrShowMain);
}

Module1::~Module1()
{
    delete m_splash;
}

frmSplash *Module1::splash() const
{
    return m_splash;
}

void Module1::Main()
{
    m_splash = new frmSplash;
    m_splash->setRespondsToUser(false);
    centreOnScreen(*m_splash);
    m_splash->show();
    m_splash->repaint();
    m_startSecond = QDateTime::currentSecsSinceEpoch();
    waitOrShowMain();
}

// A timer rather than a busy loop, so the title window keeps being drawn; it ignores clicks and
// close requests meanwhile. The main window comes only once the whole-second clock has reached the
// start second plus two, whatever the timer's accuracy.
void Module1::waitOrShowMain()
{
    const qint64 dueSecond = m_startSecond + SplashSeconds;
    if (QDateTime::currentSecsSinceEpoch() >= dueSecond) {
        showMain();
        return;
    }
    const qint64 untilDue = dueSecond * 1000 - QDateTime::currentMSecsSinceEpoch();
    m_wait.start(static_cast<int>(std::clamp<qint64>(untilDue, 1, 1000 * SplashSeconds)));
}

void Module1::showMain()
{
    m_main = std::make_unique<MorvaneMain>(m_settings);
    m_main->show();
    delete m_splash;
    emit mainWindowShown();
}
