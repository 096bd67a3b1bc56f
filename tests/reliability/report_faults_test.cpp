// Generate of every report form while its table cannot be read: the file locked by another
// program past the wait, or the table gone. A report only reads, so the program must go on: the
// message, the list and total of the last Generate still on the form, and once the fault is gone
// the next Generate lists the days picked.
#include <QApplication>
#include <QDateEdit>
#include <QTest>
#include <functional>
#include <sqlite3.h>

#include "billing/common/reportform.h"
#include "billing/inpatient/frmCancelInBillReport.h"
#include "billing/inpatient/frmInBillReport.h"
#include "billing/inpatient/frmInBillReportAll.h"
#include "billing/labxray/testreportforms.h"
#include "billing/outpatient/frmCancelOutBillReport.h"
#include "billing/outpatient/frmConsultantBillReportAll.h"
#include "billing/outpatient/frmOutBillReport.h"
#include "billing/outpatient/frmOutBillReportAll.h"
#include "globals.h"
#include "support/fixture.h"

namespace {

enum class Fault { Locked, TableGone };

struct ReportCase {
  const char* name;
  const char* table;  // what the report reads
  std::function<BillReportForm*()> open;
  Fault fault;
};
void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

// Another program's connection to the file: an exclusive lock keeps every reader out, and a
// renamed table is gone for everyone else until it is named back.
class OtherProgram {
public:
  explicit OtherProgram(const QString& path) { sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr); }
  ~OtherProgram() { sqlite3_close_v2(db_); }
  OtherProgram(const OtherProgram&) = delete;
  OtherProgram& operator=(const OtherProgram&) = delete;
  bool run(const QString& sql) { return sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK; }

private:
  sqlite3* db_ = nullptr;
};

class ReportFaultTest : public HalvionTest, public ::testing::WithParamInterface<ReportCase> {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    // Each bill table: a valid and a cancelled bill today (150) and yesterday (40).
    exec("INSERT INTO OutPatientPrintDetails VALUES "
         "(1, '2026-12-10', '150', '', '', '', '', '', '', '150', 'Anu', 'OP1', 'Available'), "
         "(2, '2026-12-09', '40', '', '', '', '', '', '', '40', 'Binu', 'OP2', 'Available'), "
         "(3, '2026-12-10', '150', '', '', '', '', '', '', '150', 'Cini', 'OP3', 'Deleted'), "
         "(4, '2026-12-09', '40', '', '', '', '', '', '', '40', 'Dinu', 'OP4', 'Deleted')");
    exec("INSERT INTO InPatientPrintDetails (BillNo, Date, BedCharges, total, patientName, patientid, BillDelete, "
         "Advance) VALUES "
         "(1, '2026-12-10', '150', '150', 'Anu', 'IP1', 'Available', '0'), "
         "(2, '2026-12-09', '40', '40', 'Binu', 'IP2', 'Available', '0'), "
         "(3, '2026-12-10', '150', '150', 'Cini', 'IP3', 'Deleted', '0'), "
         "(4, '2026-12-09', '40', '40', 'Dinu', 'IP4', 'Deleted', '0')");
    for (const char* table : {"LabPrintDetails", "XRayPrintDetails"})
      exec(QStringLiteral("INSERT INTO %1 VALUES "
                          "(1, '2026-12-10', 'Test', '150', '0', '150', '150', 'Anu', 'OP1', 'Available'), "
                          "(2, '2026-12-09', 'Test', '40', '0', '40', '40', 'Binu', 'OP2', 'Available'), "
                          "(3, '2026-12-10', 'Test', '150', '0', '150', '150', 'Cini', 'OP3', 'Deleted'), "
                          "(4, '2026-12-09', 'Test', '40', '0', '40', '40', 'Dinu', 'OP4', 'Deleted')")
               .arg(QLatin1String(table)));
    exec("INSERT INTO SettingsConsultant VALUES ('2026-12-10', 'Dr. A', '150', 'OP1'), "
         "('2026-12-09', 'Dr. A', '40', 'OP2')");
    gCon = openDb();
  }

  static void click(ImageButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5)); }
  static QStringList listed(const QTreeWidget* list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      QStringList texts;
      for (int c = 0; c < list->columnCount(); ++c) texts << list->topLevelItem(i)->text(c);
      out << texts.join(" | ");
    }
    return out;
  }
};

template <class F>
std::function<BillReportForm*()> opener() {
  return [] { return static_cast<BillReportForm*>(ShowForm<F>()); };
}

TEST_P(ReportFaultTest, AGenerateThatCannotReadSaysSoAndTheFormGoesOn) {
  const ReportCase& c = GetParam();
  BillReportForm* form = c.open();
  ASSERT_TRUE(form);
  click(form->Picture1);
  const QStringList today = listed(form->List);
  ASSERT_EQ(today.size(), 1);
  const QString total = form->txtTotal->text();
  EXPECT_EQ(total, "150.00");
  const Money reportTotal = form->ReportTotal;

  // Yesterday: the period forms' first day first, so that the range is never reversed.
  for (const char* name : {"DTPicker1", "DTPicker2"})
    if (auto* picker = form->findChild<QDateEdit*>(QLatin1String(name))) picker->setDate(QDate(2026, 12, 9));

  OtherProgram other(dbPath());
  const QString table = QString::fromLatin1(c.table);
  if (c.fault == Fault::Locked)
    ASSERT_TRUE(other.run("BEGIN EXCLUSIVE"));
  else
    ASSERT_TRUE(other.run("ALTER TABLE " + table + " RENAME TO Away"));
  boxes().expect("Database Error. Please Check the database and try again", "Database Error", vbCritical);
  click(form->Picture1);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(endCount(), 0);
  EXPECT_TRUE(form->IsLoaded());
  EXPECT_EQ(listed(form->List), today);
  EXPECT_EQ(form->txtTotal->text(), total);
  EXPECT_EQ(form->ReportTotal.Format2(), reportTotal.Format2());

  // The fault is gone: Generate lists yesterday.
  ASSERT_TRUE(other.run(c.fault == Fault::Locked ? QStringLiteral("ROLLBACK") : "ALTER TABLE Away RENAME TO " + table));
  click(form->Picture1);
  EXPECT_EQ(listed(form->List).size(), 1);
  EXPECT_NE(listed(form->List), today);
  EXPECT_EQ(form->txtTotal->text(), "40.00");
  EXPECT_EQ(endCount(), 0);
}

std::vector<ReportCase> Cases() {
  const struct {
    const char* name;
    const char* table;
    std::function<BillReportForm*()> open;
  } forms[] = {
      {"OutDaily", "OutPatientPrintDetails", opener<frmOutBillReport>()},
      {"OutPeriod", "OutPatientPrintDetails", opener<frmOutBillReportAll>()},
      {"OutCancelled", "OutPatientPrintDetails", opener<frmCancelOutBillReport>()},
      {"ConsultantFee", "SettingsConsultant", opener<frmConsultantBillReportAll>()},
      {"InDaily", "InPatientPrintDetails", opener<frmInBillReport>()},
      {"InPeriod", "InPatientPrintDetails", opener<frmInBillReportAll>()},
      {"InCancelled", "InPatientPrintDetails", opener<frmCancelInBillReport>()},
      {"LabPeriod", "LabPrintDetails", opener<frmLabBillReportAll>()},
      {"LabCancelled", "LabPrintDetails", opener<frmCancelLabBillReport>()},
      {"XRayPeriod", "XRayPrintDetails", opener<frmXayBillReportAll>()},
      {"XRayCancelled", "XRayPrintDetails", opener<frmCancelXRayBillReport>()},
  };
  std::vector<ReportCase> cases;
  for (const auto& f : forms) {
    cases.push_back({f.name, f.table, f.open, Fault::TableGone});
    cases.push_back({f.name, f.table, f.open, Fault::Locked});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportFaultTest, ::testing::ValuesIn(Cases()), [](const auto& info) {
  return std::string(info.param.name) + (info.param.fault == Fault::Locked ? "_Locked" : "_TableGone");
});

}  // namespace
