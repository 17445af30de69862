#pragma once

#include "link/waitable.h"

#include <functional>

class QObject;

// The event loop's watch on one waitable of a port, one file per platform (a
// descriptor's socket notifier here, a handle's event notifier on Windows).
// `ready` runs on this thread whenever the waitable has something; the watch
// is a child of `parent`.
QObject* WatchWaitable(Waitable waitable, QObject* parent, const std::function<void()>& ready);
// Stops the watch at once and deletes it later: it may be the sender of the
// signal being handled.
void EndWatch(QObject* watch);
