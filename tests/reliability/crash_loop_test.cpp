// Bills saved by a process that is killed (SIGKILL) at random moments, again and again: after
// every kill the file is whole, every counter is the highest bill number of its table, no number
// is given twice, no test bill is stored in part, and the advance an in-patient holds is the one
// of the last in-patient bill stored.
//
// The number of kills is HALVION_KILLS (default 12); bench/crash-loop runs 200.
#include <QRandomGenerator>
#include <QStringList>
#include <csignal>
#include <sqlite3.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include "data/bills.h"
#include "faults.h"
#include "platform/programlock.h"
#include "support/fixture.h"

namespace {

// What the saving child and the killing parent share.
struct Progress {
  volatile int inSave;  // 1 from the start of a save to its commit
  volatile int saves;   // saves committed since the child started
};

// The child: every kind of bill in turn, each saved through the program's own save.
[[noreturn]] void saveBillsForever(const QString& path, Progress* progress) {
  // As the program does: the database's lock first, held until the kill.
  if (LockDatabaseFile(path) != ProgramLock::Taken) _exit(3);
  try {
    auto con = std::make_shared<Connection>();
    con->Open(path);
    const BillKind numbers[2] = {BillKind::Laboratory, BillKind::XRay};
    const QDate day(2026, 12, 10);
    for (int turn = 0;; ++turn) {
      progress->inSave = 1;
      switch (turn % 4) {
        case 0: {
          OutBillRecord bill;
          bill.billNo = NextBillNumberText(con, BillKind::OutPatient);
          bill.date = day;
          bill.fees[0] = bill.billNo;
          bill.total = bill.billNo;
          bill.patientName = QStringLiteral("Beena");
          bill.patientId = QStringLiteral("OP3");
          SaveBill(con, BillKind::OutPatient, bill);
          break;
        }
        case 1: {
          InBillRecord bill;
          bill.billNo = NextBillNumberText(con, BillKind::InPatient);
          bill.date = day;
          bill.charges[0] = bill.billNo;
          bill.total = bill.billNo;
          bill.patientName = QStringLiteral("Ravi");
          bill.patientId = QStringLiteral("IP1");
          bill.advance = bill.billNo;
          AdvanceChange advance;
          advance.kind = AdvanceChange::Kind::Set;
          advance.patientId = QStringLiteral("IP1");
          advance.patientRow =
              con->QueryValue(QStringLiteral("SELECT rowid FROM SettingsInPatient WHERE EmployeeID = 'IP1'")).intValue();
          advance.amount = Money::Parse(bill.billNo);
          SaveBill(con, BillKind::InPatient, bill, advance);
          break;
        }
        default: {
          const int k = turn % 4 - 2;
          TestBillRecord bill;
          bill.billNo = NextBillNumberText(con, numbers[k]);
          bill.date = day;
          // 1 to 3 lines, a count the check can tell from the number.
          const int lines = 1 + bill.billNo.toInt() % 3;
          for (int i = 0; i < lines; ++i) bill.lines.push_back({QStringLiteral("Test %1").arg(i), QStringLiteral("50")});
          bill.discount = QStringLiteral("0");
          bill.grossTotal = QString::number(50 * lines);
          bill.total = bill.grossTotal;
          bill.patientName = QStringLiteral("Beena");
          bill.patientId = QStringLiteral("OP3 ") + bill.billNo;
          SaveBill(con, numbers[k], bill);
          break;
        }
      }
      progress->inSave = 0;
      progress->saves = progress->saves + 1;
    }
  } catch (...) {
  }
  _exit(3);  // a save failed: the parent sees no kill
}

QStringList problems(sqlite3* db) {
  QStringList out;
  auto all = [&](const QString& sql) {
    QStringList rows;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
      rows << QStringLiteral("cannot run ") + sql + ": " + QString::fromUtf8(sqlite3_errmsg(db));
    } else {
      while (sqlite3_step(st) == SQLITE_ROW) {
        QStringList cols;
        for (int i = 0; i < sqlite3_column_count(st); ++i)
          cols << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
        rows << cols.join(u',');
      }
    }
    sqlite3_finalize(st);
    return rows;
  };
  const QStringList integrity = all("PRAGMA integrity_check");
  if (integrity != QStringList{"ok"}) out << "integrity: " + integrity.join(u';');
  const char* pairs[][2] = {{"OutPatientPrintDetails", "SettingsOutBillNo"},
                            {"InPatientPrintDetails", "SettingsInBillNo"},
                            {"LabPrintDetails", "SettingsLabBillNo"},
                            {"XRayPrintDetails", "SettingsXRayBillNo"}};
  for (const auto& pair : pairs) {
    const QString bills = QString::fromLatin1(pair[0]), counter = QString::fromLatin1(pair[1]);
    const QStringList agree =
        all(QStringLiteral("SELECT (SELECT count(*) FROM %2), (SELECT CAST(BillNo AS INTEGER) FROM %2), "
                           "(SELECT COALESCE(max(CAST(BillNo AS INTEGER)), 0) FROM %1)")
                .arg(bills, counter));
    const QStringList v = agree.value(0).split(u',');
    if (v.size() != 3 || v[0] != "1" || v[1] != v[2]) out << counter + " against " + bills + ": " + agree.value(0);
  }
  for (const char* bills : {"OutPatientPrintDetails", "InPatientPrintDetails"}) {
    const QStringList twice = all(QStringLiteral("SELECT BillNo FROM %1 GROUP BY BillNo HAVING count(*) > 1").arg(bills));
    if (!twice.isEmpty()) out << QString::fromLatin1(bills) + " numbers given twice: " + twice.join(u' ');
  }
  for (const char* bills : {"LabPrintDetails", "XRayPrintDetails"}) {
    const QStringList bad = all(QStringLiteral("SELECT BillNo FROM %1 GROUP BY BillNo HAVING "
                                               "count(DISTINCT Date || '|' || total || '|' || patientid) > 1 "
                                               "OR count(*) <> 1 + BillNo % 3")
                                    .arg(bills));
    if (!bad.isEmpty()) out << QString::fromLatin1(bills) + " bills whose lines disagree: " + bad.join(u' ');
  }
  const QStringList advance = all(
      "SELECT COALESCE(CAST(Advance AS INTEGER), 0), COALESCE((SELECT max(CAST(BillNo AS INTEGER)) FROM "
      "InPatientPrintDetails), 0) FROM SettingsInPatient WHERE EmployeeID = 'IP1'");
  const QStringList a = advance.value(0).split(u',');
  if (a.size() != 2 || a[0] != a[1]) out << "advance against the last in-patient bill: " + advance.value(0);
  return out;
}

class CrashLoop : public HalvionTest {};

TEST_F(CrashLoop, KilledMidSaveTheFileStaysWholeAndConsistent) {
  const int kills = qEnvironmentVariableIsSet("HALVION_KILLS") ? qEnvironmentVariableIntValue("HALVION_KILLS") : 12;
  exec("INSERT INTO SettingsInPatient (EmployeeID, FirstName) VALUES ('IP1', 'Ravi')");
  auto* progress = static_cast<Progress*>(
      mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  ASSERT_NE(progress, MAP_FAILED);
  QRandomGenerator random(20261210);
  int midSave = 0, saves = 0;
  for (int kill = 0; kill < kills; ++kill) {
    SCOPED_TRACE(kill);
    progress->inSave = 0;
    progress->saves = 0;
    const int savesFirst = random.bounded(4);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) saveBillsForever(dbPath(), progress);

    // Wait until the child is inside a save (after a few whole ones), then let it go on a
    // random while, so the kill falls anywhere in the save: its writes, the journal, the commit.
    int status = 0;
    bool exited = false;
    for (int spins = 0; !(progress->saves >= savesFirst && progress->inSave); ++spins) {
      if (waitpid(child, &status, WNOHANG) == child) {
        exited = true;
        break;
      }
      ASSERT_LT(spins, 2000000) << "the child never started a save";
      usleep(10);
    }
    ASSERT_FALSE(exited) << "the child stopped by itself with status " << status;
    usleep(random.bounded(4000));
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;
    midSave += progress->inSave;
    saves += progress->saves;

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(dbPath().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    const QStringList found = problems(db);
    sqlite3_close_v2(db);
    ASSERT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
    // And the program itself opens it: the killed child's lock is no obstacle.
    EXPECT_EQ(LockDatabaseFile(dbPath()), ProgramLock::Taken);
    UnlockDatabaseFile();
    Connection reopened;
    EXPECT_NO_THROW(reopened.Open(dbPath()));
  }
  munmap(progress, sizeof(Progress));
  std::printf("%d kills, %d of them mid-save; %d saves committed between them; %s bills stored\n", kills, midSave,
              saves, scalar("SELECT (SELECT count(*) FROM OutPatientPrintDetails) + (SELECT count(*) FROM "
                            "InPatientPrintDetails) + (SELECT count(DISTINCT BillNo) FROM LabPrintDetails) + "
                            "(SELECT count(DISTINCT BillNo) FROM XRayPrintDetails)")
                         .toUtf8()
                         .constData());
  // The kills must have fallen inside saves, not only between them.
  EXPECT_GE(midSave * 2, kills);
}

}  // namespace
