// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace qv {

// Makes the end of a session end the program as closing `mainWindow` does,
// so that the package is saved and the lock released: SIGTERM (log-out,
// shut-down, kill), SIGHUP (the terminal went away), SIGINT (Ctrl+C) and the
// session manager's request to save. A signal handler only writes a byte to
// a pipe; the event loop reads it and closes the window there, where saving
// is safe. Call once, with the main window shown.
void CloseOnSessionEnd(QWidget* mainWindow);

}  // namespace qv
