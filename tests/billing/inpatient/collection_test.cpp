// The daily and period in-patient collection reports: which bills each lists in each mode, the
// row texts and totals, the date checks, and what Print puts on paper.
#include "billing/inpatient/frmInBillReport.h"
#include "billing/inpatient/frmInBillReportAll.h"
#include "ipreports.h"

namespace {

class InCollectionTest : public InReportsTest {
protected:
  void SetUp() override {
    InReportsTest::SetUp();
    // Out of number order: the reports list by bill number.
    insert({
        {"10", "2026-12-09", "", "", "100", "P", "IP7"},
        {"2", "2026-12-09", "150", "", "250.5", "Q", "IP8"},
        {"3", "2026-12-09", "0", "  ", "20", "R", "IP9"},  // "0" is an ECG entry, blanks are none
        {"4", "2026-12-09", "  ", "80", "80", "S", "IP10"},
        {"5", "2026-12-09", "30", "40", "70", "T", "IP11"},
        {"6", "2026-12-09", nullptr, nullptr, "12.5", "U", "IP12"},  // no value: no entry
        {"7", "2026-12-09", "", "", "999", "V", "IP13", "Deleted"},
        {"8", "2026-12-08", "", "", "5", "W", "IP14"},
        {"9", "2026-12-10", "", "", "-500", "X", ""},
        {"11", "2026-12-01", "", "", "abc", "Y", "IP15"},
    });
  }

  static void tick(CollectionReportForm* f, bool ecg, bool scan) {
    f->CheckBox1.setChecked(ecg);
    f->CheckBox2.setChecked(scan);
  }

  struct Case {
    QDate from, to;  // the daily form uses `from`
    bool ecg, scan;
    QStringList rows;
    QString total;
  };

  void run(CollectionReportForm* f, const Case& c) {
    SCOPED_TRACE(QString("%1..%2 ecg %3 scan %4").arg(DateText(c.from), DateText(c.to)).arg(c.ecg).arg(c.scan).toStdString());
    f->DTPicker1.setDate(c.from);
    if (f->DTPicker2) f->DTPicker2->setDate(c.to);
    tick(f, c.ecg, c.scan);
    Click(f->Picture1);
    EXPECT_EQ(rowsOf(&f->List), c.rows);
    EXPECT_EQ(f->txtTotal.text(), c.total);
    EXPECT_EQ(f->ReportTotal.Format2(), c.total);
    EXPECT_EQ(f->LastSerial, int(c.rows.size()));
  }

  static QDate d(int day) { return QDate(2026, 12, day); }
};

TEST_F(InCollectionTest, DailyReportListsTheDaysBillsOfTheMode) {
  auto* f = open<frmInBillReport>();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->List.headerItem()->text(1), QString("Bill-No / Patient Name"));
  const Case cases[] = {
      {d(9), d(9), false, false, {"01|6-09/12/2026-U-IP12|12.50", "02|10-09/12/2026-P-IP7|100.00"}, "112.50"},
      {d(9), d(9), true, false, {"01|2-Q-IP8|250.50", "02|3-R-IP9|20.00", "03|5-T-IP11|70.00"}, "340.50"},
      {d(9), d(9), false, true, {"01|4-S-IP10|80.00", "02|5-T-IP11|70.00"}, "150.00"},
      {d(9), d(9), true, true, {"01|2-Q-IP8|250.50", "02|3-R-IP9|20.00", "03|5-T-IP11|70.00"}, "340.50"},
      {d(10), d(10), false, false, {"01|9-10/12/2026-X-|-500.00"}, "-500.00"},
      {d(1), d(1), false, false, {"01|11-01/12/2026-Y-IP15|0.00"}, "0.00"},
      {d(7), d(7), false, false, {}, "0.00"},
  };
  for (const Case& c : cases) run(f, c);
  EXPECT_EQ(boxes().shown().size(), 0u);
}

TEST_F(InCollectionTest, PeriodReportTakesBothEndsAndRefusesAReversedRange) {
  auto* f = open<frmInBillReportAll>();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->List.headerItem()->text(1), QString("Bill-No / Patient Name / Date"));
  const Case cases[] = {
      {d(8), d(9), false, false,
       {"01|6 - U - 09/12/2026-IP12|12.50", "02|8 - W - 08/12/2026-IP14|5.00", "03|10 - P - 09/12/2026-IP7|100.00"},
       "117.50"},
      {d(1), d(10), false, false,
       {"01|6 - U - 09/12/2026-IP12|12.50", "02|8 - W - 08/12/2026-IP14|5.00", "03|9 - X - 10/12/2026-|-500.00",
        "04|10 - P - 09/12/2026-IP7|100.00", "05|11 - Y - 01/12/2026-IP15|0.00"},
       "-382.50"},
      {d(9), d(9), true, false,
       {"01|2 - Q - 09/12/2026-IP8|250.50", "02|3 - R - 09/12/2026-IP9|20.00", "03|5 - T - 09/12/2026-IP11|70.00"},
       "340.50"},
      {d(1), d(10), false, true, {"01|4 - S - 09/12/2026-IP10|80.00", "02|5 - T - 09/12/2026-IP11|70.00"}, "150.00"},
      {d(2), d(7), false, false, {}, "0.00"},
      {d(10), d(10), false, false, {"01|9 - X - 10/12/2026-|-500.00"}, "-500.00"},
  };
  for (const Case& c : cases) run(f, c);

  // From after To: refused, and the list of the last Generate stays.
  const QStringList kept = rowsOf(&f->List);
  f->DTPicker1.setDate(d(9));
  f->DTPicker2->setDate(d(8));
  boxes().expect(QStringLiteral("Please select Correct Date ! It must be lessthan Second Date"),
                 QStringLiteral("Warning"), vbCritical);
  Click(f->Picture1);
  EXPECT_EQ(rowsOf(&f->List), kept);
  EXPECT_EQ(f->txtTotal.text(), QString("-500.00"));
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(InCollectionTest, ReportsListTheBillsAsTheyStoodAtOpening) {
  auto* f = open<frmInBillReport>();
  ASSERT_TRUE(f);
  insert({{"20", "2026-12-10", "", "", "1", "Z", "IP20"}});
  exec("UPDATE InPatientPrintDetails SET BillDelete='Deleted' WHERE BillNo=9");
  Click(f->Picture1);
  EXPECT_EQ(rowsOf(&f->List), QStringList({"01|9-10/12/2026-X-|-500.00"}));
}

TEST_F(InCollectionTest, PickersRefuseFutureDays) {
  struct Case {
    bool period;
    QString secondLine;
  };
  for (const Case& c : {Case{false, "You cannt Select for Future Date"}, Case{true, "You cannt select for Future Date"}}) {
    SCOPED_TRACE(c.period);
    CollectionReportForm* f = c.period ? static_cast<CollectionReportForm*>(open<frmInBillReportAll>())
                                   : static_cast<CollectionReportForm*>(open<frmInBillReport>());
    ASSERT_TRUE(f);
    for (QDateEdit* picker : {&f->DTPicker1, f->DTPicker2 ? &*f->DTPicker2 : nullptr}) {
      if (!picker) continue;
      boxes().expect("Please Select date Less than Equal To Current System Date\r\n" + c.secondLine,
                     QStringLiteral("Warning"), vbCritical);
      picker->setDate(d(11));
      EXPECT_EQ(picker->date(), d(10));
      picker->setDate(d(10));
    }
    EXPECT_EQ(boxes().pending(), 0);
    f->Unload();
  }
}

TEST_F(InCollectionTest, PrintTakesTheGeneratedRowsAndTheControlsAsTheyAreNow) {
  auto* f = open<frmInBillReport>();
  ASSERT_TRUE(f);
  f->DTPicker1.setDate(d(9));
  tick(f, true, false);
  Click(f->Picture1);
  // Changed after Generate: the title and the date line follow, the rows do not.
  tick(f, false, true);
  f->DTPicker1.setDate(d(8));
  Click(f->Picture2);

  ASSERT_EQ(printer().Sheets().size(), 1u);
  EXPECT_EQ(lineAt(0, 1300), QString("4400:TALWYN HOSPITAL"));
  EXPECT_EQ(lineAt(0, 1700), QString("4200:9,Lantern street,Brackwell,Kelvany-40"));
  EXPECT_TRUE(lineAt(0, 2100).startsWith("5000:Ph : "));
  EXPECT_EQ(lineAt(0, 2600), QString("9200:Date : 08/12/2026"));
  EXPECT_EQ(lineAt(0, 3200), QString("3000:CASH COLLECTION SCAN BILL REPORT"));
  EXPECT_EQ(lineAt(0, 4400), QString("800:Sl no. 4000:Bill_No - Patient Name  9200:Amount."));
  EXPECT_EQ(lineAt(0, 5000), QString("800:01 4000:2-Q-IP8 9450..10000:250.50"));
  EXPECT_EQ(lineAt(0, 5200), QString("800:02 4000:3-R-IP9 9560..10000:20.00"));
  EXPECT_EQ(lineAt(0, 5400), QString("800:03 4000:5-T-IP11 9560..10000:70.00"));
  // The total 1200 below the last row, between two rules.
  EXPECT_TRUE(lineAt(0, 6600).startsWith("0:     ____"));
  EXPECT_EQ(lineAt(0, 7100), QString("8570..10000:Total : 340.50"));
  EXPECT_TRUE(lineAt(0, 7600).startsWith("0:     ____"));
  EXPECT_EQ(printer().Find("CASH COLLECTION ECG BILL REPORT"), nullptr);

  // The ordinary title and the period's date line.
  auto* all = open<frmInBillReportAll>();
  ASSERT_TRUE(all);
  all->DTPicker1.setDate(d(1));
  Click(all->Picture1);
  Click(all->Picture2);
  ASSERT_EQ(printer().Sheets().size(), 2u);
  EXPECT_EQ(lineAt(1, 2600), QString("7200:Date : 01/12/2026 To 10/12/2026"));
  EXPECT_EQ(lineAt(1, 3200), QString("3000:CASH COLLECTION IN-PATIENT BILL REPORT"));
  EXPECT_EQ(lineAt(1, 5400), QString("800:03 4000:9 - X - 10/12/2026- 9340..10000:-500.00"));
  EXPECT_EQ(lineAt(1, 7500), QString("8460..10000:Total : -382.50"));
}

TEST_F(InCollectionTest, FortiethRowStartsASecondSheet) {
  for (int i = 100; i < 140; ++i)
    insert({{QByteArray::number(i).constData(), "2026-12-10", "", "", "10", "N", "IP1"}});
  auto* f = open<frmInBillReportAll>();
  ASSERT_TRUE(f);
  Click(f->Picture1);
  ASSERT_EQ(f->List.topLevelItemCount(), 41);  // with bill 9 of the same day
  Click(f->Picture2);
  ASSERT_EQ(printer().Sheets().size(), 2u);
  EXPECT_EQ(lineAt(0, 5000 + 38 * 200).left(7), QString("800:39 "));
  EXPECT_EQ(lineAt(0, 500), QString());
  EXPECT_EQ(lineAt(1, 500), QString("4500:Page Number : 1"));
  EXPECT_EQ(lineAt(1, 1000), QString("800:40 4000:138 - N - 10/12/2026-IP1 9560..10000:10.00"));
  EXPECT_EQ(lineAt(1, 1200), QString("800:41 4000:139 - N - 10/12/2026-IP1 9560..10000:10.00"));
  EXPECT_EQ(lineAt(1, 2900), QString("8460..10000:Total : -100.00"));
}

TEST_F(InCollectionTest, PrintRefusesAnEmptyListAndReportsAFailingPrinter) {
  auto* f = open<frmInBillReport>();
  ASSERT_TRUE(f);
  boxes().expect(QStringLiteral("Please Generate Correct Report"), QStringLiteral("Warning"), vbCritical);
  Click(f->Picture2);
  EXPECT_EQ(printer().OperationCount(), 0);

  Click(f->Picture1);
  printer().FailAt(12, QStringLiteral("the printer is out of paper"));
  boxes().expect(QStringLiteral("Please Check the Printer is Connected or Switch On\r\nthe printer is out of paper"),
                 QStringLiteral("Printer Info"), vbCritical);
  Click(f->Picture2);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(printer().EndDocCount(), 0);
  ASSERT_EQ(printer().Jobs().size(), 1u);
  EXPECT_EQ(printer().Jobs()[0].state, RecordingPrinter::JobState::Abandoned);

  // The next print is a whole report of its own.
  Click(f->Picture2);
  ASSERT_EQ(printer().Sheets().size(), 1u);
  EXPECT_EQ(lineAt(0, 1300), QString("4400:TALWYN HOSPITAL"));
}

}  // namespace
