#include "ui/close_on_signal.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <QPointer>
#include <QSessionManager>
#include <QWidget>

#include <windows.h>

namespace {
QPointer<QWidget> gWindow;

// Runs on a thread the system starts for the event: the close is posted to
// the window's own thread. After a console's close (or a log-off) the system
// ends the program once this returns, so it waits the few seconds the system
// allows, in which the close is done and the program ends by itself.
BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (gWindow)
        QMetaObject::invokeMethod(gWindow.data(), "close", Qt::QueuedConnection);
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        Sleep(4000);
    return TRUE;
}
} // namespace

// Windows asks a program to end by the end of the session (Qt's commit data
// request) or, when it was started from a console, by the console's Ctrl-C
// and close events.
void CloseOnSignals(QWidget* window) {
    gWindow = window;
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, window,
                     [window](QSessionManager&) { window->close(); });
}
