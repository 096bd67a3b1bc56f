// The test bill reports: one row per bill over a period (DISTINCT over the bill-level values),
// the cancelled bills of one day, their totals, and what they print.
#include <gtest/gtest.h>

#include <algorithm>

#include "labxray_support.h"

namespace {

class TestReportsTest : public LabXRayTest {
protected:
  void SetUp() override {
    LabXRayTest::SetUp();
    for (const char* table : {"LabPrintDetails", "XRayPrintDetails"}) {
      insertLine(table, 7, "2007-03-05", "CBC", "150", "131.75", "A", "OP12");
      insertLine(table, 7, "2007-03-05", "Sugar", "5", "131.75", "A", "OP12");
      insertLine(table, 7, "2007-03-05", "Urine", "0", "131.75", "A", "OP12");
      insertLine(table, 10, "2007-03-01", "CBC", "150", "150", "B", "IP3");
      insertLine(table, 9, "2007-03-09", "CBC", "150", "100.125", "C", "OP4");
      insertLine(table, 8, "2007-03-10", "CBC", "150", "10", "D", "OP5");        // after the period
      insertLine(table, 6, "2007-03-05", "CBC", "150", "77", "E", "OP6", "Deleted");
      insertLine(table, 6, "2007-03-05", "Sugar", "5", "77", "E", "OP6", "Deleted");
      insertLine(table, 11, "2007-03-03", "CBC", "150", "40", "F", "OP7", "Deleted");
      insertLine(table, 11, "2007-03-03", "Sugar", "5", "40.5", "F", "OP7", "Deleted");  // differs
    }
    setToday(QDate(2007, 3, 20));
  }
  template <class F>
  F* generate(const QDate& from, const QDate& to) {
    F* f = open<F>();
    f->DTPicker1.setDate(from);
    f->DTPicker2.setDate(to);
    Click(f->Picture1);
    return f;
  }
};

TEST_F(TestReportsTest, PeriodListsEachValidBillOnceInclusive) {
  const struct {
    const char* name;
    QDate from, to;
    QStringList rows;
    const char* total;
  } cases[] = {
      {"whole period", {2007, 3, 1}, {2007, 3, 9},
       {"01|7 - A - 05/03/2007-OP12|131.75", "02|9 - C - 09/03/2007-OP4|100.13", "03|10 - B - 01/03/2007-IP3|150.00"},
       "381.88"},
      {"one day", {2007, 3, 5}, {2007, 3, 5}, {"01|7 - A - 05/03/2007-OP12|131.75"}, "131.75"},
      {"no bill", {2007, 3, 11}, {2007, 3, 12}, {}, "0.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetForms();
    auto* f = generate<frmLabBillReportAll>(c.from, c.to);
    EXPECT_EQ(rowsOf(&f->List), c.rows);
    EXPECT_EQ(f->txtTotal.text(), QString::fromLatin1(c.total));
  }
}

TEST_F(TestReportsTest, LinesThatDifferMakeTwoRowsAndFromAfterToIsRefused) {
  exec("UPDATE XRayPrintDetails SET patientName='A2' WHERE Description='Urine'");
  auto* f = generate<frmXayBillReportAll>({2007, 3, 5}, {2007, 3, 5});
  QStringList listed = rowsOf(&f->List);
  for (QString& r : listed) r = r.mid(3);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (QStringList{"7 - A - 05/03/2007-OP12|131.75", "7 - A2 - 05/03/2007-OP12|131.75"}));

  const QStringList before = rowsOf(&f->List);
  f->DTPicker1.setDate({2007, 3, 6});
  boxes().expect("Please select Correct Date ! It must be lessthan Second Date", "Warning", vbCritical);
  Click(f->Picture1);
  EXPECT_EQ(rowsOf(&f->List), before);
  EXPECT_EQ(f->txtTotal.text(), "263.50");

  boxes().expect("Please Select date Less than Equal To Current System Date\r\nYou cannt select for Future Date",
                 "Warning", vbCritical);
  f->DTPicker2.setDate({2007, 3, 21});
  EXPECT_EQ(f->DTPicker2.date(), QDate(2007, 3, 20));
}

TEST_F(TestReportsTest, OneRowPerBillInBillOrderThenByItsFirstLine) {
  // Bill 20's lines: the second is of another day, so a row of its own; the third is the first
  // but for the case of its name, so no row at all. Its rows keep the order of the lines, not
  // of their days.
  insertLine("LabPrintDetails", 20, "2007-03-06", "CBC", "150", "50", "K", "OP9");
  insertLine("LabPrintDetails", 20, "2007-03-04", "Sugar", "5", "50", "K", "OP9");
  insertLine("LabPrintDetails", 20, "2007-03-06", "Urine", "0", "50", "k", "OP9");
  insertLine("LabPrintDetails", 5, "2007-03-02", "CBC", "150", "20", "G", "OP3");
  insertLine("LabPrintDetails", 4, "2007-02-28", "CBC", "150", "30", "H", "OP2");  // before the period
  auto* f = generate<frmLabBillReportAll>({2007, 3, 1}, {2007, 3, 9});
  EXPECT_EQ(rowsOf(&f->List), (QStringList{"01|5 - G - 02/03/2007-OP3|20.00", "02|7 - A - 05/03/2007-OP12|131.75",
                                          "03|9 - C - 09/03/2007-OP4|100.13", "04|10 - B - 01/03/2007-IP3|150.00",
                                          "05|20 - K - 06/03/2007-OP9|50.00", "06|20 - K - 04/03/2007-OP9|50.00"}));
  EXPECT_EQ(f->txtTotal.text(), "501.88");
}

TEST_F(TestReportsTest, ReportsListTheBillsAsTheyStoodAtOpening) {
  const struct {
    const char* name;
    bool cancelled;
    QDate from, to;
    QStringList atOpening, reopened;
  } cases[] = {
      {"period",
       false,
       {2007, 3, 1},
       {2007, 3, 9},
       {"01|7 - A - 05/03/2007-OP12|131.75", "02|9 - C - 09/03/2007-OP4|100.13", "03|10 - B - 01/03/2007-IP3|150.00"},
       {"01|9 - C - 09/03/2007-OP4|100.13", "02|10 - B - 01/03/2007-IP3|150.00", "03|12 - G - 05/03/2007-OP8|60.00"}},
      {"cancelled", true, {2007, 3, 5}, {2007, 3, 5}, {"01|E|6|77.00"}, {"01|A|7|131.75", "02|E|6|77.00", "03|J|13|90.00"}},
      // The day of bill 6, cancelled before the opening, as both ends of the range.
      {"period of one day", false, {2007, 3, 5}, {2007, 3, 5}, {"01|7 - A - 05/03/2007-OP12|131.75"},
       {"01|12 - G - 05/03/2007-OP8|60.00"}},
  };
  auto open = [this](bool cancelled) -> TestReportForm* {
    if (cancelled) return LabXRayTest::open<frmCancelLabBillReport>();
    return LabXRayTest::open<frmLabBillReportAll>();
  };
  auto generate = [](TestReportForm* f, const QDate& from, const QDate& to) {
    f->DTPicker1.setDate(from);
    if (auto* period = qobject_cast<TestCollectionReportForm*>(f)) period->DTPicker2.setDate(to);
    Click(f->Picture1);
    return rowsOf(&f->List);
  };
  TestReportForm* opened[] = {open(false), open(true)};
  // Since they were opened: bill 7 was cancelled, a bill was added and a cancelled one too.
  exec("UPDATE LabPrintDetails SET BillDelete='Deleted' WHERE BillNo=7");
  insertLine("LabPrintDetails", 12, "2007-03-05", "CBC", "150", "60", "G", "OP8");
  insertLine("LabPrintDetails", 13, "2007-03-05", "CBC", "150", "90", "J", "OP9", "Deleted");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(generate(opened[c.cancelled], c.from, c.to), c.atOpening);
  }
  ResetForms();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(generate(open(c.cancelled), c.from, c.to), c.reopened);
  }
}

TEST_F(TestReportsTest, AMissingBillTableEndsTheProgramFromBothReports) {
  exec("DROP TABLE LabPrintDetails");
  int ends = 0;
  for (bool cancelled : {false, true}) {
    SCOPED_TRACE(cancelled);
    boxes().expect("Database Error. Please Check the database and try again", "Database Error", vbCritical);
    if (cancelled)
      LoadForm<frmCancelLabBillReport>();
    else
      LoadForm<frmLabBillReportAll>();
    EXPECT_EQ(endCount(), ++ends);
    EXPECT_FALSE(LoadedForm<frmCancelLabBillReport>());
    EXPECT_FALSE(LoadedForm<frmLabBillReportAll>());
  }
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(TestReportsTest, PeriodReportPrintsItsTitleAndMiddleHead) {
  const struct {
    bool xray;
    const char* title;
    const char* head;
  } cases[] = {{false, "CASH COLLECTION LAB BILL REPORT", "Bill_No - Patient Name - ID "},
               {true, "CASH COLLECTION X-RAY BILL REPORT", "Bill_No - Patient Name - ID"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    ResetForms();
    TestCollectionReportForm* f =
        c.xray ? static_cast<TestCollectionReportForm*>(generate<frmXayBillReportAll>({2007, 3, 1}, {2007, 3, 9}))
               : static_cast<TestCollectionReportForm*>(generate<frmLabBillReportAll>({2007, 3, 1}, {2007, 3, 9}));
    const int before = int(printer().Items().size());
    Click(f->Picture2);
    QStringList printed;
    for (std::size_t i = std::size_t(before); i < printer().Items().size(); ++i) printed << printer().Items()[i].text;
    EXPECT_TRUE(printed.contains(QString::fromLatin1(c.title)));
    EXPECT_TRUE(printed.contains(QString::fromLatin1(c.head)));
    EXPECT_TRUE(printed.contains("Date : 01/03/2007 To 09/03/2007"));
    EXPECT_TRUE(printed.contains("9 - C - 09/03/2007-OP4"));
    const PrintedItem* title = printer().Find(QString::fromLatin1(c.title));
    ASSERT_TRUE(title);
    EXPECT_EQ(title->x, 3000);
    EXPECT_EQ(title->y, 3200);
  }
  EXPECT_EQ(printer().EndDocCount(), 2);
}

TEST_F(TestReportsTest, CancelledReportListsTheBillsOfTheirOwnDay) {
  auto* f = open<frmCancelLabBillReport>();
  f->DTPicker1.setDate({2007, 3, 5});
  Click(f->Picture1);
  EXPECT_EQ(rowsOf(&f->List), QStringList{"01|E|6|77.00"});
  EXPECT_EQ(f->txtTotal.text(), "77.00");

  f->DTPicker1.setDate({2007, 3, 3});
  Click(f->Picture1);
  QStringList listed = rowsOf(&f->List);
  for (QString& r : listed) r = r.mid(3);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (QStringList{"F|11|40.00", "F|11|40.50"}));
  EXPECT_EQ(f->txtTotal.text(), "80.50");

  f->DTPicker1.setDate({2007, 3, 9});  // only a valid bill that day
  Click(f->Picture1);
  EXPECT_EQ(f->List.topLevelItemCount(), 0);
  EXPECT_EQ(f->txtTotal.text(), "0.00");
  boxes().expect("Please Generate Correct Report", "Warning", vbCritical);
  Click(f->Picture2);
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(TestReportsTest, CancelledReportPrintsTitleAndRightAlignedBillNumber) {
  const struct {
    bool xray;
    const char* title;
  } cases[] = {{false, "CANCEL LAB BILL REPORT"}, {true, "CANCEL XRAY BILL REPORT"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    ResetForms();
    TestCancelReportForm* f = c.xray ? static_cast<TestCancelReportForm*>(open<frmCancelXRayBillReport>())
                                     : static_cast<TestCancelReportForm*>(open<frmCancelLabBillReport>());
    f->DTPicker1.setDate({2007, 3, 5});
    Click(f->Picture1);
    const int before = int(printer().Items().size());
    Click(f->Picture2);
    const auto& items = printer().Items();
    bool title = false, name = false, billNo = false, date = false;
    for (std::size_t i = std::size_t(before); i < items.size(); ++i) {
      title |= items[i].text == QString::fromLatin1(c.title);
      name |= items[i].text == "E" && items[i].x == 4000;
      billNo |= items[i].text == "6" && items[i].x == 8000;
      date |= items[i].text == "Date : 05/03/2007" && items[i].x == 9200;
    }
    EXPECT_TRUE(title);
    EXPECT_TRUE(name);
    EXPECT_TRUE(billNo);
    EXPECT_TRUE(date);
  }
}

TEST_F(TestReportsTest, NoCancelledBillShowsNoForm) {
  exec("DELETE FROM XRayPrintDetails WHERE BillDelete='Deleted'");
  boxes().expect("No Cancel Bill", "Warning", vbCritical);
  EXPECT_EQ(LoadForm<frmCancelXRayBillReport>(), nullptr);
  EXPECT_TRUE(LoadForm<frmCancelLabBillReport>());
  EXPECT_EQ(boxes().pending(), 0);
}

}  // namespace
