#include "platform/system.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/programlock.h"

namespace {
std::function<QDateTime()>& clockFn() {
  static std::function<QDateTime()> c;
  return c;
}
QString& appPath() {
  static QString p;
  return p;
}
std::function<void()>& endHandler() {
  static std::function<void()> h;
  return h;
}
}  // namespace

QDateTime Now() { return clockFn() ? clockFn()() : QDateTime::currentDateTime(); }
QDate Today() { return Now().date(); }
void SetClock(std::function<QDateTime()> c) { clockFn() = std::move(c); }

QString AppPath() {
  if (!appPath().isEmpty()) return appPath();
  return QCoreApplication::applicationDirPath();
}
void SetAppPath(const QString& folder) {
  QString f = folder;
  while (f.size() > 1 && f.endsWith('/')) f.chop(1);
  appPath() = f;
}

void End() {
  // Every way out gives the database back to the next start.
  UnlockDatabaseFile();
  if (endHandler()) {
    endHandler()();
    return;
  }
  std::fflush(nullptr);
  std::_Exit(0);
}
void SetEndHandler(std::function<void()> handler) { endHandler() = std::move(handler); }
