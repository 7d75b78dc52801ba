#pragma once

#include "core/settings/GameSettings.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class MorvaneMain;
class frmSplash;

// The start-up procedure. Main() shows the title window, holds it until the whole-second clock has
// moved two seconds on, then shows the main window and destroys the title window. settings() is
// what the start-up knows before the store is read (the size in effect); the main window's
// session holds the game's record from then on.
class Module1 : public QObject
{
    Q_OBJECT

public:
    explicit Module1(QObject *parent = nullptr);
    ~Module1() override;

    void Main();

    GameSettings &settings() { return m_settings; }
    MorvaneMain *mainWindow() const { return m_main.get(); }
    // Null once the main window is shown.
    frmSplash *splash() const;
    // The clock's whole second when the title window had been drawn.
    qint64 startSecond() const { return m_startSecond; }

signals:
    void mainWindowShown();

private:
    void waitOrShowMain();
    void showMain();

    GameSettings m_settings;
    std::unique_ptr<MorvaneMain> m_main;
    QPointer<frmSplash> m_splash;
    QTimer m_wait;
    qint64 m_startSecond = 0;
};
