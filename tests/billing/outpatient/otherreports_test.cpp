// The cancelled-bill report and the consultant fee report: what each lists, its total, and its
// own date line, title, heads and columns on paper; and the pickers' future-date guard of every
// report form.
#include "billing/outpatient/frmCancelOutBillReport.h"
#include "billing/outpatient/frmConsultantBillReportAll.h"
#include "billing/outpatient/frmOutBillReport.h"
#include "billing/outpatient/frmOutBillReportAll.h"
#include "opreports.h"

namespace {

using OtherReportsTest = OpReportsTest;

TEST_F(OtherReportsTest, CancelledReportListsTheCancelledBillsOfTheDay) {
  insert({
      {25, "2026-12-09", "", "", "150", "ABC", "OP17", "Deleted"},
      {26, "2026-12-08", "", "", "40", "Old", "OP2", "Deleted"},
      {27, "2026-12-09", "", "", "80", "Live", "OP3"},
      {24, "2026-12-09", "", "", "none", "Bad", "OP4", "Deleted"},
      {28, "2026-12-09", "5", "", "12.345", "Tiny", "OP5", "DELETED"},
  });
  auto* f = open<frmCancelOutBillReport>();
  ASSERT_TRUE(f);
  f->DTPicker1.setDate(QDate(2026, 12, 9));
  Click(f->Picture1);
  // In table order; the status compared without regard to case.
  EXPECT_EQ(listed(&f->List), (QStringList{"01 | ABC-OP17 | 25 | 150.00", "02 | Bad-OP4 | 24 | 0.00",
                                          "03 | Tiny-OP5 | 28 | 12.35"}));
  EXPECT_EQ(f->txtTotal.text(), "162.35");

  // Printed under the day picked now, with the rows generated before.
  f->DTPicker1.setDate(QDate(2026, 12, 8));
  Click(f->Picture2);
  EXPECT_EQ(printedLine(2600), "Date : 08/12/2026");
  EXPECT_EQ(printer().Find("Date : 08/12/2026")->x, 9200);
  EXPECT_EQ(printedLine(3200), "CANCEL OUT-PATIENT BILL REPORT");
  EXPECT_EQ(printedLine(4400), "Sl no. | Patient Name - ID | Bill No | Amount.");
  EXPECT_EQ(printedLine(5000), "01 | ABC-OP17 | 25 | 150.00");
  std::vector<double> billNoX;
  for (const PrintedItem& item : printer().Items())
    if (item.y == 5000 && item.x > 7000 && item.x <= 8000) billNoX.push_back(item.x);
  EXPECT_EQ(billNoX, (std::vector<double>{8000, 7890}));  // the 5 first, the 2 left of it
  EXPECT_EQ(printedLine(5600 + 1500), "Total : 162.35");

  Click(f->Picture1);
  EXPECT_EQ(listed(&f->List), QStringList{"01 | Old-OP2 | 26 | 40.00"});
}

TEST_F(OtherReportsTest, CancelledReportWithoutCancelledBillsClosesOnce) {
  insert({1, "2026-12-09", "", "", "10", "A", "OP1"});
  boxes().expect("No Cancel Bill", "Warning", vbCritical);
  EXPECT_FALSE(open<frmCancelOutBillReport>());
  EXPECT_FALSE(LoadedForm<frmCancelOutBillReport>());
  EXPECT_EQ(boxes().shown().size(), 1u);
}

TEST_F(OtherReportsTest, ConsultantReportListsTheFeesOfTheRangeByDoctor) {
  exec("INSERT INTO SettingsConsultant VALUES "
       "('2026-12-10', 'dr. B', '100', 'OP1'), "
       "('2026-12-10', 'Dr. A', '250', 'IP12'), "
       "('2026-12-09', 'Dr. A', '40', 'OP2'), "
       "('2007-03-05', 'Dr. A', '350', 'IP12'), "
       "('2026-12-10', 'Dr. C', NULL, 'OP3'), "
       "('2026-12-10', 'Dr. A', '5.5', 'OP4'), "
       "(NULL, 'Dr. A', '9', 'OP5')");
  auto* f = open<frmConsultantBillReportAll>();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->List.headerItem()->text(1), "Dr. Name / Patient ID / Date  ");
  EXPECT_EQ(f->txtTotal.text(), "");

  // Today only, grouped by doctor in name order whatever the case, serials over the whole list.
  Click(f->Picture1);
  EXPECT_EQ(listed(&f->List), (QStringList{"01 | Dr. A - IP12 - 10/12/2026 | 250.00", "02 | Dr. A - OP4 - 10/12/2026 | 5.50",
                                          "03 | dr. B - OP1 - 10/12/2026 | 100.00", "04 | Dr. C - OP3 - 10/12/2026 | 0.00"}));
  EXPECT_EQ(f->txtTotal.text(), "355.50");

  f->DTPicker1.setDate(QDate(2007, 3, 5));
  f->DTPicker2.setDate(QDate(2007, 3, 5));
  Click(f->Picture1);
  EXPECT_EQ(listed(&f->List), QStringList{"01 | Dr. A - IP12 - 05/03/2007 | 350.00"});

  // A reversed range keeps the list.
  f->DTPicker1.setDate(QDate(2026, 12, 9));
  boxes().expect("Please select Correct Date ! It must be lessthan Second Date", "Warning", vbCritical);
  Click(f->Picture1);
  EXPECT_EQ(listed(&f->List), QStringList{"01 | Dr. A - IP12 - 05/03/2007 | 350.00"});

  f->DTPicker2.setDate(QDate(2026, 12, 9));
  Click(f->Picture1);
  EXPECT_EQ(listed(&f->List), QStringList{"01 | Dr. A - OP2 - 09/12/2026 | 40.00"});
  f->DTPicker2.setDate(QDate(2026, 12, 10));
  Click(f->Picture1);
  ASSERT_EQ(f->List.topLevelItemCount(), 5);
  EXPECT_EQ(f->txtTotal.text(), "395.50");

  // On paper: the collection report's layout under the fee sheet's own title and middle head,
  // at the places and sizes of the collection report's; the range read at print time.
  f->DTPicker1.setDate(QDate(2026, 12, 1));
  Click(f->Picture2);
  EXPECT_EQ(printedLine(2600), "Date : 01/12/2026 To 10/12/2026");
  EXPECT_EQ(printer().Find("Date : 01/12/2026 To 10/12/2026")->x, 7200);
  EXPECT_EQ(printedLine(3200), "CASH COLLECTION CONSULTANT FEE REPORT");
  EXPECT_EQ(printedLine(4400), "Sl no. | Doctor - Patient Id - Date | Amount.");
  const struct {
    const char* text;
    double x, y;
  } own[] = {{"CASH COLLECTION CONSULTANT FEE REPORT", 3000, 3200}, {"Doctor - Patient Id - Date", 4000, 4400}};
  for (const auto& o : own) {
    const PrintedItem* item = printer().Find(o.text);
    ASSERT_TRUE(item) << o.text;
    EXPECT_EQ(item->x, o.x) << o.text;
    EXPECT_EQ(item->y, o.y) << o.text;
    EXPECT_EQ(item->fontSize, 12) << o.text;
  }
  EXPECT_FALSE(printer().Find("CASH COLLECTION IN-PATIENT BILL REPORT"));
  EXPECT_FALSE(printer().Find("Bill_No - Patient Name "));
  EXPECT_EQ(printedLine(5000), "01 | Dr. A - IP12 - 10/12/2026 | 250.00");
  EXPECT_EQ(printedLine(6000 + 1500), "Total : 395.50");
}

TEST_F(OtherReportsTest, EveryReportPickerRefusesDaysAfterToday) {
  insert({
      {1, "2026-12-09", "", "", "10", "A", "OP1"},
      {2, "2026-12-09", "", "", "10", "B", "OP2", "Deleted"},
  });
  const QString first = "Please Select date Less than Equal To Current System Date\r\n";
  struct Case {
    const char* form;
    std::function<QDateEdit*()> picker;
    QString secondLine;
  };
  const Case cases[] = {
      {"period, first", [&] { return &open<frmOutBillReportAll>()->DTPicker1; }, "You cannt select for Future Date"},
      {"period, second", [&] { return &*open<frmOutBillReportAll>()->DTPicker2; }, "You cannt select for Future Date"},
      {"daily", [&] { return &open<frmOutBillReport>()->DTPicker1; }, "You cannt Select for Future Date"},
      {"cancelled", [&] { return &open<frmCancelOutBillReport>()->DTPicker1; }, "You cannt Select for Future Date"},
      {"consultant, first", [&] { return &open<frmConsultantBillReportAll>()->DTPicker1; },
       "You cannt select for Future Date"},
      {"consultant, second", [&] { return &open<frmConsultantBillReportAll>()->DTPicker2; },
       "You cannt select for Future Date"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.form);
    QDateEdit* picker = c.picker();
    ASSERT_TRUE(picker);
    picker->setDate(QDate(2026, 12, 10));  // today passes
    boxes().expect(first + c.secondLine, "Warning", vbCritical);
    picker->setDate(QDate(2026, 12, 11));
    EXPECT_EQ(picker->date(), QDate(2026, 12, 10));
    EXPECT_EQ(boxes().pending(), 0);
  }
}

}  // namespace
