// The print button: the question, the stationery layout through the recording printer, the save
// of the bill with its number, and what failures leave behind.
#include "billform.h"

#include <algorithm>
#include <functional>

#include "billing/common/billsheet.h"
#include "billing/common/reportlayout.h"
#include "billing/outpatient/outbill.h"

namespace {

struct Placed {
  QString text;
  double x, y;
  bool operator==(const Placed&) const = default;
};

// Where each text landed, top to bottom and left to right (the order of the characters of an
// amount is no matter for the paper).
std::vector<Placed> placed(std::vector<Placed> items) {
  std::stable_sort(items.begin(), items.end(),
                   [](const Placed& a, const Placed& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
  return items;
}
std::vector<Placed> placed(const std::vector<PrintedItem>& items) {
  std::vector<Placed> out;
  for (const auto& i : items) out.push_back({i.text, i.x, i.y});
  return placed(out);
}

void PrintTo(const Placed& p, std::ostream* os) { *os << '"' << p.text.toStdString() << "\"@" << p.x << ',' << p.y; }

// Right-aligned at 5500, one character every 110 twips.
void amount(std::vector<Placed>& out, const QString& text, double y) {
  for (qsizetype i = 0; i < text.size(); ++i) out.push_back({text.mid(i, 1), 5500 - 110.0 * double(text.size() - 1 - i), y});
}

TEST_F(BillFormTest, PrintsEveryItemAtItsPlaceOnTheStationery) {
  exec("UPDATE SettingsOutBillNo SET BillNo = 41");
  ASSERT_TRUE(open());
  form->DTPicker1.setDate(QDate(2026, 12, 8));
  makeBill();
  freeText("Injection", "20");
  Click(form->Picture1);
  for (bool address : {false, true}) {
    SCOPED_TRACE(address ? "address" : "no address");
    form->CheckBox1.setChecked(address);
    boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    if (!address) boxes().expect("Bill Printed and Saved Successfully", "Print Info", vbInformation);
    Click(form->Picture2);

    std::vector<Placed> want = {{"Name  :  ABC ( OP12 )", 0, 555}};
    if (address) want.insert(want.end(), {{"12 Hill Road", 0, 755}, {"Kottayam", 0, 955}});
    want.insert(want.end(), {{"42", 3580, 700},
                             {"08/12/2026", 4930, 700},
                             {"36", 3580, 920},
                             {"Male", 4930, 920},
                             {"Dr Meera", 3580, 1150}});
    const char* rows[][3] = {{"01", "Dr Fees", "100.00"}, {"02", "ECG", "50.00"}, {"03", "Injection", "20.00"}};
    double y = 1800;
    for (const auto& r : rows) {
      want.push_back({r[0], 0, y});
      want.push_back({r[1], 800, y});
      amount(want, r[2], y);
      y += 250;
    }
    amount(want, "170.00", 4600);

    const auto sheets = printer().Sheets();
    ASSERT_EQ(sheets.size(), address ? 2u : 1u);
    EXPECT_EQ(placed(sheets.back()), placed(want));
    for (const auto& item : sheets.back()) {
      EXPECT_EQ(item.fontName, "Arial");
      EXPECT_EQ(item.fontSize, 9);
      EXPECT_FALSE(item.bold);
    }
  }
  const QStringList log = printer().Log();
  EXPECT_EQ(log.mid(0, 5),
            (QStringList{"Setting1=120", "Setting2=3", "FontName=Arial", "FontBold=False", "FontSize=9"}));
  EXPECT_FALSE(log.contains("FontBold=True"));
}

TEST_F(BillFormTest, PrintsInItsOwnFontWhateverWasPrintedBefore) {
  BillSheet receipt;
  receipt.patientName = "Ravi";
  receipt.patientId = "IP1";
  receipt.date = QDate(2026, 12, 10);
  receipt.rows = {{"01", "Bed Charges", "450"}};
  receipt.net = Money::Parse("450");
  CollectionReport report = StandardCollectionReport(kRangeDateLineX, "Date : 10/12/2026 To 10/12/2026", "");
  report.rows = {{"01", "1 - ABC", "100.00"}};
  struct Case {
    const char* before;
    std::function<void()> print;
  };
  const Case cases[] = {
      {"an in-patient receipt (bold)", [&] {
         SetUpBillPrinter();
         PrintBillSheet(receipt);
       }},
      {"a collection report (10 points)", [&] { PrintCollectionReportLayout(printer(), report); }},
      {"a face, a size and bold of its own", [&] {
         printer().SetFontName("Courier New");
         printer().SetFontSize(14);
         printer().SetFontBold(true);
       }},
  };
  ASSERT_TRUE(open());
  makeBill();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    c.print();
    const std::size_t before = printer().Sheets().size();
    boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    if (!form->BillPrinted) boxes().expect("Bill Printed and Saved Successfully", "Print Info", vbInformation);
    Click(form->Picture2);
    const auto sheets = printer().Sheets();
    ASSERT_EQ(sheets.size(), before + 1);
    ASSERT_EQ(sheets.back().size(), 27u);  // six head items, the two rows (8 and 7), the total (6)
    for (const auto& item : sheets.back()) {
      SCOPED_TRACE(item.text.toStdString());
      EXPECT_EQ(item.fontName, "Arial");
      EXPECT_EQ(item.fontSize, 9);
      EXPECT_FALSE(item.bold);
    }
  }
}

TEST(BillStationery, RowsGoOnEvery250TwipsPastTheTotalLine) {
  RecordingPrinter printer;
  OutBillPrint bill;
  bill.billNo = "7";
  bill.date = QDate(2026, 1, 2);
  for (int n = 1; n <= 13; ++n) bill.rows.push_back({Format00(n), "Item", "1.50"});
  bill.total = Money::Parse("19.5");
  SetUpOutPatientBillPrinter(printer);
  PrintOutPatientBill(printer, bill);
  const auto sheets = printer.Sheets();
  ASSERT_EQ(sheets.size(), 1u);
  std::vector<double> serialY;
  for (const auto& item : sheets[0])
    if (item.x == 0 && item.text.size() == 2 && item.text[0].isDigit()) serialY.push_back(item.y);
  ASSERT_EQ(serialY.size(), 13u);
  for (int n = 0; n < 13; ++n) EXPECT_EQ(serialY[std::size_t(n)], 1800 + 250 * n);
  EXPECT_EQ(serialY[11], 4550);  // the twelfth row, just above the total at 4600
  // The net total, "19.50", right-aligned at 5500 on its own line.
  std::vector<Placed> tail;
  for (const Placed& p : placed(sheets[0]))
    if (p.y == 4600) tail.push_back(p);
  EXPECT_EQ(tail, (std::vector<Placed>{{"1", 5060, 4600}, {"9", 5170, 4600}, {".", 5280, 4600}, {"5", 5390, 4600},
                                       {"0", 5500, 4600}}));
  // Sent as every bill and report sends a right-aligned text: the last character first.
  std::vector<Placed> sent;
  for (const auto& item : sheets[0])
    if (item.y == 4600) sent.push_back({item.text, item.x, item.y});
  EXPECT_EQ(sent, (std::vector<Placed>{{"0", 5500, 4600}, {"5", 5390, 4600}, {".", 5280, 4600}, {"9", 5170, 4600},
                                       {"1", 5060, 4600}}));
}

TEST_F(BillFormTest, SavesTheBillOnceWithTheFeesThatWerePrinted) {
  exec("UPDATE SettingsOutBillNo SET BillNo = 41");
  ASSERT_TRUE(open());
  form->DTPicker1.setDate(QDate(2026, 12, 8));
  makeBill();
  form->Text1[4].clear();  // emptied after the add: the printed ECG row still belongs to the bill
  printAndSave();
  EXPECT_TRUE(form->BillPrinted);
  EXPECT_EQ(billRows(), 1);
  EXPECT_EQ(scalar("SELECT BillNo || '|' || Date || '|' || DrFees || '|' || DressingCharges || '|' || XRay || '|' || "
                   "LabCharge || '|' || ECG || '|' || Scan || '|' || Others || '|' || total || '|' || patientName || "
                   "'|' || patientid || '|' || BillDelete FROM OutPatientPrintDetails"),
            "42|2026-12-08|100||||50|||150|ABC|OP12|Available");
  EXPECT_EQ(scalar("SELECT BillNo FROM SettingsOutBillNo"), "42");

  // A second print reprints without saving; the bill can no longer be changed.
  boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
  Click(form->Picture2);
  EXPECT_EQ(printer().Sheets().size(), 2u);
  EXPECT_EQ(billRows(), 1);
  EXPECT_EQ(scalar("SELECT BillNo FROM SettingsOutBillNo"), "42");
  boxes().expect("You cannt Change the Bill Already Printed ! Cancel The Bill Again Give Print", "Warning",
                 vbCritical);
  Click(form->Picture1);
  EXPECT_EQ(listed().size(), 2);
}

TEST_F(BillFormTest, BillNumbersComeFromTheCounter) {
  struct Case {
    const char* counter;  // SQL setting it up
    const char* shown;
    const char* stored;  // after the save
    const char* next;
  };
  const Case cases[] = {
      {"UPDATE SettingsOutBillNo SET BillNo = 41", "42", "42", "43"},
      {"DELETE FROM SettingsOutBillNo", "1", "1", "2"},  // the missing row is made with the bill
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.counter);
    exec("DELETE FROM OutPatientPrintDetails");
    exec(c.counter);
    ASSERT_TRUE(open());
    EXPECT_EQ(form->Label2.text(), c.shown);
    makeBill();
    printAndSave();
    EXPECT_EQ(scalar("SELECT group_concat(BillNo) FROM SettingsOutBillNo"), c.stored);
    EXPECT_EQ(scalar("SELECT group_concat(BillNo) FROM OutPatientPrintDetails"), c.stored);
    Click(form->Picture4);
    EXPECT_EQ(form->Label2.text(), c.next);
    EXPECT_FALSE(form->BillPrinted);
    makeBill();
    printAndSave();
    EXPECT_EQ(scalar("SELECT group_concat(BillNo) FROM SettingsOutBillNo"), c.next);
    EXPECT_EQ(scalar("SELECT count(DISTINCT BillNo) || '/' || count(*) FROM OutPatientPrintDetails"), "2/2");
    form->Unload();
    QCoreApplication::processEvents();
  }
}

TEST_F(BillFormTest, NoToTheQuestionOrAnEmptyBillPrintsNothing) {
  ASSERT_TRUE(open());
  choose("OP12");
  boxes().expect("Please add the Amount", "Warning", vbCritical);
  Click(form->Picture2);
  fees("100", "", "", "");
  Click(form->Picture1);
  boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbNo);
  Click(form->Picture2);
  EXPECT_TRUE(printer().Items().empty());
  EXPECT_EQ(printer().EndDocCount(), 0);
  EXPECT_EQ(billRows(), 0);
  EXPECT_FALSE(form->BillPrinted);
}

TEST_F(BillFormTest, APrinterFailureSavesNothingAndTheNextPrintSaves) {
  exec("UPDATE SettingsOutBillNo SET BillNo = 41");
  ASSERT_TRUE(open());
  makeBill();
  // The print of this bill: 5 set-up steps, then X, Y and Print for each of 27 texts (six
  // header items, 2 + 6 and 2 + 5 for the two rows, 6 for the total), then EndDoc.
  const int endDoc = 5 + 3 * 27 + 1;
  struct Case {
    const char* what;
    int failAt;  // the operation, counted from the click
  };
  for (const Case c : {Case{"at the set-up", 1}, Case{"at the patient line", 8}, Case{"in the total", endDoc - 2},
                       Case{"at EndDoc", endDoc}}) {
    SCOPED_TRACE(c.what);
    printer().FailAt(c.failAt, "Printer out of paper");
    if (c.failAt > 5) boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    boxes().expect("Please Check the Printer is Correctly Installed\r\nPrinter out of paper", "", vbCritical);
    Click(form->Picture2);
    EXPECT_EQ(billRows(), 0);
    EXPECT_EQ(scalar("SELECT BillNo FROM SettingsOutBillNo"), "41");
    EXPECT_FALSE(form->BillPrinted);
    EXPECT_TRUE(printer().Sheets().empty());
  }
  EXPECT_EQ(printer().Log().last(), "EndDoc");  // the last case did reach EndDoc
  printAndSave();
  EXPECT_EQ(printer().Sheets().size(), 1u);
  EXPECT_EQ(scalar("SELECT group_concat(BillNo) FROM OutPatientPrintDetails"), "42");
}

TEST_F(BillFormTest, AFailedSaveAfterThePrintSavesNothingAndKeepsTheNumber) {
  exec("UPDATE SettingsOutBillNo SET BillNo = 41");
  ASSERT_TRUE(open());
  makeBill();
  struct Case {
    const char* what;
    const char* trigger;
  };
  const Case cases[] = {
      {"the counter refused", "CREATE TRIGGER refuse BEFORE UPDATE ON SettingsOutBillNo "
                              "BEGIN SELECT RAISE(ABORT, 'counter locked'); END"},
      {"the bill row refused", "CREATE TRIGGER refuse BEFORE INSERT ON OutPatientPrintDetails "
                               "BEGIN SELECT RAISE(ABORT, 'counter locked'); END"},
  };
  int sheets = 0;
  boxes().allowAny();  // the failure's text ends in the database's words, checked below
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    exec(c.trigger);
    boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    Click(form->Picture2);
    ASSERT_EQ(boxes().shown().size(), std::size_t(2 * (&c - cases) + 2));
    // The paper is out, so it is said as a bill not saved, never as a printer fault.
    const ShownBox failure = boxes().shown().back();
    EXPECT_TRUE(failure.prompt.startsWith("The bill was printed but not saved: ")) << failure.prompt.toStdString();
    EXPECT_TRUE(failure.prompt.endsWith("counter locked\r\nPrint it again to save it under the same number."))
        << failure.prompt.toStdString();
    EXPECT_FALSE(failure.prompt.contains("Printer")) << failure.prompt.toStdString();
    EXPECT_EQ(failure.title, "Print Info");
    EXPECT_EQ(failure.style, vbCritical);
    EXPECT_EQ(printer().Sheets().size(), std::size_t(++sheets));  // the paper did come out
    EXPECT_EQ(billRows(), 0);
    EXPECT_EQ(scalar("SELECT BillNo FROM SettingsOutBillNo"), "41");
    EXPECT_FALSE(form->BillPrinted);
    EXPECT_EQ(form->Label2.text(), "42");
    exec("DROP TRIGGER refuse");
  }
  boxes().strict();
  printAndSave();
  EXPECT_EQ(scalar("SELECT group_concat(BillNo) FROM OutPatientPrintDetails"), "42");
  EXPECT_EQ(scalar("SELECT BillNo FROM SettingsOutBillNo"), "42");
}

}  // namespace
