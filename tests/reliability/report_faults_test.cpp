// Generate of every report form while its table cannot be read: the file locked by another
// program past the wait, or the table gone. A report only reads, so the program must go on: the
// message, the list and total of the last Generate still on the form, and once the fault is gone
// the next Generate lists the days picked. A read of the load that fails is the load's "Database
// Error" and the end, whichever of its reads it is.
#include <sqlite3.h>

#include "billing/outpatient/allreports.h"
#include "faults.h"

namespace {

enum class Fault { Locked, TableGone };

struct FaultCase {
  ReportFormCase form;
  Fault fault;
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.form.name; }

// Another program's connection to the file: an exclusive lock keeps every reader out, and a
// renamed table is gone for everyone else until it is named back.
class OtherProgram {
public:
  explicit OtherProgram(const QString& path) {
    sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
  }
  ~OtherProgram() { sqlite3_close_v2(db_); }
  OtherProgram(const OtherProgram&) = delete;
  OtherProgram& operator=(const OtherProgram&) = delete;
  bool run(const QString& sql) {
    return sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
  }

private:
  sqlite3* db_ = nullptr;
};

class ReportFaultTest : public AllReportsTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ReportFaultTest, AGenerateThatCannotReadSaysSoAndTheFormGoesOn) {
  const FaultCase& c = GetParam();
  BillReportForm* form = c.form.open();
  ASSERT_TRUE(form);
  Click(form->Picture1);
  const QStringList today = listed(&form->List);
  ASSERT_EQ(today.size(), 1);
  const QString total = form->txtTotal.text();
  EXPECT_EQ(total, "150.00");
  const Money reportTotal = form->ReportTotal;
  pickDay(form, QDate(2026, 12, 9));

  OtherProgram other(dbPath());
  const QString table = QString::fromLatin1(c.form.table);
  if (c.fault == Fault::Locked)
    ASSERT_TRUE(other.run("BEGIN EXCLUSIVE"));
  else
    ASSERT_TRUE(other.run("ALTER TABLE " + table + " RENAME TO Away"));
  boxes().expect("Database Error. Please Check the database and try again", "Database Error", vbCritical);
  Click(form->Picture1);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(endCount(), 0);
  EXPECT_TRUE(form->IsLoaded());
  EXPECT_EQ(listed(&form->List), today);
  EXPECT_EQ(form->txtTotal.text(), total);
  EXPECT_EQ(form->ReportTotal.Format2(), reportTotal.Format2());

  // The fault is gone: Generate lists yesterday.
  ASSERT_TRUE(other.run(c.fault == Fault::Locked ? QStringLiteral("ROLLBACK") : "ALTER TABLE Away RENAME TO " + table));
  Click(form->Picture1);
  EXPECT_EQ(listed(&form->List).size(), 1);
  EXPECT_NE(listed(&form->List), today);
  EXPECT_EQ(form->txtTotal.text(), "40.00");
  EXPECT_EQ(endCount(), 0);
}

std::vector<FaultCase> Cases() {
  std::vector<FaultCase> cases;
  for (const ReportFormCase& form : AllReportForms()) {
    cases.push_back({form, Fault::TableGone});
    cases.push_back({form, Fault::Locked});
  }
  return cases;
}

// Another process holds the whole file and lets go just as the program's wait runs out, so that
// the first read of the load fails and every later one finds the file free.
class LoadFaultTest : public AllReportsTest, public ::testing::WithParamInterface<ReportFormCase> {
protected:
  static int LetGo(void* self, int) {
    auto* test = static_cast<LoadFaultTest*>(self);
    ++test->waits;
    test->lock->Release();
    return 0;  // the wait is over: the read fails as the locked file's would
  }
  std::unique_ptr<LockHolder> lock;
  int waits = 0;
};

TEST_P(LoadFaultTest, TheFirstReadOfTheLoadFailingIsADatabaseErrorAndTheEnd) {
  lock = std::make_unique<LockHolder>(dbPath(), true);
  ASSERT_TRUE(lock->held());
  sqlite3_busy_handler(gCon->handle(), &LoadFaultTest::LetGo, this);
  boxes().expect("Database Error. Please Check the database and try again", "Database Error", vbCritical);
  GetParam().open();
  sqlite3_busy_handler(gCon->handle(), nullptr, nullptr);
  EXPECT_EQ(waits, 1);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(endCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Reports, LoadFaultTest, ::testing::ValuesIn(AllReportForms()),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Reports, ReportFaultTest, ::testing::ValuesIn(Cases()), [](const auto& info) {
  return std::string(info.param.form.name) + (info.param.fault == Fault::Locked ? "_Locked" : "_TableGone");
});

}  // namespace
