// The print button: the question, the sheet, the stored row, the counter and the patient's
// advance, all or nothing; and the refusals that keep the advance honest.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <functional>
#include <map>
#include <sqlite3.h>

#include "billing/inpatient/frmInBillReport.h"
#include "inbill_support.h"

namespace {

using InBillPrintTest = InBillTest;

const char* const kPrinterMessage = "Please Check the Printer is Correctly Installed";
const char* const kAddAgain = "The Patient or the Advance Amount was changed after Add. Please press Add again";

TEST_F(InBillPrintTest, PrintAsksPrintsAndSavesOnceThenOnlyPrintsCopies) {
  exec("UPDATE SettingsInBillNo SET BillNo=41");
  frmInBill* f = open();

  boxes().expect("Please add the Amount", "Warning", vbCritical);
  Click(f->Picture2);  // refused before any question
  EXPECT_EQ(printer().EndDocCount(), 0);

  choosePatient(f, "IP10");
  TypeKeys(f->cmbDrName, "Dr.Z");
  TypeKeys(f->Text1[0], "500");
  Click(f->Picture1);
  boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbNo);
  Click(f->Picture2);
  EXPECT_EQ(printer().EndDocCount(), 0);
  EXPECT_EQ(billCount(), 0);

  printAndSave(f);
  EXPECT_EQ(printer().EndDocCount(), 1);
  EXPECT_TRUE(f->BillPrinted);
  EXPECT_EQ(billCount(), 1);
  EXPECT_EQ(scalar("SELECT BillNo FROM SettingsInBillNo"), "42");
  ASSERT_TRUE(printer().Find("Name  :  Ravi ( IP10 )"));
  EXPECT_TRUE(printer().Find("Dr.Zerdan , M.B.B.S"));
  EXPECT_TRUE(printer().Find("10/12/2026"));

  // a second print is a paper copy: nothing more is stored
  boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
  Click(f->Picture2);
  EXPECT_EQ(printer().EndDocCount(), 2);
  EXPECT_EQ(billCount(), 1);

  Click(f->Picture4);  // new bill
  EXPECT_EQ(f->Label2.text(), "43");
  EXPECT_FALSE(f->BillPrinted);
  EXPECT_EQ(f->List.topLevelItemCount(), 0);
  EXPECT_EQ(f->cmbPatientName.currentText(), "");
}

TEST_F(InBillPrintTest, TheRowHoldsTheBoxesAsTyped) {
  const struct {
    const char* name;
    const char* patient;
    std::vector<std::pair<int, const char*>> charges;
    const char* advanceBox;
    const char* totalTypedOver;  // nullptr: as add left it
    // BillNo, Date, charges 2-11, total, patientName, patientid, BillDelete, Advance
    QStringList row;
  } cases[] = {
      {"charge bill", "IP10", {{0, "100.5"}, {7, "20"}}, "", nullptr,
       {"1", "10/12/2026", "100.5", "", "", "", "", "", "", "20", "", "", "120.5", "Ravi", "IP10", "Available", "<null>"}},
      {"net of the advance", "IP12", {{0, "1000"}}, "", nullptr,
       {"1", "10/12/2026", "1000", "", "", "", "", "", "", "", "", "", "700", "Arun", "IP12", "Available", "<null>"}},
      {"receipt", "IP11", {}, "250", nullptr,
       {"1", "10/12/2026", "", "", "", "", "", "", "", "", "", "", "250", "Meena", "IP11", "Available", "250"}},
      {"receipt without a patient", "", {}, "250", nullptr,
       {"1", "10/12/2026", "", "", "", "", "", "", "", "", "", "", "250", "", "", "Available", "250"}},
      // the total box shows the listed net and cannot be typed over: the paper says 300
      {"total typed over", "IP10", {{1, "300"}}, "", "275",
       {"1", "10/12/2026", "", "300", "", "", "", "", "", "", "", "", "300", "Ravi", "IP10", "Available", "<null>"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    exec("DELETE FROM InPatientPrintDetails; UPDATE SettingsInBillNo SET BillNo=0");
    UnloadForm<frmInBill>();
    frmInBill* f = open();
    choosePatient(f, QString::fromLatin1(c.patient));
    for (const auto& [index, text] : c.charges) TypeKeys(f->Text1[std::size_t(index)], QString::fromLatin1(text));
    TypeKeys(f->txtAdvance, QString::fromLatin1(c.advanceBox));
    Click(f->Picture1);
    if (c.totalTypedOver) {
      f->txtTotal.clear();
      TypeKeys(f->txtTotal, QString::fromLatin1(c.totalTypedOver));
    }
    printAndSave(f);
    EXPECT_EQ(rowOf("SELECT * FROM InPatientPrintDetails"), c.row);
  }
}

// The rows of the last sheet printed, "serial|particulars|amount" each, and its net total.
struct PrintedBill {
  QStringList rows;
  QString net;
};
PrintedBill lastPrinted(const RecordingPrinter& printer) {
  PrintedBill bill;
  const auto sheets = printer.Sheets();
  if (sheets.empty()) return bill;
  std::map<double, std::pair<QString, QString>> lines;  // y: serial, particulars
  std::map<double, std::map<double, QString>> amounts;  // y: x, one character
  for (const auto& item : sheets.back()) {
    if (item.y == kSheetNetY) amounts[item.y][item.x] = item.text;
    if (item.y < kSheetFirstRowY || item.y >= kSheetNetY) continue;
    if (item.x == 0) lines[item.y].first = item.text;
    else if (item.x == 800) lines[item.y].second = item.text;
    else amounts[item.y][item.x] = item.text;
  }
  const auto text = [&amounts](double y) {
    QString out;
    for (const auto& [x, c] : amounts[y]) out += c;
    return out;
  };
  for (const auto& [y, line] : lines) bill.rows << line.first + '|' + line.second + '|' + text(y);
  bill.net = text(kSheetNetY);
  return bill;
}

// Boxes changed between add and print are on neither the list nor the paper: the stored bill is
// the printed one, and the collection reports put it in the pile its paper says.
TEST_F(InBillPrintTest, TheStoredBillIsTheOneAddListedAndPrintPrinted) {
  using Boxes = std::vector<std::pair<int, const char*>>;
  const struct {
    const char* name;
    const char* patient;
    Boxes atAdd;
    const char* advanceBox;
    Boxes afterAdd;  // the box's new text, typed after add and before print
    QStringList charges;  // the stored columns 2 to 11
    const char* total;
    QStringList piles;  // the modes of the daily report that list the bill
  } cases[] = {
      {"ECG typed after add", "IP10", {{0, "500"}}, "", {{7, "150"}},
       {"500", "", "", "", "", "", "", "", "", ""}, "500", {"ordinary"}},
      {"ECG emptied after add", "IP10", {{0, "500"}, {7, "200"}}, "", {{7, ""}},
       {"500", "", "", "", "", "", "", "200", "", ""}, "700", {"ECG"}},
      {"scan typed after add", "IP10", {{0, "500"}}, "", {{8, "300"}},
       {"500", "", "", "", "", "", "", "", "", ""}, "500", {"ordinary"}},
      {"scan changed after add", "IP10", {{8, "300"}}, "", {{8, "450"}},
       {"", "", "", "", "", "", "", "", "300", ""}, "300", {"scan"}},
      {"ordinary charges changed after add", "IP10", {{0, "500"}}, "", {{0, "900"}, {1, "40"}},
       {"500", "", "", "", "", "", "", "", "", ""}, "500", {"ordinary"}},
      {"an ECG box of 0 lists no ECG row", "IP10", {{0, "500"}, {7, "0"}}, "", {},
       {"500", "", "", "", "", "", "", "", "", ""}, "500", {"ordinary"}},
      {"the other line's amount typed after add", "IP10", {{0, "500"}}, "", {{9, "60"}},
       {"500", "", "", "", "", "", "", "", "", ""}, "500", {"ordinary"}},
      {"a receipt while the boxes hold an ECG charge", "IP11", {{7, "200"}}, "250", {},
       {"", "", "", "", "", "", "", "", "", ""}, "250", {"ordinary"}},
      {"the advance deducted, a charge changed after add", "IP12", {{0, "1000"}, {8, "100"}}, "", {{0, "2000"}},
       {"1000", "", "", "", "", "", "", "", "100", ""}, "800", {"scan"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnloadForm<frmInBill>();
    exec("DELETE FROM InPatientPrintDetails");
    frmInBill* f = open();
    choosePatient(f, QString::fromLatin1(c.patient));
    for (const auto& [index, text] : c.atAdd) TypeKeys(f->Text1[std::size_t(index)], QString::fromLatin1(text));
    TypeKeys(f->txtAdvance, QString::fromLatin1(c.advanceBox));
    Click(f->Picture1);
    for (const auto& [index, text] : c.afterAdd) {
      f->Text1[std::size_t(index)].clear();
      TypeKeys(f->Text1[std::size_t(index)], QString::fromLatin1(text));
    }
    printAndSave(f);

    const QStringList row = rowOf("SELECT * FROM InPatientPrintDetails");
    ASSERT_EQ(row.size(), 17);
    EXPECT_EQ(row.mid(2, 10), c.charges);
    EXPECT_EQ(row[12], c.total);
    EXPECT_EQ(row[16], *c.advanceBox ? QString::fromLatin1(c.advanceBox) : QStringLiteral("<null>"));

    // Every stored charge is a printed row of its caption at its amount, and the other way round;
    // the stored total is the printed net.
    const PrintedBill paper = lastPrinted(printer());
    EXPECT_EQ(Money::Parse(row[12]).Format2(), paper.net);
    QStringList printedCharges, storedCharges;
    for (const QString& line : paper.rows) {
      const QStringList parts = line.split('|');
      const auto& captions = InBillChargeCaptions();
      if (std::find(captions.begin(), captions.end(), parts[1]) != captions.end())
        printedCharges << parts[1] + ' ' + parts[2];
    }
    for (int i = 0; i < kInBillChargeCount; ++i)
      if (!Trim(row[2 + i]).isEmpty())
        storedCharges << InBillChargeCaptions()[std::size_t(i)] + ' ' + Money::Parse(row[2 + i]).Format2();
    EXPECT_EQ(storedCharges, printedCharges);

    auto* report = open<frmInBillReport>();
    ASSERT_TRUE(report);
    QStringList piles;
    const std::pair<const char*, std::pair<bool, bool>> modes[] = {
        {"ordinary", {false, false}}, {"ECG", {true, false}}, {"scan", {false, true}}};
    for (const auto& [mode, ticks] : modes) {
      report->CheckBox1.setChecked(ticks.first);
      report->CheckBox2.setChecked(ticks.second);
      Click(report->Picture1);
      if (report->List.topLevelItemCount() > 0) piles << mode;
    }
    EXPECT_EQ(piles, c.piles);
    report->Unload();
  }
}

// A report printed before leaves the printer in its own font; the bill and the receipt set theirs
// before the first thing they print.
TEST_F(InBillPrintTest, TheBillAndTheReceiptSetTheirFontsBeforeTheirFirstItem) {
  frmInBill* f = open();
  for (const bool receipt : {false, true}) {
    SCOPED_TRACE(receipt ? "receipt" : "charge bill");
    printer().SetFontName("Courier New");
    printer().SetFontSize(18);
    printer().SetFontBold(false);
    const int logBefore = printer().OperationCount();
    Click(f->Picture3);
    choosePatient(f, "IP11");
    TypeKeys(receipt ? f->txtAdvance : f->Text1[0], "250");
    Click(f->Picture1);
    printAndSave(f);
    const QStringList log = printer().Log().mid(logBefore);
    const qsizetype firstPrint = log.indexOf(QRegularExpression("^Print="));
    ASSERT_GT(firstPrint, 0);
    const QStringList setUp = log.mid(0, firstPrint);
    for (const char* setting : {"FontName=Arial", "FontBold=True", "FontSize=9"})
      EXPECT_TRUE(setUp.contains(setting)) << setting;
    const auto sheets = printer().Sheets();
    ASSERT_FALSE(sheets.empty());
    for (const auto& item : sheets.back()) {
      EXPECT_EQ(item.fontName, "Arial") << item.text.toStdString();
      EXPECT_EQ(item.fontSize, 9);
      EXPECT_TRUE(item.bold);
    }
  }
}

TEST_F(InBillPrintTest, AnEmptyCounterOffersOneAndGetsItsRow) {
  exec("DELETE FROM SettingsInBillNo");
  frmInBill* f = open();
  EXPECT_EQ(f->Label2.text(), "1");
  choosePatient(f, "IP10");
  TypeKeys(f->Text1[0], "10");
  Click(f->Picture1);
  printAndSave(f);
  EXPECT_EQ(scalar("SELECT count(*) || ':' || max(BillNo) FROM SettingsInBillNo"), "1:1");
  Click(f->Picture3);
  EXPECT_EQ(f->Label2.text(), "2");
}

TEST_F(InBillPrintTest, PrintingMovesTheAdvanceAsTheBillSays) {
  const struct {
    const char* name;
    const char* patient;
    const char* charge;
    const char* advanceBox;
    const char* changed;  // whose advance the print may touch
    const char* before;
    const char* after;
  } cases[] = {
      {"a receipt adds to the advance held", "IP11", "", "300", "IP11", "500", "800"},
      {"a receipt with decimals", "IP11", "", "0.25", "IP11", "500", "500.25"},
      {"a first receipt", "IP10", "", "300", "IP10", "<null>", "300"},
      {"a charge bill that deducted the advance uses it up", "IP12", "1000", "", "IP12", "300", "<null>"},
      {"a charge bill without an advance leaves the row alone", "IP10", "1000", "", "IP10", "<null>", "<null>"},
      {"a receipt without a patient touches nobody", "", "", "300", "IP11", "500", "500"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnloadForm<frmInBill>();
    exec("UPDATE SettingsInPatient SET Advance=NULL WHERE EmployeeID='IP10';"
         "UPDATE SettingsInPatient SET Advance=500 WHERE EmployeeID='IP11';"
         "UPDATE SettingsInPatient SET Advance=300 WHERE EmployeeID='IP12'");
    frmInBill* f = open();
    EXPECT_EQ(advanceOf(c.changed), c.before);
    choosePatient(f, QString::fromLatin1(c.patient));
    TypeKeys(f->Text1[0], QString::fromLatin1(c.charge));
    TypeKeys(f->txtAdvance, QString::fromLatin1(c.advanceBox));
    Click(f->Picture1);
    printAndSave(f);
    EXPECT_EQ(advanceOf(c.changed), c.after);
    EXPECT_EQ(advanceOf("IP13"), "1500");  // nobody else's
    // the patient chosen again on the open form shows the advance as it now stands
    Click(f->Picture3);
    choosePatient(f, QString::fromLatin1(c.changed));
    EXPECT_EQ(f->Text3.text(), QString::fromLatin1(c.after) == "<null>" ? "" : QString::fromLatin1(c.after));
  }
}

// Each failure point of a print: the sheet, the bill row, the counter, the patient's advance, and
// a database that takes no write at all. A failing printer is a printer fault; a database whose
// write lock cannot be had for the number prints nothing and says why; once the paper is out, a
// failing save says the bill was printed and not saved, and the same bill is saved by the next
// print under the same number.
TEST_F(InBillPrintTest, AFailedPrintStoresNothingAndARetryStoresTheBillOnce) {
  enum class Fault { Printer, Trigger, WritesRefused, Locked };
  const struct {
    const char* name;
    Fault fault;
    const char* sql;       // Trigger: the trigger that makes the step fail
    int printerStep;       // Printer: the operation that fails
    const char* database;  // what the database says; nullptr: the printer's message
    bool printed;          // the sheet came out before the database failed
  } cases[] = {
      {"printer set-up", Fault::Printer, nullptr, 2, nullptr, false},
      {"printer during the sheet", Fault::Printer, nullptr, 20, nullptr, false},
      {"bill row", Fault::Trigger,
       "CREATE TRIGGER fault BEFORE INSERT ON InPatientPrintDetails BEGIN SELECT RAISE(ABORT, 'disk'); END", 0,
       "Cannot add the row: disk", true},
      {"counter", Fault::Trigger,
       "CREATE TRIGGER fault BEFORE UPDATE ON SettingsInBillNo BEGIN SELECT RAISE(ABORT, 'disk'); END", 0,
       "Cannot change the row: disk", true},
      {"advance", Fault::Trigger,
       "CREATE TRIGGER fault BEFORE UPDATE ON SettingsInPatient BEGIN SELECT RAISE(ABORT, 'disk'); END", 0,
       "Cannot change the row: disk", true},
      {"writes refused", Fault::WritesRefused, nullptr, 0,
       "Cannot begin a transaction: attempt to write a readonly database", false},
      {"another connection holds the write lock", Fault::Locked, nullptr, 0,
       "Cannot begin a transaction: the database is locked: another connection or program kept it busy for more "
       "than 2 seconds (database is locked)", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnloadForm<frmInBill>();
    exec("DELETE FROM InPatientPrintDetails; UPDATE SettingsInBillNo SET BillNo=7;"
         "UPDATE SettingsInPatient SET Advance=500 WHERE EmployeeID='IP11'");
    frmInBill* f = open();
    choosePatient(f, "IP11");
    TypeKeys(f->txtAdvance, "300");
    Click(f->Picture1);

    std::shared_ptr<Connection> holder;
    switch (c.fault) {
      case Fault::Printer: printer().FailAt(c.printerStep); break;
      case Fault::Trigger: exec(QString::fromLatin1(c.sql)); break;
      case Fault::WritesRefused: sqlite3_exec(gCon->handle(), "PRAGMA query_only=1", nullptr, nullptr, nullptr); break;
      case Fault::Locked:
        holder = openDb();
        holder->BeginTrans();
        break;
    }
    if (c.fault == Fault::Printer && c.printerStep <= 5) {
      boxes().expect(kPrinterMessage, "", vbCritical);  // the set-up fails before the question
    } else {
      boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
      if (c.printed)
        boxes().expect("The bill was printed but not saved: " + QString::fromUtf8(c.database) +
                           "\r\nPrint it again to save it under the same number.",
                       "Print Info", vbCritical);
      else if (c.database)
        boxes().expect(QString::fromUtf8(c.database), "", vbCritical);
      else
        boxes().expect(kPrinterMessage, "", vbCritical);
    }
    const int sheetsBefore = printer().EndDocCount();
    Click(f->Picture2);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(printer().EndDocCount() - sheetsBefore, c.printed ? 1 : 0);
    EXPECT_EQ(billCount(), 0);
    EXPECT_EQ(scalar("SELECT BillNo FROM SettingsInBillNo"), "7");
    EXPECT_EQ(advanceOf("IP11"), "500");
    EXPECT_FALSE(f->BillPrinted);

    switch (c.fault) {
      case Fault::Printer: break;
      case Fault::Trigger: exec("DROP TRIGGER fault"); break;
      case Fault::WritesRefused: sqlite3_exec(gCon->handle(), "PRAGMA query_only=0", nullptr, nullptr, nullptr); break;
      case Fault::Locked: holder->RollbackTrans(); break;
    }
    printAndSave(f);
    EXPECT_EQ(billCount(), 1);
    EXPECT_EQ(scalar("SELECT BillNo || ':' || total || ':' || Advance FROM InPatientPrintDetails"), "8:300:300");
    EXPECT_EQ(scalar("SELECT BillNo FROM SettingsInBillNo"), "8");
    EXPECT_EQ(advanceOf("IP11"), "800");
  }
}

TEST_F(InBillPrintTest, PrintRefusesABillThePatientOrTheAdvanceBoxNoLongerMatch) {
  const struct {
    const char* name;
    const char* patient;
    const char* charge;
    const char* advanceBox;
    std::function<void(InBillTest&, frmInBill*)> change;
    const char* message;
  } cases[] = {
      {"receipt, advance box emptied", "IP11", "", "250",
       [](InBillTest&, frmInBill* f) { f->txtAdvance.clear(); }, kAddAgain},
      {"receipt, amount changed", "IP11", "", "250",
       [](InBillTest&, frmInBill* f) { f->txtAdvance.setText("300"); }, kAddAgain},
      {"deducting charge bill, advance typed", "IP12", "1000", "",
       [](InBillTest&, frmInBill* f) { TypeKeys(f->txtAdvance, "100"); }, kAddAgain},
      {"patient changed", "IP12", "1000", "",
       [](InBillTest&, frmInBill* f) {
         f->cmbPatientName.setEditText("");
         choosePatient(f, "IP11");
       },
       kAddAgain},
      {"identifier matching nobody", "IP11", "1000", "",
       [](InBillTest&, frmInBill* f) { PressKey(f->cmbPatientName, Qt::Key_Backspace); },
       "Please Select the Patient Name First"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnloadForm<frmInBill>();
    frmInBill* f = open();
    choosePatient(f, QString::fromLatin1(c.patient));
    TypeKeys(f->Text1[0], QString::fromLatin1(c.charge));
    TypeKeys(f->txtAdvance, QString::fromLatin1(c.advanceBox));
    Click(f->Picture1);
    const QString before = advanceOf(c.patient);
    c.change(*this, f);
    boxes().expect(c.message, c.message == kAddAgain ? "Warning" : "", vbCritical);
    Click(f->Picture2);
    EXPECT_EQ(printer().EndDocCount(), 0);
    EXPECT_EQ(billCount(), 0);
    EXPECT_EQ(advanceOf(c.patient), before);
  }
}

TEST_F(InBillPrintTest, AnOtherLineOnItsOwnKeepsTheAdvance) {
  frmInBill* f = open();
  choosePatient(f, "IP11");  // holds 500
  TypeKeys(f->Text2, "Oxygen");
  TypeKeys(f->Text1[9], "75");
  f->CheckBox2.setChecked(true);
  Click(f->Picture1);
  EXPECT_EQ(listRows(f), QStringList{"01|Oxygen|75.00"});
  printAndSave(f);
  EXPECT_EQ(advanceOf("IP11"), "500");
  EXPECT_EQ(scalar("SELECT total || ':' || Others FROM InPatientPrintDetails"), "75:");
}

TEST_F(InBillPrintTest, ClearForgetsThePatientSoAReceiptPrintsNobodysDetails) {
  frmInBill* f = open();
  choosePatient(f, "IP11");
  f->CheckBox1.setChecked(true);
  Click(f->Picture3);
  EXPECT_EQ(f->PatientAddress, "");
  TypeKeys(f->txtAdvance, "100");
  Click(f->Picture1);
  printAndSave(f);
  EXPECT_TRUE(printer().Find("Name  :   (  )"));
  for (const auto& item : printer().Items()) {
    if ((item.x == 0 && (item.y == 755 || item.y == 955)) || (item.y == 920)) {
      EXPECT_EQ(item.text, "") << item.y;
    }
  }
  EXPECT_FALSE(printer().Find("4 Lake Street"));
  EXPECT_EQ(advanceOf("IP11"), "500");
}

TEST_F(InBillPrintTest, TheSheetCarriesTheFormsValues) {
  frmInBill* f = open();
  choosePatient(f, "IP12");
  TypeKeys(f->cmbDrName, "Dr.A");
  f->DTPicker1.setDate(QDate(2026, 3, 5));
  f->CheckBox1.setChecked(true);
  TypeKeys(f->Text1[0], "450");
  Click(f->Picture1);
  printAndSave(f);
  QStringList placed;
  for (const auto& item : printer().Items())
    if (item.text.size() > 1 || item.x < 4000) placed << QStringLiteral("%1,%2,%3").arg(item.x).arg(item.y).arg(item.text);
  EXPECT_EQ(placed, (QStringList{"0,555,Name  :  Arun ( IP12 )", "0,755,7 Mill Lane", "0,955,Tarn", "3580,700,1",
                                 "4930,700,05/03/2026", "3580,920,61", "4930,920,Male", "3580,1150,Dr.Amal",
                                 "0,1800,01", "800,1800,Bed Charges", "0,2050,", "800,2050," + QString(26, ' ') + "Gross Total",
                                 "0,2300,", "800,2300," + QString(26, ' ') + "Less Advance"}));
  // the net 150.00 at the foot
  QString net;
  for (const auto& item : printer().Items())
    if (item.y == 4600) net.prepend(item.text);
  EXPECT_EQ(net, "150.00");
}

TEST_F(InBillPrintTest, TheReprintCopyShowsOnlyTheOtherLineAndBillsLikeTheFirst) {
  auto* r = open<frmReprintInBill>();
  ASSERT_TRUE(r);
  for (int i = 0; i < kInBillChargeCount; ++i) {
    EXPECT_FALSE(r->Label1[std::size_t(i)].isVisible()) << i;
    EXPECT_EQ(r->Text1[std::size_t(i)].isVisible(), i == 9) << i;
  }
  EXPECT_TRUE(r->Text2.isVisible());
  frmInBill* f = open();
  EXPECT_TRUE(f->Text1[0].isVisible());
  EXPECT_FALSE(f->Text1[5].isVisible());
  EXPECT_FALSE(f->Label1[9].isVisible());

  // an others-only bill from each form, one after the other: same sheet, same series
  UnloadForm<frmInBill>();
  for (int i = 0; i < 2; ++i) {
    frmInBill* form = i == 0 ? static_cast<frmInBill*>(open<frmReprintInBill>()) : open();
    choosePatient(form, "IP11");
    TypeKeys(form->Text2, "Oxygen");
    TypeKeys(form->Text1[9], "75");
    form->CheckBox2.setChecked(true);
    Click(form->Picture1);
    printAndSave(form);
    form->Unload();
  }
  EXPECT_EQ(rowOf("SELECT group_concat(BillNo || ':' || total || ':' || patientid, ',') FROM InPatientPrintDetails"),
            QStringList{"1:75:IP11,2:75:IP11"});
  const auto sheets = printer().Sheets();
  ASSERT_EQ(sheets.size(), 2u);
  QStringList first, second;
  for (const auto& item : sheets[0]) first << item.text;
  for (const auto& item : sheets[1]) second << item.text;
  first.replaceInStrings(QRegularExpression("^1$"), "2");
  EXPECT_EQ(first, second);
}

}  // namespace
