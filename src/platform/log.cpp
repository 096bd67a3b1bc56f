#include "platform/log.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <cstdio>

#include "platform/ado.h"
#include "platform/printer.h"

Q_LOGGING_CATEGORY(lcPlatform, "halvion.platform")
Q_LOGGING_CATEGORY(lcData, "halvion.data")
Q_LOGGING_CATEGORY(lcFramework, "halvion.framework")
Q_LOGGING_CATEGORY(lcForms, "halvion.forms")
Q_LOGGING_CATEGORY(lcShell, "halvion.shell")

namespace {

struct LogState {
  QMutex mutex;
  QString path;
  std::function<QString()> formName;
  QtMessageHandler previous = nullptr;
  bool installed = false;
};

LogState& state() {
  static LogState s;
  return s;
}

const char* levelName(QtMsgType type) {
  switch (type) {
    case QtDebugMsg: return "debug";
    case QtInfoMsg: return "info";
    case QtWarningMsg: return "warning";
    case QtCriticalMsg: return "critical";
    case QtFatalMsg: return "fatal";
  }
  return "?";
}

// Keeps the file within its limit: the lines so far become the one older file.
void makeRoom(const QString& path, qint64 adding) {
  QFile file(path);
  if (!file.exists() || file.size() + adding <= kLogFileLimit) return;
  const QString older = path + QStringLiteral(".1");
  QFile::remove(older);
  QFile::rename(path, older);
}

void handler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  LogState& s = state();
  const bool ours = context.category && qstrncmp(context.category, "halvion.", 8) == 0;
  if (!ours) {
    if (s.previous) s.previous(type, context, message);
    return;
  }
  QMutexLocker lock(&s.mutex);
  if (s.path.isEmpty()) return;
  QString form;
  if (s.formName) form = s.formName();
  const QByteArray line = (QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) +
                           QLatin1Char(' ') + QLatin1String(context.category) + QLatin1Char(' ') +
                           QLatin1String(levelName(type)) + QStringLiteral(" [") +
                           (form.isEmpty() ? QStringLiteral("-") : form) + QStringLiteral("] ") + message +
                           QLatin1Char('\n'))
                              .toUtf8();
  makeRoom(s.path, line.size());
  QFile file(s.path);
  // A log that cannot be written must never stop the program. The line goes to the standard error
  // instead: a folder that takes no log is one whose failures most need telling.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(line) != line.size())
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
}

// From the start, so that the program's lines never reach the terminal, file or not.
void install() {
  LogState& s = state();
  if (s.installed) return;
  s.previous = qInstallMessageHandler(handler);
  s.installed = true;
}
[[maybe_unused]] const bool kInstalled = (install(), true);

}  // namespace

void OpenLogFile(const QString& path) {
  install();
  QMutexLocker lock(&state().mutex);
  state().path = path;
}

void SetLogFormName(std::function<QString()> currentForm) {
  QMutexLocker lock(&state().mutex);
  state().formName = std::move(currentForm);
}

void LogSwallowed(const QLoggingCategory& (*category)(), const char* where, std::exception_ptr failure) {
  QString what = QStringLiteral("an exception of unknown type");
  try {
    if (failure) std::rethrow_exception(failure);
  } catch (const DbError& e) {
    what = QStringLiteral("database error %1: %2").arg(e.Number()).arg(e.Description());
  } catch (const PrinterError& e) {
    what = QStringLiteral("printer error %1: %2").arg(e.Number()).arg(e.Description());
  } catch (const std::exception& e) {
    what = QString::fromLocal8Bit(e.what());
  } catch (...) {
  }
  qCWarning(category).noquote() << "passed over in" << where << "-" << what;
}
