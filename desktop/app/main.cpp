#include "desktop/app/DisplayCheck.h"
#include "desktop/app/Module1.h"
#include "desktop/app/QtTranslations.h"
#include "desktop/app/StartupZoom.h"
#include "desktop/app/TerminationSignal.h"
#include "desktop/widgets/Fonts.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (!DisplayCheck::displayAvailable()) {
        const QString program = QString::fromLocal8Bit(argc > 0 ? argv[0] : "morvane");
        std::fprintf(stderr, "%s\n", qPrintable(DisplayCheck::noDisplayMessage(program)));
        return 1;
    }

    StartupZoom zoom(argc, argv);
    QApplication app(argc, argv);
    zoom.restoreEnvironment();
    // The quit button is the only way out; hiding the main window for a dialog must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    Fonts::installSubstitutions();
    QtTranslations::installJapanese(app);
    TerminationSignal::quitEventLoopOnSigterm();

    Module1 module;
    module.settings().ZoomInEffect = zoom.inEffect();
    module.Main();
    return QApplication::exec();
}
