// The wait cursor over the whole program while a long piece of work runs on
// the user-interface thread; restored however the work ends.
#pragma once

#include <QGuiApplication>

class TWaitCursor {
  public:
    TWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};
