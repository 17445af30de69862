#pragma once

class QWidget;

// Closes `window` as its close button does when the program is asked to end by
// SIGTERM or SIGINT (kill, the end of a session, Ctrl-C in the terminal it was
// started from), so that the settings are written as at any close. A close the
// user cancels leaves the program running. One file per platform (Windows:
// the end of the session, the console's Ctrl-C and close).
void CloseOnSignals(QWidget* window);
