// HEX files dropped on the main window: Load, or Merge with Ctrl held.
#include "app/proj_fm.h"

#include <QAction>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace {
// The first local file of the drag whose name ends in .hex, in any case; empty when none.
QString DroppedHexFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(".hex", Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

bool MergeAsked(const QDropEvent& event) {
    return event.modifiers().testFlag(Qt::ControlModifier);
}
} // namespace

// A drop is taken when a HEX file comes and the command it stands for could be
// chosen now: not while an operation has the menus and buttons off, and no merge
// in user mode.
bool TProjFm::TakesDrop(const QDropEvent& event) const {
    if (DroppedHexFile(event.mimeData()).isEmpty())
        return false;
    if (!File1->menuAction()->isEnabled() || !ButtonPanel->isEnabled())
        return false;
    return MergeAsked(event) ? Merge1->isEnabled() : Load1->isEnabled();
}

void TProjFm::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void TProjFm::dragMoveEvent(QDragMoveEvent* event) {
    // Ctrl may be pressed or let go on the way.
    if (TakesDrop(*event)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TProjFm::dropEvent(QDropEvent* event) {
    if (!TakesDrop(*event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // The file manager waits for the drop to end: the questions and messages of
    // the load come after it, from the event loop.
    const std::string file = DroppedHexFile(event->mimeData()).toStdString();
    const bool merge = MergeAsked(*event);
    QTimer::singleShot(0, this,
                       [this, file, merge] { Bench_->Load(merge, FileChoice::Named(file)); });
}
