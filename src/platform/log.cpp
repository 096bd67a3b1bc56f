#include "platform/log.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
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

// A description may hold anything a file, a printer or the user put into it. Control characters
// (and the two Unicode line breaks) are written as escapes, so that every entry stays one line of
// the file; the backslash is doubled, so that an escape always means the character it names.
QString escaped(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'\\': out += QStringLiteral("\\\\"); continue;
      case u'\n': out += QStringLiteral("\\n"); continue;
      case u'\r': out += QStringLiteral("\\r"); continue;
      case u'\t': out += QStringLiteral("\\t"); continue;
      default: break;
    }
    if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
      out += c.unicode() < 0x100 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                                 : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    else
      out += c;
  }
  return out;
}

// One line of the file: the time, the layer, the level, the form and the message.
QByteArray lineOf(const char* category, QtMsgType type, const QString& form, const QString& message) {
  QByteArray line = (QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) +
                     QLatin1Char(' ') + QLatin1String(category) + QLatin1Char(' ') + QLatin1String(levelName(type)) +
                     QStringLiteral(" [") + (form.isEmpty() ? QStringLiteral("-") : escaped(form)) +
                     QStringLiteral("] ") + escaped(message) + QLatin1Char('\n'))
                        .toUtf8();
  // A line longer than the file may ever be is cut to fit, at the start of a character.
  if (line.size() > kLogFileLimit) {
    line.truncate(kLogFileLimit - 1);
    while (!line.isEmpty() && (uchar(line.back()) & 0xC0) == 0x80) line.chop(1);  // inside a character
    if (!line.isEmpty() && uchar(line.back()) >= 0xC0) line.chop(1);              // its first byte
    line += '\n';
  }
  return line;
}

// Where the file cannot take a line, it goes to the standard error: a folder that takes no log is
// one whose failures most need telling.
void toStandardError(const QByteArray& line) { std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr); }

// Appends `line`, keeping the file within its limit: the lines so far become the one older file.
// Where they cannot (the older file will not go, or the file will not be renamed), the file
// starts again with a line that says so rather than grow past its limit; a file that cannot even
// be emptied is not written to at all.
void appendLine(const QString& path, const QByteArray& line) {
  QFile file(path);
  QByteArray out = line;
  if (file.exists() && file.size() + line.size() > kLogFileLimit) {
    const QString older = path + QStringLiteral(".1");
    QFile::remove(older);
    if (!QFile::rename(path, older)) {
      if (!file.resize(0)) return toStandardError(line);
      const QByteArray note = lineOf(
          "halvion.platform", QtWarningMsg, QString(),
          QFileInfo(older).fileName() + QStringLiteral(" could not be replaced: the lines before this one are gone"));
      if (note.size() + line.size() <= kLogFileLimit) out = note + line;
    }
  }
  // A log that cannot be written must never stop the program.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(out) != out.size()) toStandardError(line);
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
  appendLine(s.path, lineOf(context.category, type, s.formName ? s.formName() : QString(), message));
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
