// The log beside the database: a save refused by a lock another process holds and a printer that
// fails are both written there with their description, the form and the time, while the screen
// says only what it always said; a description holding line breaks, NUL or other control
// characters stays one line, written escaped; the file keeps the last megabyte and one older file.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "billing/outpatient/billform.h"
#include "faults.h"
#include "platform/log.h"

namespace {

class LogTest : public BillFormTest {
protected:
  void SetUp() override {
    BillFormTest::SetUp();
    logPath = QDir(folder()).filePath(QString::fromLatin1(kLogFileName));
    OpenLogFile(logPath);
  }
  void TearDown() override {
    OpenLogFile(QString());
    BillFormTest::TearDown();
  }
  QStringList lines() const {
    QFile f(logPath);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
  }

  QString logPath;
};

// "2026-12-10 10:30:01.123 halvion.platform warning [frmBill] ..."
const QRegularExpression kLine(QStringLiteral(
    "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} halvion\\.platform warning \\[frmBill\\] (.*)$"));

TEST_F(LogTest, ALockedFileAndAFailingPrinterAreWrittenWithTheirDescriptionFormAndTime) {
  ASSERT_TRUE(open());
  makeBill();
  {
    LockHolder lock(dbPath());
    ASSERT_TRUE(lock.held());
    boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    boxes().allowAny();
    Click(form->Picture2);
    boxes().strict();
  }
  printer().FailAt(1, QStringLiteral("the paper tray is empty"));
  boxes().allowAny(vbYes);
  Click(form->Picture2);
  boxes().strict();

  QStringList database, printing;
  for (const QString& line : lines()) {
    const QRegularExpressionMatch m = kLine.match(line);
    ASSERT_TRUE(m.hasMatch()) << line.toStdString();
    if (m.captured(1).startsWith(QStringLiteral("database error"))) database << m.captured(1);
    if (m.captured(1).startsWith(QStringLiteral("printer error"))) printing << m.captured(1);
  }
  ASSERT_FALSE(database.isEmpty());
  EXPECT_TRUE(database.join(u'\n').contains(QStringLiteral("the database is locked"))) << database.join(u'\n').toStdString();
  ASSERT_FALSE(printing.isEmpty());
  EXPECT_TRUE(printing.join(u'\n').contains(QStringLiteral("the paper tray is empty")));
  EXPECT_EQ(billRows(), 0);
}

TEST_F(LogTest, ControlCharactersInADescriptionAreWrittenEscapedAndTheEntryStaysOneLine) {
  ASSERT_TRUE(open());
  makeBill();
  const QString reason = QStringLiteral("tray 2\r\nempty\n") + QChar(u'\0') +
                         QStringLiteral("\tjob \x1b[2J at C:\\spool") + QChar(0x2028) + QStringLiteral("end");
  printer().FailAt(1, reason);
  boxes().allowAny(vbYes);
  Click(form->Picture2);
  boxes().strict();

  QFile f(logPath);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  for (const char c : bytes)
    ASSERT_TRUE(c == '\n' || uchar(c) >= 0x20) << "a raw control character " << int(c) << " in\n" << bytes.toStdString();
  const QString written = QStringLiteral("tray 2\\r\\nempty\\n\\x00\\tjob \\x1b[2J at C:\\\\spool\\u2028end");
  int entries = 0;
  for (const QString& line : QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts)) {
    const QRegularExpressionMatch m = kLine.match(line);
    ASSERT_TRUE(m.hasMatch()) << line.toStdString();
    if (m.captured(1).startsWith(QStringLiteral("printer error"))) {
      ++entries;
      EXPECT_TRUE(m.captured(1).endsWith(QStringLiteral(" - ") + written)) << line.toStdString();
    }
  }
  EXPECT_EQ(entries, 1);
  EXPECT_EQ(billRows(), 0);
}

TEST_F(LogTest, TheFileKeepsTheLastMegabyteAndOneOlderFile) {
  const QString older = logPath + QStringLiteral(".1");
  const QString description(1000, u'x');
  for (int i = 0; i < 2500; ++i) DbError(adErrProvider, description);
  ASSERT_TRUE(QFile::exists(older));
  EXPECT_LE(QFile(logPath).size(), kLogFileLimit);
  EXPECT_LE(QFile(older).size(), kLogFileLimit);
  EXPECT_GT(QFile(older).size(), kLogFileLimit - 2000);
  EXPECT_FALSE(QFile::exists(logPath + QStringLiteral(".2")));
}

TEST_F(LogTest, WhereTheOlderFileCannotBeReplacedTheFileStartsAgainWithinTheLimit) {
  // A folder of that name, with something in it, can be neither removed nor written over.
  const QString older = logPath + QStringLiteral(".1");
  ASSERT_TRUE(QDir().mkpath(older + QStringLiteral("/kept")));
  const QString description(1000, u'x');
  for (int i = 0; i < 2500; ++i) {
    DbError(adErrProvider, description);
    ASSERT_LE(QFile(logPath).size(), kLogFileLimit) << "line " << i;
  }
  EXPECT_TRUE(QFileInfo(older + QStringLiteral("/kept")).isDir());
  const QStringList kept = lines();
  ASSERT_GT(kept.size(), 100);
  EXPECT_TRUE(kept.first().contains(QStringLiteral("halvion.log.1 could not be replaced")))
      << kept.first().toStdString();
  EXPECT_TRUE(kept.last().endsWith(description));

  // A line longer than the whole file is cut to fit, at the start of a character.
  DbError(adErrProvider, QString(600 * 1024, QChar(0x0939)));  // three bytes each
  EXPECT_LE(QFile(logPath).size(), kLogFileLimit);
  QFile f(logPath);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  EXPECT_TRUE(bytes.endsWith(QByteArray("\xe0\xa4\xb9\n")));
  EXPECT_FALSE(QString::fromUtf8(bytes).contains(QChar::ReplacementCharacter));
}

TEST_F(LogTest, AFailurePassedOverIsWrittenTooAndNothingIsWrittenWithoutAFile) {
  try {
    throw DbError(adErrProvider, QStringLiteral("no such table: Nowhere"));
  } catch (...) {
    LogSwallowed(lcShell, "a test step", std::current_exception());
  }
  const QStringList all = lines();
  ASSERT_FALSE(all.isEmpty());
  EXPECT_TRUE(all.last().contains(QStringLiteral(
      "halvion.shell warning [-] passed over in a test step - database error -2147467259: no such table: Nowhere")))
      << all.last().toStdString();

  OpenLogFile(QString());
  const qint64 size = QFile(logPath).size();
  DbError(adErrProvider, QStringLiteral("not written"));
  EXPECT_EQ(QFile(logPath).size(), size);
}

}  // namespace
