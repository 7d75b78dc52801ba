#include "board/MorvaneMain.h"

#include "app/widgets/QuitPrompt.h"

#include <QCloseEvent>
#include <QCoreApplication>

// Yes ends the game at once: the event loop stops and nothing is saved.
void MorvaneMain::cmdEnd_Click()
{
    if (QuitPrompt::confirm(this))
        QCoreApplication::exit(0);
}

// The window has no close button, but a window manager can still ask it to close (Alt+F4): that
// asks the quit question too, and the window stays unless the answer is Yes.
void MorvaneMain::closeEvent(QCloseEvent *event)
{
    event->ignore();
    cmdEnd_Click();
}
