#pragma once

// When the system asks the game to end (SIGTERM at logout or shutdown, or a test's kill), the
// event loop ends normally instead of the process being cut off. This is no way out for the
// children: the quit button stays the only one on screen.
namespace TerminationSignal {

// Installs the handler. Call once, after the application object exists.
void quitEventLoopOnSigterm();

} // namespace TerminationSignal
