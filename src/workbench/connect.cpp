// Connecting to the board: the port opened, the board reset in a style and
// its greeting awaited, with what came of it as a value.
#include "link/programmer_style.h"
#include "protocol/engine.h"
#include "workbench/workbench.h"

ConnectResult Workbench::Connect(int style, OtherBoard other, const ServeUntil& serve) {
    ConnectResult result;
    if (!OpenChosenPort(result.reason)) {
        result.outcome = Connection::CannotOpen;
        return result;
    }
    otherBoard = other;
    otherBoardSeen_ = -1;
    SetStyle(style);
    ForgetGreeting();
    ResetBoard();
    if (!serve([this] { return AtRest(); })) {
        ReturnToIdle(false);
        result.outcome = Connection::Interrupted;
    } else if (otherBoardSeen_ >= 0) {
        result.outcome = Connection::OtherBoard;
        result.otherStyle = otherBoardSeen_;
    } else if (LastGreeting() != StyleInfo(Style()).style) {
        // A failed reset has been reported; an answer that was no greeting has not.
        result.outcome = ResetPending() ? Connection::NoGreeting : Connection::OtherAnswer;
    }
    return result;
}
