// The daily and period out-patient collection reports: which bills each lists, their texts and
// totals, the range and date checks, and what the Print button puts on paper.
#include "billing/outpatient/frmOutBillReport.h"
#include "billing/outpatient/frmOutBillReportAll.h"
#include "opreports.h"

namespace {

class CollectionReportTest : public OpReportsTest {
protected:
  void SetUp() override {
    OpReportsTest::SetUp();
    // Inserted out of number order: the reports list by bill number.
    insert({
        {10, "2026-12-10", "", "", "0.005", "J", "OP10"},
        {1, "2026-12-01", "", "", "100", "A", "OP1"},
        {2, "2026-12-05", "50", "", "150", "B", "OP2"},
        {3, "2026-12-05", "0", "", "20", "C", "OP3"},
        {4, "2026-12-06", "  ", " ", "12.5", "D", "OP4"},
        {5, "2026-12-08", "30", "40", "170", "E", "OP5"},
        {6, "2026-12-08", "", "60", "60", "F", "OP6"},
        {7, "2026-12-09", "", "", "80", "G", "OP7", "Deleted"},
        {8, "2026-11-30", "", "", "5", "H", "OP8"},
        {9, "2026-12-10", nullptr, nullptr, nullptr, "I", "OP9"},
        {11, nullptr, "", "", "7", "K", "OP11"},
        {12, "2026-12-10", "", "", "0.005", "L", "OP12"},
    });
  }

  // The bill numbers listed, from the rows' texts.
  static QStringList billNos(const QTreeWidget* list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) out << list->topLevelItem(i)->text(1).section('-', 0, 0).trimmed();
    return out;
  }

  static void pick(CollectionReportForm* f, bool ecg, bool scan) {
    f->CheckBox1.setChecked(ecg);
    f->CheckBox2.setChecked(scan);
  }
};

TEST_F(CollectionReportTest, PeriodReportListsTheBillsOfTheRangeAndMode) {
  auto* f = open<frmOutBillReportAll>();
  ASSERT_TRUE(f);
  struct Case {
    QDate from, to;
    bool ecg, scan;
    QStringList bills;
    QString total;
  };
  const QDate d1(2026, 12, 1), d5(2026, 12, 5), d6(2026, 12, 6), d8(2026, 12, 8), d10(2026, 12, 10);
  const Case cases[] = {
      // Blanks are no fee and NULL is none; "0" is a fee. A cancelled bill is never listed.
      {d1, d10, false, false, {"1", "4", "9", "10", "12"}, "112.52"},
      {d5, d8, true, false, {"2", "3", "5"}, "340.00"},
      {d5, d8, false, true, {"5", "6"}, "230.00"},
      {d5, d8, true, true, {"2", "3", "5"}, "340.00"},
      // Both ends are in the range; a one-day range is that day.
      {d6, d6, false, false, {"4"}, "12.50"},
      {QDate(2026, 12, 2), d5, false, false, {}, "0.00"},
      {QDate(2026, 11, 30), d1, false, false, {"1", "8"}, "105.00"},
      // Half a cent a bill: the total is rounded after every row.
      {d10, d10, false, false, {"9", "10", "12"}, "0.02"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(QString("%1..%2 ecg %3 scan %4").arg(DateText(c.from), DateText(c.to)).arg(c.ecg).arg(c.scan).toStdString());
    f->DTPicker1.setDate(c.from);
    f->DTPicker2->setDate(c.to);
    pick(f, c.ecg, c.scan);
    Click(f->Picture1);
    EXPECT_EQ(billNos(&f->List), c.bills);
    EXPECT_EQ(f->txtTotal.text(), c.total);
    EXPECT_EQ(f->ReportTotal.Format2(), c.total);
    EXPECT_EQ(f->LastSerial, int(c.bills.size()));
  }
  f->DTPicker1.setDate(d1);
  f->DTPicker2->setDate(d6);
  pick(f, false, false);
  Click(f->Picture1);
  EXPECT_EQ(listed(&f->List), (QStringList{"01 | 1 - A - 01/12/2026 - OP1 | 100.00", "02 | 4 - D - 06/12/2026 - OP4 | 12.50"}));
  EXPECT_EQ(f->List.headerItem()->text(1), "Bill-No / Patient Name / Date");
}

TEST_F(CollectionReportTest, PeriodReportRefusesAReversedRangeAndKeepsTheList) {
  auto* f = open<frmOutBillReportAll>();
  ASSERT_TRUE(f);
  f->DTPicker1.setDate(QDate(2026, 12, 1));
  Click(f->Picture1);
  const QStringList before = listed(&f->List);
  ASSERT_EQ(before.size(), 5);
  f->DTPicker1.setDate(QDate(2026, 12, 9));
  f->DTPicker2->setDate(QDate(2026, 12, 8));
  boxes().expect("Please select Correct Date ! It must be lessthan Second Date", "Warning", vbCritical);
  Click(f->Picture1);
  EXPECT_EQ(listed(&f->List), before);
  EXPECT_EQ(f->txtTotal.text(), "112.52");
}

TEST_F(CollectionReportTest, DailyReportListsOneDayWithoutTheDate) {
  auto* f = open<frmOutBillReport>();
  ASSERT_TRUE(f);
  EXPECT_FALSE(f->DTPicker2);
  EXPECT_EQ(f->List.headerItem()->text(1), "Bill-No / Patient Name");
  f->DTPicker1.setDate(QDate(2026, 12, 5));
  pick(f, true, false);
  Click(f->Picture1);
  EXPECT_EQ(listed(&f->List), (QStringList{"01 | 2-B-OP2 | 150.00", "02 | 3-C-OP3 | 20.00"}));
  EXPECT_EQ(f->txtTotal.text(), "170.00");
  f->DTPicker1.setDate(QDate(2026, 12, 9));  // only a cancelled bill that day
  pick(f, false, false);
  Click(f->Picture1);
  EXPECT_EQ(listed(&f->List), QStringList());
  EXPECT_EQ(f->txtTotal.text(), "0.00");
}

TEST_F(CollectionReportTest, ReportsListTheBillsThatWereThereAtLoad) {
  auto* f = open<frmOutBillReportAll>();
  ASSERT_TRUE(f);
  insert({20, "2026-12-10", "", "", "99", "Z", "OP20"});
  Click(f->Picture1);
  EXPECT_EQ(billNos(&f->List), (QStringList{"9", "10", "12"}));
  f->Unload();
  f = open<frmOutBillReportAll>();
  ASSERT_TRUE(f);
  Click(f->Picture1);
  EXPECT_EQ(billNos(&f->List), (QStringList{"9", "10", "12", "20"}));
}

TEST_F(CollectionReportTest, SerialsHaveTwoDigitsAtLeast) {
  for (int i = 0; i < 100; ++i) insert({100 + i, "2026-12-07", "", "", "1", "P", "OP"});
  auto* f = open<frmOutBillReportAll>();
  ASSERT_TRUE(f);
  f->DTPicker1.setDate(QDate(2026, 12, 7));
  f->DTPicker2->setDate(QDate(2026, 12, 7));
  Click(f->Picture1);
  ASSERT_EQ(f->List.topLevelItemCount(), 100);
  EXPECT_EQ(f->List.topLevelItem(0)->text(0), "01");
  EXPECT_EQ(f->List.topLevelItem(8)->text(0), "09");
  EXPECT_EQ(f->List.topLevelItem(99)->text(0), "100");
  EXPECT_EQ(f->txtTotal.text(), "100.00");
}

TEST_F(CollectionReportTest, DailyReportWithoutValidBillsClosesOnce) {
  exec("UPDATE OutPatientPrintDetails SET BillDelete = 'Deleted'");
  boxes().expect("Please add the OutPatient Details First", "Warning", vbCritical);
  EXPECT_FALSE(open<frmOutBillReport>());
  EXPECT_FALSE(LoadedForm<frmOutBillReport>());
  EXPECT_EQ(boxes().shown().size(), 1u);
  // The period report opens all the same, with nothing to list.
  auto* f = open<frmOutBillReportAll>();
  ASSERT_TRUE(f);
  f->DTPicker1.setDate(QDate(2026, 11, 1));
  Click(f->Picture1);
  EXPECT_EQ(f->txtTotal.text(), "0.00");
  boxes().expect("Please Generate Correct Report", "Warning", vbCritical);
  Click(f->Picture2);
  EXPECT_TRUE(printer().Items().empty());
}

TEST_F(CollectionReportTest, PrintTakesTheRowsOfGenerateAndTheBoxesAsTheyAreNow) {
  auto* f = open<frmOutBillReportAll>();
  ASSERT_TRUE(f);
  f->DTPicker1.setDate(QDate(2026, 12, 5));
  f->DTPicker2->setDate(QDate(2026, 12, 8));
  pick(f, true, false);
  Click(f->Picture1);
  struct Case {
    bool ecg, scan;
    QString title;
  };
  const Case cases[] = {
      {false, false, "CASH COLLECTION OUT-PATIENT BILL REPORT"},
      {true, false, "CASH COLLECTION ECG BILL REPORT"},
      {false, true, "CASH COLLECTION SCAN BILL REPORT"},
      {true, true, "CASH COLLECTION ECG BILL REPORT"},
  };
  f->DTPicker1.setDate(QDate(2026, 12, 1));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title.toStdString());
    freshPrinter();
    pick(f, c.ecg, c.scan);
    Click(f->Picture2);
    EXPECT_EQ(printedLine(3200), c.title);
    EXPECT_EQ(printedLine(2600), "Date : 01/12/2026 To 08/12/2026");
    EXPECT_EQ(rec().Find("Date : 01/12/2026 To 08/12/2026")->x, 7200);
    EXPECT_EQ(printedLine(5000), "01 | 2 - B - 05/12/2026 - OP2 | 150.00");
    EXPECT_EQ(printedLine(5400), "03 | 5 - E - 08/12/2026 - OP5 | 170.00");
    EXPECT_EQ(printedLine(5600 + 1500), "Total : 340.00");
  }
  EXPECT_EQ(f->txtTotal.text(), "340.00");
  EXPECT_EQ(f->List.topLevelItemCount(), 3);

  // The daily report prints its one day further right.
  auto* daily = open<frmOutBillReport>();
  ASSERT_TRUE(daily);
  daily->DTPicker1.setDate(QDate(2026, 12, 6));
  Click(daily->Picture1);
  freshPrinter();
  Click(daily->Picture2);
  EXPECT_EQ(printedLine(2600), "Date : 06/12/2026");
  EXPECT_EQ(rec().Find("Date : 06/12/2026")->x, 9200);
  EXPECT_EQ(printedLine(4400), "Sl no. | Bill_No - Patient Name  | Amount.");
  EXPECT_EQ(printedLine(5000), "01 | 4-D-OP4 | 12.50");
}

TEST_F(CollectionReportTest, APrinterFailureLeavesTheListAsItWas) {
  auto* f = open<frmOutBillReport>();
  ASSERT_TRUE(f);
  f->DTPicker1.setDate(QDate(2026, 12, 8));
  pick(f, false, true);
  Click(f->Picture1);
  printer().FailFrom(5, "The printer is switched off");
  boxes().expect("Please Check the Printer is Connected or Switch On\r\nThe printer is switched off", "Printer Info",
                 vbCritical);
  Click(f->Picture2);
  EXPECT_EQ(printer().EndDocCount(), 0);
  EXPECT_EQ(listed(&f->List), (QStringList{"01 | 5-E-OP5 | 170.00", "02 | 6-F-OP6 | 60.00"}));
  EXPECT_EQ(f->txtTotal.text(), "230.00");
}

}  // namespace
