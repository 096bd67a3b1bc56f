#include "platform/waitcursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

std::function<void(bool)>& handler() {
  static std::function<void(bool)> h;
  return h;
}

void show(bool shown) {
  if (handler()) {
    handler()(shown);
    return;
  }
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  if (shown) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  else QGuiApplication::restoreOverrideCursor();
}

}  // namespace

WaitCursor::WaitCursor() { show(true); }
WaitCursor::~WaitCursor() { show(false); }

void SetWaitCursorHandler(std::function<void(bool shown)> handler_) { handler() = std::move(handler_); }
