#include "faults.h"

#include <QStringList>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

QString HandleScalar(sqlite3* db, const char* sql) {
  sqlite3_stmt* st = nullptr;
  QString out;
  if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
    out = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
  sqlite3_finalize(st);
  return out;
}

bool FillDisk(Connection& con) {
  if (HandleScalar(con.handle(), "PRAGMA freelist_count").toInt() != 0) return false;
  const QByteArray pages = HandleScalar(con.handle(), "PRAGMA page_count").toUtf8();
  const QByteArray sql = "PRAGMA max_page_count=" + pages;
  sqlite3_exec(con.handle(), sql.constData(), nullptr, nullptr, nullptr);
  return HandleScalar(con.handle(), "PRAGMA max_page_count") == QString::fromUtf8(pages);
}

void FreeDisk(Connection& con) {
  sqlite3_exec(con.handle(), "PRAGMA max_page_count=1073741823", nullptr, nullptr, nullptr);
}

void RefuseWrites(Connection& con) { sqlite3_exec(con.handle(), "PRAGMA query_only=1", nullptr, nullptr, nullptr); }
void AllowWrites(Connection& con) { sqlite3_exec(con.handle(), "PRAGMA query_only=0", nullptr, nullptr, nullptr); }

LockHolder::LockHolder(const QString& path, bool readersToo) {
  int up[2], down[2];
  if (pipe(up) != 0) return;
  if (pipe(down) != 0) {
    close(up[0]);
    close(up[1]);
    return;
  }
  const QByteArray file = path.toUtf8();
  const pid_t pid = fork();
  if (pid == 0) {
    // The child: only SQLite and the pipes, then straight out.
    close(up[0]);
    close(down[1]);
    sqlite3* db = nullptr;
    char ok = 'n';
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
        sqlite3_exec(db, readersToo ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK)
      ok = 'y';
    (void)!write(up[1], &ok, 1);
    char c;
    (void)!read(down[0], &c, 1);  // until released, or the parent is gone
    _exit(0);
  }
  close(up[1]);
  close(down[0]);
  toChild_ = down[1];
  char ok = 'n';
  const bool answered = pid > 0 && read(up[0], &ok, 1) == 1;
  close(up[0]);
  pid_ = pid;
  if (!answered || ok != 'y') Release();
}

void LockHolder::Release() {
  if (toChild_ >= 0) {
    const char c = 'x';
    (void)!write(toChild_, &c, 1);
    close(toChild_);
    toChild_ = -1;
  }
  if (pid_ > 0) waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

LockHolder::~LockHolder() { Release(); }

bool CanTakeWriteLock(const QString& path) {
  sqlite3* db = nullptr;
  bool taken = false;
  if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
    taken = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (taken) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
  }
  sqlite3_close_v2(db);
  return taken;
}

QString DatabaseDump(const QString& path) {
  sqlite3* db = nullptr;
  QString out;
  if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    sqlite3_close_v2(db);
    return QStringLiteral("(cannot open)");
  }
  sqlite3_busy_timeout(db, 5000);
  QStringList tables;
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "SELECT name, sql FROM sqlite_master ORDER BY name", -1, &st, nullptr);
  while (sqlite3_step(st) == SQLITE_ROW) {
    tables << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    out += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1))) + u'\n';
  }
  sqlite3_finalize(st);
  for (const QString& table : tables) {
    const QByteArray sql = "SELECT * FROM \"" + table.toUtf8() + "\" ORDER BY rowid";
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) != SQLITE_OK) continue;
    out += table + u':';
    while (sqlite3_step(st) == SQLITE_ROW) {
      for (int i = 0; i < sqlite3_column_count(st); ++i) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
        out += (text ? QString::fromUtf8(text) : QStringLiteral("<null>")) + u'|';
      }
      out += u'\n';
    }
    sqlite3_finalize(st);
  }
  sqlite3_close_v2(db);
  return out;
}
