#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// Shows every window of the run (splash, main window, dialogs, message boxes, the file dialog) at
// the size the teacher stored, through Qt's own scale factor QT_SCALE_FACTOR. Qt reads it only
// while the application object is being made, so it is set before. The screen that decides whether
// the size fits is known only to an application object, so a short-lived QGuiApplication measures
// the primary screen's available area first; the game's application object is then made with the
// largest size that fits, and no window is ever shown at a size that does not.
class StartupZoom
{
public:
    // Call before the application object exists, with the arguments it will get. Reads the stored
    // size; above 100 % measures the screen and sets the factor, multiplying the factor the
    // desktop may already have set.
    StartupZoom(int argc, char **argv);

    // Call once the application object exists, which has read the factor: puts QT_SCALE_FACTOR
    // back as the game found it, so that programs the game starts do not inherit the game's size.
    void restoreEnvironment();

    qint16 inEffect() const { return m_inEffect; }

private:
    qint16 m_inEffect;
    bool m_factorSet = false;
    std::optional<QByteArray> m_desktopFactor; // QT_SCALE_FACTOR as the game found it
};
