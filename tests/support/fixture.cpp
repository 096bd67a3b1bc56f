#include "support/fixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <sqlite3.h>

#include "data/schema.h"
#include "data/vbdes.h"
#include "framework/mainmenus.h"
#include "framework/vbform.h"
#include "globals.h"
#include "platform/programlock.h"
#include "platform/system.h"

void ScriptedMessageBoxes::expect(const QString& prompt, int answer) {
  expected_.push_back({prompt, false, {}, 0, answer});
}

void ScriptedMessageBoxes::expect(const QString& prompt, const QString& title, int style, int answer) {
  expected_.push_back({prompt, true, title, style, answer});
}

void ScriptedMessageBoxes::allowAny(int answer) {
  permissive_ = true;
  permissiveAnswer_ = answer;
}

void ScriptedMessageBoxes::strict() { permissive_ = false; }

QStringList ScriptedMessageBoxes::prompts() const {
  QStringList out;
  for (const auto& b : shown_) out << b.prompt;
  return out;
}

int ScriptedMessageBoxes::show(const QString& prompt, int style, const QString& title) {
  int answer = (style & 0x7) == vbYesNo ? vbNo : vbOK;
  if (!expected_.empty() && expected_.front().prompt == prompt) {
    const Expected e = expected_.front();
    expected_.pop_front();
    if (e.checkTitleAndStyle) {
      EXPECT_EQ(e.title.toStdString(), title.toStdString()) << "title of \"" << prompt.toStdString() << "\"";
      EXPECT_EQ(e.style, style) << "style of \"" << prompt.toStdString() << "\"";
    }
    answer = e.answer;
  } else if (permissive_) {
    answer = permissiveAnswer_;
  } else {
    ADD_FAILURE() << "unexpected message box: \"" << prompt.toStdString() << "\" (title \""
                  << title.toStdString() << "\", style " << style << ")"
                  << (expected_.empty() ? std::string()
                                        : ", expected \"" + expected_.front().prompt.toStdString() + "\"");
  }
  shown_.push_back({prompt, style, title, answer});
  return answer;
}

namespace {
void copyTree(const QString& from, const QString& to) {
  QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString src = it.next();
    const QString rel = QDir(from).relativeFilePath(src);
    QDir().mkpath(QFileInfo(QDir(to).filePath(rel)).path());
    QFile::copy(src, QDir(to).filePath(rel));
  }
}
}  // namespace

void HalvionTest::SetUp() {
  ResetGlobals();
  dir_ = std::make_unique<QTemporaryDir>();
  ASSERT_TRUE(dir_->isValid());
  copyTree(QStringLiteral(HALVION_ASSETS_DIR), dir_->path());
  SetAppPath(dir_->path());
  CreateDatabase(dbPath());

  boxes_ = std::make_shared<ScriptedMessageBoxes>();
  SetMessageBoxService(boxes_);
  printer_ = std::make_shared<RecordingPrinter>();
  SetPrinter(printer_);
  ends_ = std::make_shared<int>(0);
  SetEndHandler([ends = ends_] { ++*ends; });
  setToday(defaultToday());
}

void HalvionTest::RecordMainMenus(QStringList& into) {
  SetMainMenuHooks(nullptr, [&into](QLineEdit*) { into << "hide"; }, [&into](QLineEdit*) { into << "show"; });
}

void HalvionTest::TearDown() {
  EXPECT_EQ(boxes_->pending(), 0) << "expected message boxes were never shown";
  // Before the forms go: a hook may record into a test's local list that is gone by now.
  ClearMainMenuHooks();
  ResetForms();
  ResetGlobals();
  UnlockDatabaseFile();
  SetMessageBoxService(nullptr);
  SetPrinter(nullptr);
  SetEndHandler({});
  SetClock({});
  SetAppPath({});
  SetCipherScratch({});
  dir_.reset();
}

QString HalvionTest::folder() const { return dir_->path(); }
QString HalvionTest::dbPath() const { return QDir(dir_->path()).filePath(QString::fromLatin1(kDatabaseFileName)); }

void HalvionTest::setToday(const QDate& date) {
  SetClock([date] { return QDateTime(date, QTime(10, 30)); });
}

std::shared_ptr<Connection> HalvionTest::openDb() const {
  auto con = std::make_shared<Connection>();
  con->Open(dbPath());
  return con;
}

void HalvionTest::exec(const QString& sql) const {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open_v2(dbPath().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
  char* err = nullptr;
  const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err);
  const std::string msg = err ? err : "";
  sqlite3_free(err);
  sqlite3_close(db);
  ASSERT_EQ(rc, SQLITE_OK) << msg << " in: " << sql.toStdString();
}

QString HalvionTest::scalar(const QString& sql) const {
  sqlite3* db = nullptr;
  QString out;
  if (sqlite3_open_v2(dbPath().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW && sqlite3_column_type(st, 0) != SQLITE_NULL)
      out = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
  }
  sqlite3_close(db);
  return out;
}
