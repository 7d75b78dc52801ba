#pragma once

#include "core/settings/GameSettings.h"
#include "desktop/board/MorvaneMain.h"
#include "desktop/board/widgets/HotSpot.h"
#include "support/TemporarySettingsStore.h"
#include "support/UserInput.h"

#include <QObject>
#include <QScreen>
#include <QString>
#include <QTest>

#include <memory>

// The base of the tests that drive the whole main window: each test function starts from an
// empty settings store and makes the window as the game does at start.
class MainWindowFixture : public QObject
{
protected:
    enum class Shown { No, Exposed, Active };

    // From init(): a new, empty store and settings record for the next test function.
    void freshStore()
    {
        m_main.reset();
        m_store = std::make_unique<TemporarySettingsStore>();
        m_settings = GameSettings();
    }

    // Makes the main window from what the store holds and shows it as asked, waiting until the
    // window is exposed or active.
    void startGame(Shown shown = Shown::Exposed)
    {
        m_main = std::make_unique<MorvaneMain>(m_settings);
        if (shown == Shown::No)
            return;
        m_main->show();
        if (shown == Shown::Active)
            QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
        else
            QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    }

    // Sets up the board for a test: `draw` draws on a copy of it, which then becomes the board's
    // picture, as a picture file would.
    template <typename Draw> void drawOnBoard(Draw draw)
    {
        Surface board = m_main->boardSurface();
        draw(board);
        m_main->showChanges(m_main->session().placePicture(board.image()));
    }

    // From cleanup(): the window goes before the store it read.
    void endGame()
    {
        m_main.reset();
        m_store.reset();
    }

    std::unique_ptr<TemporarySettingsStore> m_store;
    GameSettings m_settings;
    std::unique_ptr<MorvaneMain> m_main;
};

// The teacher's hidden way in. Returns once the dialog opened there was left.
inline void doubleClickTheHiddenSpot(MorvaneMain &main)
{
    UserInput::doubleClick(main.controls().Image1);
}

// How far the centre of a window's outer frame lies from the centre of its screen, as text for a
// failure message; empty when it is centred to the pixel that rounding allows.
inline QString offCentre(const QWidget &window)
{
    const QPoint off = window.frameGeometry().center() - window.screen()->geometry().center();
    if (qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1)
        return {};
    return QStringLiteral("%1 is off the centre by (%2, %3)")
        .arg(window.objectName())
        .arg(off.x())
        .arg(off.y());
}
