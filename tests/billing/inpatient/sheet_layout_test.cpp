// The bill stationery through the recording printer: every value at its place, the amounts set
// right-aligned cell by cell, the test bills' sheets of ten rows and their discount line.
#include <gtest/gtest.h>

#include "billing/common/billsheet.h"
#include "support/fixture.h"

namespace {

class SheetTest : public HalvionTest {
protected:
  static BillSheet inPatientSheet(bool address) {
    BillSheet s;
    s.kind = BillSheet::Kind::InPatient;
    s.patientName = QStringLiteral("Meena");
    s.patientId = QStringLiteral("IP11");
    s.printAddress = address;
    s.address1 = QStringLiteral("4 Lake Street");
    s.address2 = QStringLiteral("Kelvany");
    s.billNo = QStringLiteral("42");
    s.date = QDate(2024, 3, 5);
    s.age = QStringLiteral("33");
    s.sex = QStringLiteral("Female");
    s.doctor = QStringLiteral("Dr.Amal");
    s.rows = {{QStringLiteral("01"), QStringLiteral("Bed Charges"), QStringLiteral("450")}};
    s.net = Money::Parse(QStringLiteral("-150"));
    return s;
  }

  static BillSheet testSheet(int rows, const QString& discount) {
    BillSheet s;
    s.kind = BillSheet::Kind::Test;
    s.patientName = QStringLiteral("Ravi");
    s.patientId = QStringLiteral("OP3");
    s.billNo = QStringLiteral("7");
    s.date = QDate(2026, 12, 10);
    for (int i = 1; i <= rows; ++i)
      s.rows.push_back({Format00(i), QStringLiteral("Test %1").arg(i), QStringLiteral("45")});
    s.discount = discount;
    s.grossTotal = QStringLiteral("450");
    s.net = Money::Parse(QStringLiteral("405"));
    return s;
  }

  // A new recording printer, installed as the program's printer.
  RecordingPrinter& fresh() {
    rec = std::make_shared<RecordingPrinter>();
    SetPrinter(rec);
    return *rec;
  }

  // "x,y,text" of every item printed on the latest fresh() printer, in order.
  QStringList placed() {
    QStringList out;
    for (const auto& item : rec->Items()) out << QStringLiteral("%1,%2,%3").arg(item.x).arg(item.y).arg(item.text);
    return out;
  }

  std::shared_ptr<RecordingPrinter> rec;
};

TEST_F(SheetTest, InPatientSheetPrintsEveryValueAtItsPlaceWithOrWithoutTheAddress) {
  const QStringList head = {"0,555,Name  :  Meena ( IP11 )"};
  const QStringList address = {"0,755,4 Lake Street", "0,955,Kelvany"};
  const QStringList rest = {
      "3580,700,42", "4930,700,05/03/2024", "3580,920,33", "4930,920,Female", "3580,1150,Dr.Amal",
      "0,1800,01",   "800,1800,Bed Charges",
      // the row amount as the list shows it, last character first
      "5500,1800,0", "5390,1800,5", "5280,1800,4",
      // the net amount "-150.00", seven cells, the sign in a cell of its own
      "5500,4600,0", "5390,4600,0", "5280,4600,.", "5170,4600,0", "5060,4600,5", "4950,4600,1", "4840,4600,-"};
  for (const bool withAddress : {true, false}) {
    SCOPED_TRACE(withAddress ? "address ticked" : "address not ticked");
    fresh();
    SetUpBillPrinter();
    PrintBillSheet(inPatientSheet(withAddress));
    EXPECT_EQ(placed(), head + (withAddress ? address : QStringList()) + rest);
    EXPECT_EQ(rec->EndDocCount(), 1);
    ASSERT_EQ(rec->Sheets().size(), 1u);
    for (const auto& item : rec->Items()) {
      EXPECT_EQ(item.fontName, "Arial");
      EXPECT_EQ(item.fontSize, 9);
      EXPECT_TRUE(item.bold);
    }
  }
  EXPECT_EQ(rec->Log().mid(0, 5),
            (QStringList{"Setting1=120", "Setting2=3", "FontName=Arial", "FontBold=True", "FontSize=9"}));
}

TEST_F(SheetTest, InPatientRowsNeverBreakTheSheet) {
  BillSheet s = inPatientSheet(false);
  s.rows.clear();
  for (int i = 1; i <= 13; ++i) s.rows.push_back({Format00(i), QStringLiteral("Row"), QStringLiteral("1")});
  PrintBillSheet(printer(), s);
  EXPECT_EQ(printer().EndDocCount(), 1);
  EXPECT_EQ(printer().Find(QStringLiteral("12"))->y, 4550);
  EXPECT_EQ(printer().Find(QStringLiteral("13"))->y, 4800);
}

TEST_F(SheetTest, RightAlignedAmountsEndAtTheirX) {
  const struct {
    const char* text;
    QStringList placed;
  } cases[] = {
      {"1234.50", {"5500,0,0", "5390,0,5", "5280,0,.", "5170,0,4", "5060,0,3", "4950,0,2", "4840,0,1"}},
      {"-1", {"5500,0,1", "5390,0,-"}},
      {"", {}},
  };
  for (const auto& c : cases) {
    fresh();
    PrintAmountRightAligned(*rec, QString::fromLatin1(c.text), 5500, 0);
    EXPECT_EQ(placed(), c.placed) << c.text;
  }
}

TEST_F(SheetTest, TestBillsBreakAfterEveryTenthRowAndCloseWithDiscountAndNet) {
  const struct {
    int rows;
    std::vector<int> rowsPerSheet;
    double discountY;
  } cases[] = {{9, {9}, 4050}, {10, {10, 0}, 1800}, {23, {10, 10, 3}, 2550}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rows);
    fresh();
    PrintBillSheet(*rec, testSheet(c.rows, QStringLiteral("10")));
    const auto sheets = rec->Sheets();
    ASSERT_EQ(sheets.size(), c.rowsPerSheet.size());
    for (std::size_t i = 0; i < sheets.size(); ++i) {
      int rowsOnSheet = 0;
      for (const auto& item : sheets[i]) rowsOnSheet += item.x == 800 && item.text.startsWith("Test") ? 1 : 0;
      EXPECT_EQ(rowsOnSheet, c.rowsPerSheet[i]) << "sheet " << i;
      // only the first sheet carries the patient line
      EXPECT_EQ(sheets[i].front().text == "Name  :  Ravi ( OP3 )", i == 0) << "sheet " << i;
    }
    const auto& last = sheets.back();
    const auto at = [&](double x, double y) {
      for (const auto& item : last)
        if (item.x == x && item.y == y) return item.text;
      return QStringLiteral("<none>");
    };
    EXPECT_EQ(at(800, c.discountY), "Discount 10 %");
    // 450 x 10 % = 45.00, and the net 405.00
    EXPECT_EQ(at(5500, c.discountY) + at(5390, c.discountY) + at(5280, c.discountY) + at(5170, c.discountY) +
                  at(5060, c.discountY),
              "00.54");
    EXPECT_EQ(at(4950, 4600) + at(5060, 4600) + at(5170, 4600) + at(5280, 4600) + at(5390, 4600) + at(5500, 4600), "405.00");
  }
}

TEST_F(SheetTest, TestBillAmountsPrintAsTwoDecimalsAndADiscountOfNothingPrintsNoLine) {
  for (const char* discount : {"0", "", "abc"}) {
    fresh();
    PrintBillSheet(*rec, testSheet(1, QString::fromLatin1(discount)));
    const QStringList texts = rec->Texts();
    EXPECT_FALSE(texts.join('|').contains("Discount")) << discount;
    // the row amount 45 prints 45.00, last character first at 5500
    const QStringList rowAmount = texts.mid(texts.indexOf("Test 1") + 1, 5);
    EXPECT_EQ(rowAmount, (QStringList{"0", "0", ".", "5", "4"})) << discount;
  }
}

TEST_F(SheetTest, APrinterFailureStopsTheSheetWithoutEndingIt) {
  for (const int failAt : {1, 12, 30}) {
    SCOPED_TRACE(failAt);
    fresh();
    rec->FailAt(failAt);
    EXPECT_THROW(PrintBillSheet(*rec, inPatientSheet(true)), PrinterError);
    EXPECT_EQ(rec->EndDocCount(), 0);
    EXPECT_EQ(rec->OperationCount(), failAt);  // nothing after the failing step
    EXPECT_TRUE(rec->Sheets().empty());
  }
}

}  // namespace
