// The cancelled in-patient bill report: opening with nothing cancelled, the rows of a day, and
// the printed columns.
#include "billing/inpatient/frmCancelInBill.h"
#include "billing/inpatient/frmCancelInBillReport.h"
#include "billing/inpatient/frmInBillReport.h"
#include "billing/inpatient/frmInBillReportAll.h"
#include "ipreports.h"

#include <functional>

namespace {

using CancelInReportTest = InReportsTest;

TEST_F(CancelInReportTest, NoCancelledBillClosesTheFormUnshown) {
  insert({{"1", "2026-12-03", "", "", "100", "A", "IP7"}});
  boxes().expect(QStringLiteral("No Cancel Bill"), QStringLiteral("Warning"), vbCritical);
  EXPECT_EQ(LoadForm<frmCancelInBillReport>(), nullptr);
  EXPECT_EQ(LoadedForm<frmCancelInBillReport>(), nullptr);
  EXPECT_TRUE(gActiveForm.isNull());
}

TEST_F(CancelInReportTest, ListsTheCancelledBillsOfTheDayTheyWereMadeOut) {
  insert({
      {"12", "2026-12-03", "", "", "1500", "A", "IP7", "Deleted"},
      {"3", "2026-12-03", "", "", "100", "B", "IP8"},  // still valid
      {"4", "2026-12-05", "", "", "60", "C", "IP9", "Deleted"},
      {"9", "2026-12-03", "", "", "n/a", "D", "IP10", "Deleted"},
      {"2", "2026-12-03", "", "", "0.5", "E", "", "Deleted"},
  });
  auto* f = open<frmCancelInBillReport>();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->List.topLevelItemCount(), 0);
  struct Case {
    int day;
    QStringList rows;
    QString total;
  };
  const Case cases[] = {
      // In the table's order; a total that is no number is listed as 0.00.
      {3, {"01|A-IP7|12|1500.00", "02|D-IP10|9|0.00", "03|E-|2|0.50"}, "1500.50"},
      {5, {"01|C-IP9|4|60.00"}, "60.00"},
      {4, {}, "0.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.day);
    f->DTPicker1.setDate(QDate(2026, 12, c.day));
    Click(f->Picture1);
    EXPECT_EQ(rowsOf(&f->List), c.rows);
    EXPECT_EQ(f->txtTotal.text(), c.total);
    EXPECT_EQ(f->LastSerial, int(c.rows.size()));
  }
  // The last Generate listed nothing.
  boxes().expect(QStringLiteral("Please Generate Correct Report"), QStringLiteral("Warning"), vbCritical);
  Click(f->Picture2);
  EXPECT_EQ(printer().OperationCount(), 0);

  boxes().expect(QStringLiteral("Please Select date Less than Equal To Current System Date\r\nYou cannt Select for Future Date"),
                 QStringLiteral("Warning"), vbCritical);
  f->DTPicker1.setDate(QDate(2026, 12, 11));
  EXPECT_EQ(f->DTPicker1.date(), QDate(2026, 12, 10));
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(CancelInReportTest, ListsTheBillsCancelledWhenItWasOpened) {
  insert({
      {"12", "2026-12-03", "", "", "1500", "A", "IP7", "Deleted"},
      {"3", "2026-12-03", "", "", "100", "B", "IP8"},
      {"4", "2026-12-02", "", "", "60", "C", "IP9", "Deleted"},
  });
  auto* f = open<frmCancelInBillReport>();
  ASSERT_TRUE(f);
  // Since it was opened: bill 3 was cancelled, and a cancelled bill was added.
  exec("UPDATE InPatientPrintDetails SET BillDelete='Deleted' WHERE BillNo=3");
  insert({{"20", "2026-12-03", "", "", "7", "Z", "IP20", "Deleted"}});
  struct Case {
    bool reopened;
    QStringList rows;
  };
  for (const Case& c : {Case{false, {"01|A-IP7|12|1500.00"}},
                        Case{true, {"01|A-IP7|12|1500.00", "02|B-IP8|3|100.00", "03|Z-IP20|20|7.00"}}}) {
    SCOPED_TRACE(c.reopened);
    if (c.reopened) {
      f->Unload();
      f = open<frmCancelInBillReport>();
      ASSERT_TRUE(f);
    }
    f->DTPicker1.setDate(QDate(2026, 12, 3));
    Click(f->Picture1);
    EXPECT_EQ(rowsOf(&f->List), c.rows);
  }
}

TEST_F(CancelInReportTest, PrintsTheBillNumberInAColumnOfItsOwn) {
  insert({
      {"12", "2026-12-03", "", "", "1500", "A", "IP7", "Deleted"},
      {"7", "2026-12-03", "", "", "25.75", "B", "IP8", "Deleted"},
  });
  auto* f = open<frmCancelInBillReport>();
  ASSERT_TRUE(f);
  f->DTPicker1.setDate(QDate(2026, 12, 3));
  Click(f->Picture1);
  Click(f->Picture2);
  Click(f->Picture2);  // twice: the same report again

  ASSERT_EQ(printer().Sheets().size(), 2u);
  for (std::size_t sheet : {0u, 1u}) {
    SCOPED_TRACE(sheet);
    EXPECT_EQ(lineAt(sheet, 2600), QString("9200:Date : 03/12/2026"));
    EXPECT_EQ(lineAt(sheet, 3200), QString("3000:CANCEL IN-PATIENT BILL REPORT"));
    EXPECT_EQ(lineAt(sheet, 4400), QString("800:Sl no. 4000:Patient Name - ID 7800:Bill No 9200:Amount."));
    EXPECT_EQ(lineAt(sheet, 5000), QString("800:01 4000:A-IP7 7890..8000:12 9340..10000:1500.00"));
    EXPECT_EQ(lineAt(sheet, 5200), QString("800:02 4000:B-IP8 8000:7 9560..10000:25.75"));
    EXPECT_EQ(lineAt(sheet, 6900), QString("8460..10000:Total : 1525.75"));
  }
}

TEST_F(CancelInReportTest, AMissingBillTableEndsTheProgramFromEveryForm) {
  exec("DROP TABLE InPatientPrintDetails");
  const std::function<bool()> loads[] = {
      [] { return LoadForm<frmCancelInBill>() != nullptr && UnloadForm<frmCancelInBill>(); },
      [] { return LoadForm<frmInBillReport>() != nullptr && UnloadForm<frmInBillReport>(); },
      [] { return LoadForm<frmInBillReportAll>() != nullptr && UnloadForm<frmInBillReportAll>(); },
      [] { return LoadForm<frmCancelInBillReport>() != nullptr && UnloadForm<frmCancelInBillReport>(); },
  };
  int ends = 0;
  for (const auto& load : loads) {
    boxes().expect(QStringLiteral("Database Error. Please Check the database and try again"),
                   QStringLiteral("Database Error"), vbCritical);
    load();
    EXPECT_EQ(endCount(), ++ends);
  }
}

}  // namespace
