// The in-patient bill against a database that another program wrote since the form read it: the
// bill number, and the advance the patient holds, are the database's at the moment of the print
// and of the save, never the form's old copy.
// The cases of a number gone stale are one table over the four kinds, in
// tests/billing/common/billnumber_test.cpp.
#include <gtest/gtest.h>

#include <QProcess>
#include <functional>
#include <utility>

#include "data/bills.h"
#include "inbill_support.h"
#include "support/hooked_printer.h"

#include <sqlite3.h>

namespace {

const char* const kAdvanceChanged = "The advance of this patient has changed. Please press Add again";

class InBillStaleTest : public InBillTest {
protected:
  void SetUp() override {
    InBillTest::SetUp();
    other = openDb();
  }
  // Another program's connection to the same file.
  void elsewhere(const QString& sql) { other->Execute(sql); }

  QString printedNumber() { return PrintedBillNumber(printer()); }
  QString bills() const {
    return scalar("SELECT group_concat(BillNo, ',') FROM (SELECT BillNo FROM InPatientPrintDetails ORDER BY rowid)");
  }
  QString counter() const {
    return scalar("SELECT count(*) || ':' || ifnull(group_concat(BillNo), '') FROM SettingsInBillNo");
  }
  frmInBill* chargeBill(const QString& patient, const QString& amount) {
    frmInBill* f = open();
    choosePatient(f, patient);
    TypeKeys(f->Text1[0], amount);
    Click(f->Picture1);
    return f;
  }

  std::shared_ptr<Connection> other;
};

// What cannot be read at the print prints nothing: the database's words are shown, and once it
// can be read again the bill prints and saves.
TEST_F(InBillStaleTest, WhatCannotBeReadAtThePrintPrintsNothing) {
  exec("UPDATE SettingsInBillNo SET BillNo = 7");
  frmInBill* f = chargeBill("IP12", "1000");
  exec("ALTER TABLE SettingsInBillNo RENAME TO Elsewhere");
  boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
  boxes().allowAny();
  Click(f->Picture2);
  boxes().strict();
  ASSERT_EQ(boxes().shown().size(), 2u);
  EXPECT_TRUE(boxes().shown()[1].prompt.contains("SettingsInBillNo")) << boxes().shown()[1].prompt.toStdString();
  EXPECT_EQ(boxes().shown()[1].style, vbCritical);
  EXPECT_EQ(printer().EndDocCount(), 0);
  EXPECT_EQ(billCount(), 0);
  EXPECT_EQ(advanceOf("IP12"), "300");

  exec("ALTER TABLE Elsewhere RENAME TO SettingsInBillNo");
  printAndSave(f);
  EXPECT_EQ(printedNumber(), "8");
  EXPECT_EQ(bills(), "8");
  EXPECT_EQ(advanceOf("IP12"), "<null>");
}

// Another program changes or removes a patient between the form's load and the choice: the patient
// is chosen as the database holds them at the choice, with the name and the advance held then, and
// a patient no longer stored is not chosen at all.
TEST_F(InBillStaleTest, APatientIsChosenAsTheDatabaseHoldsThemAtTheChoice) {
  frmInBill* f = open();
  elsewhere("UPDATE SettingsInPatient SET Advance = 800, FirstName = 'Meena K' WHERE EmployeeID = 'IP11';"
            "DELETE FROM SettingsInPatient WHERE EmployeeID = 'IP13'");
  choosePatient(f, "IP11");
  EXPECT_EQ(f->txtPatientID.text(), "Meena K");
  EXPECT_EQ(f->Text3.text(), "800");
  TypeKeys(f->Text1[0], "1000");
  Click(f->Picture1);
  printAndSave(f);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(rowOf("SELECT patientName, total FROM InPatientPrintDetails"), (QStringList{"Meena K", "200"}));
  EXPECT_EQ(advanceOf("IP11"), "<null>");

  Click(f->Picture4);
  choosePatient(f, "IP13");
  EXPECT_EQ(f->txtPatientID.text(), "");
  EXPECT_EQ(f->Text3.text(), "");
  TypeKeys(f->Text1[0], "100");
  boxes().expect("Please Select the Patient Name First", "", vbCritical);
  Click(f->Picture1);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_TRUE(f->BillList.rows.empty());
}

// Another program changes the patient's advance between the form's read and the print.
TEST_F(InBillStaleTest, TheAdvanceIsTheOneTheDatabaseHoldsAtThePrint) {
  const struct {
    const char* name;
    const char* patient;
    const char* charge;      // a charge bill of this amount, or
    const char* receipt;     // an advance receipt of this amount
    const char* sql;         // what the other program writes after the add
    bool refused;            // the print refuses until the bill is added again
    QStringList rows;        // the bill as printed and stored in the end
    const char* total;       // stored
    const char* advance;     // the patient's advance afterwards
  } cases[] = {
      {"a receipt adds to the advance held now", "IP11", "", "300",
       "UPDATE SettingsInPatient SET Advance = 700 WHERE EmployeeID = 'IP11'", false, {"01|Adv.   Amt|300.00"}, "300",
       "1000"},
      {"a first receipt meets another one", "IP10", "", "300",
       "UPDATE SettingsInPatient SET Advance = 200 WHERE EmployeeID = 'IP10'", false, {"01|Adv.   Amt|300.00"}, "300",
       "500"},
      {"a receipt after the advance was used up", "IP11", "", "300",
       "UPDATE SettingsInPatient SET Advance = NULL WHERE EmployeeID = 'IP11'", false, {"01|Adv.   Amt|300.00"}, "300",
       "300"},
      {"the deducted advance grew", "IP12", "1000", "",
       "UPDATE SettingsInPatient SET Advance = 400 WHERE EmployeeID = 'IP12'", true,
       {"01|Bed Charges|1000.00", "|" + GrossTotalCaption() + "|1000.00", "|" + LessAdvanceCaption() + "|400.00"},
       "600", "<null>"},
      {"the deducted advance was used up", "IP12", "1000", "",
       "UPDATE SettingsInPatient SET Advance = NULL WHERE EmployeeID = 'IP12'", true, {"01|Bed Charges|1000.00"},
       "1000", "<null>"},
      {"an advance came in for a bill that deducted none", "IP10", "1000", "",
       "UPDATE SettingsInPatient SET Advance = 250 WHERE EmployeeID = 'IP10'", true,
       {"01|Bed Charges|1000.00", "|" + GrossTotalCaption() + "|1000.00", "|" + LessAdvanceCaption() + "|250.00"},
       "750", "<null>"},
      {"another patient's advance changed", "IP12", "1000", "",
       "UPDATE SettingsInPatient SET Advance = 900 WHERE EmployeeID = 'IP11'", false,
       {"01|Bed Charges|1000.00", "|" + GrossTotalCaption() + "|1000.00", "|" + LessAdvanceCaption() + "|300.00"},
       "700", "<null>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnloadForm<frmInBill>();
    exec("DELETE FROM InPatientPrintDetails; UPDATE SettingsInBillNo SET BillNo = 7;"
         "UPDATE SettingsInPatient SET Advance = NULL WHERE EmployeeID = 'IP10';"
         "UPDATE SettingsInPatient SET Advance = 500 WHERE EmployeeID = 'IP11';"
         "UPDATE SettingsInPatient SET Advance = 300 WHERE EmployeeID = 'IP12'");
    frmInBill* f = open();
    choosePatient(f, c.patient);
    TypeKeys(f->Text1[0], c.charge);
    TypeKeys(f->txtAdvance, c.receipt);
    Click(f->Picture1);
    elsewhere(c.sql);
    const QString changed = advanceOf(c.patient);
    const int sheets = printer().EndDocCount();

    if (c.refused) {
      boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
      boxes().expect(kAdvanceChanged, "Warning", vbCritical);
      Click(f->Picture2);
      EXPECT_EQ(printer().EndDocCount(), sheets);
      EXPECT_EQ(billCount(), 0);
      EXPECT_EQ(counter(), "1:7");
      EXPECT_EQ(advanceOf(c.patient), changed);
      EXPECT_FALSE(f->BillPrinted);
      // Added again, the bill deducts the advance the patient holds now.
      EXPECT_EQ(f->Text3.text(), changed == "<null>" ? "" : changed);
      Click(f->Picture1);
    }
    EXPECT_EQ(listRows(f), c.rows);
    printAndSave(f);
    EXPECT_EQ(printer().EndDocCount(), sheets + 1);
    EXPECT_EQ(scalar("SELECT BillNo || ':' || total FROM InPatientPrintDetails"), QString("8:") + c.total);
    EXPECT_EQ(advanceOf(c.patient), c.advance);
    EXPECT_EQ(advanceOf("IP13"), "1500");  // nobody else's
  }
}

// Another program tries to write while the bill is printing (a bill under the number on the
// paper, or the patient's advance): the number is held for the print, so the other program waits
// its turn (here it gives up at once), the paper's bill is stored under the paper's number with
// the advance it deducted, and the other program's write goes in after it.
TEST_F(InBillStaleTest, AWriteDuringThePrintWaitsUntilTheBillIsStored) {
  const struct {
    const char* name;
    const char* sql;
    const char* number;   // the other program's bill number, after ours
    const char* advance;  // IP12's afterwards
  } cases[] = {
      {"a bill under the number printed",
       "INSERT INTO InPatientPrintDetails (BillNo, patientName, BillDelete) VALUES (8, 'Other', 'Available');"
       "UPDATE SettingsInBillNo SET BillNo = 8",
       "9", "<null>"},
      {"the advance", "UPDATE SettingsInPatient SET Advance = 400 WHERE EmployeeID = 'IP12'", "", "400"},
  };
  sqlite3_busy_timeout(other->handle(), 50);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnloadForm<frmInBill>();
    exec("DELETE FROM InPatientPrintDetails; UPDATE SettingsInBillNo SET BillNo = 7;"
         "UPDATE SettingsInPatient SET Advance = 300 WHERE EmployeeID = 'IP12'");
    auto hooked = std::make_shared<PrinterWithAHook>();
    SetPrinter(hooked);
    frmInBill* f = chargeBill("IP12", "1000");
    bool waited = false;
    hooked->atEndDoc = [&] {
      try {
        elsewhere(c.sql);
      } catch (const DbError&) {
        waited = true;
      }
    };
    boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    boxes().expect("Bill Printed and Saved Successfully", "Print Info", vbInformation);
    Click(f->Picture2);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_TRUE(waited) << "another program wrote while the bill was printing";
    EXPECT_EQ(hooked->numbers, QStringList{"8"});
    EXPECT_TRUE(f->BillPrinted);
    EXPECT_EQ(scalar("SELECT BillNo || ':' || total FROM InPatientPrintDetails WHERE patientid = 'IP12'"), "8:700");
    EXPECT_EQ(counter(), "1:8");
    EXPECT_EQ(advanceOf("IP12"), "<null>") << "the advance the bill deducted is used up";

    // Its turn now.
    elsewhere(QString::fromLatin1(c.sql).replace(QStringLiteral("8"), QString::fromLatin1(c.number)));
    if (*c.number) {
      EXPECT_EQ(counter(), QString("1:") + c.number);
    }
    EXPECT_EQ(advanceOf("IP12"), c.advance);
  }
}

// Past the largest number there is none to give: Print says so before anything is printed, and
// neither the bill nor the advance it deducts is stored.
TEST_F(InBillStaleTest, WithTheNumbersUsedUpPrintRefusesBeforePrinting) {
  exec("DELETE FROM InPatientPrintDetails; UPDATE SettingsInBillNo SET BillNo = 9223372036854775807;"
       "UPDATE SettingsInPatient SET Advance = 300 WHERE EmployeeID = 'IP12'");
  frmInBill* f = chargeBill("IP12", "1000");
  EXPECT_EQ(f->Label2.text(), "");
  const int sheets = printer().EndDocCount();
  boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
  boxes().expect("This bill cannot be printed: no bill number is left after 9223372036854775807.", "Print Info",
                 vbCritical);
  Click(f->Picture2);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(printer().EndDocCount(), sheets);
  EXPECT_FALSE(f->BillPrinted);
  EXPECT_EQ(bills(), "");
  EXPECT_EQ(counter(), "1:9223372036854775807");
  EXPECT_EQ(advanceOf("IP12"), "300");
}

// An older file holds two admissions under one identifier (the forms refuse a second one now, but
// a file from before keeps them). The clerk chooses the identifier and sees the first of them; the
// sqlite3 shell then renames that patient, or gives the row another identifier. The advance goes to
// the row shown, whichever order the rows stand in by then, and a row that holds another patient
// now refuses the bill, in the database's words, before anything is printed.
TEST_F(InBillStaleTest, TheAdvanceGoesToTheRowShownWhenTwoRowsHoldTheIdentifier) {
  const struct {
    const char* name;
    const char* charge;   // a charge bill of this amount, or
    const char* receipt;  // an advance receipt of this amount
    const char* shell;    // what the other program writes after the add
    bool refused;
    const char* advances;  // the two rows' afterwards, in the order stored
  } cases[] = {
      {"a receipt after the patient shown was renamed", "", "50",
       "UPDATE SettingsInPatient SET FirstName = 'Zubin' WHERE FirstName = 'Anil'", false, "Yusuf=10 Zubin=70"},
      {"a charge bill after the patient shown was renamed", "100", "",
       "UPDATE SettingsInPatient SET FirstName = 'Zubin' WHERE FirstName = 'Anil'", false, "Yusuf=10 Zubin=-"},
      {"a receipt after the row shown took another identifier", "", "50",
       "UPDATE SettingsInPatient SET EmployeeID = 'IP99' WHERE FirstName = 'Anil'", true, "Yusuf=10 Anil=20"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnloadForm<frmInBill>();
    exec("DELETE FROM InPatientPrintDetails; DELETE FROM SettingsInPatient WHERE EmployeeID IN ('IP21', 'IP99');"
         "INSERT INTO SettingsInPatient (EmployeeID, FirstName, Discharged, Advance) VALUES"
         "  ('IP21', 'Yusuf', 'No', 10), ('IP21', 'Anil', 'No', 20)");
    frmInBill* f = open();
    choosePatient(f, "IP21");
    ASSERT_EQ(f->txtPatientID.text(), "Anil");
    ASSERT_EQ(f->Text3.text(), "20");
    TypeKeys(f->Text1[0], c.charge);
    TypeKeys(f->txtAdvance, c.receipt);
    Click(f->Picture1);

    QProcess shell;
    shell.start("sqlite3", {"-cmd", ".timeout 5000", dbPath(), c.shell});
    ASSERT_TRUE(shell.waitForFinished(30000));
    ASSERT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();

    const int sheets = printer().EndDocCount();
    boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    if (c.refused)
      boxes().expect("the in-patient row chosen for IP21 no longer holds that patient", "", vbCritical);
    else
      boxes().expect("Bill Printed and Saved Successfully", "Print Info", vbInformation);
    Click(f->Picture2);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(printer().EndDocCount(), sheets + (c.refused ? 0 : 1));
    EXPECT_EQ(billCount(), c.refused ? 0 : 1);
    EXPECT_EQ(f->BillPrinted, !c.refused);
    EXPECT_EQ(scalar("SELECT group_concat(FirstName || '=' || ifnull(Advance, '-'), ' ') FROM (SELECT FirstName, "
                     "Advance FROM SettingsInPatient WHERE EmployeeID IN ('IP21', 'IP99') ORDER BY rowid)"),
              c.advances);
  }
}

// The store on its own: the bill, its number and the advance go together or not at all. An
// advance that cannot be written leaves nothing stored; once it can, a missing counter row is made
// and the advance is the one given.
TEST_F(InBillStaleTest, TheStoreWritesTheBillItsNumberAndTheAdvanceTogether) {
  exec("DELETE FROM SettingsInBillNo;"
       "CREATE TRIGGER refused BEFORE UPDATE OF Advance ON SettingsInPatient BEGIN SELECT RAISE(ABORT, 'refused'); END");
  auto con = openDb();
  InBillRecord bill;
  bill.billNo = "1";
  bill.date = QDate(2026, 12, 10);
  bill.charges[0] = "100";
  bill.total = "100";
  bill.patientName = "Meena";
  bill.patientId = "IP11";
  AdvanceChange advance;
  advance.kind = AdvanceChange::Kind::Set;
  advance.patientId = "IP11";
  advance.patientRow = scalar("SELECT rowid FROM SettingsInPatient WHERE EmployeeID = 'IP11'").toLongLong();
  advance.amount = Money::Parse("200");
  EXPECT_THROW(SaveBill(con, BillKind::InPatient, bill, advance), DbError);
  EXPECT_EQ(this->bills(), "");
  EXPECT_EQ(this->counter(), "0:");
  EXPECT_EQ(advanceOf("IP11"), "500");
  exec("DROP TRIGGER refused");
  SaveBill(con, BillKind::InPatient, bill, advance);
  EXPECT_EQ(this->bills(), "1");
  EXPECT_EQ(this->counter(), "1:1");
  EXPECT_EQ(advanceOf("IP11"), "200");
}

// The patient's row the store reads and writes: the row chosen for the bill, while its identifier
// trimmed of blanks is still the one given, case counting; with no row chosen, the receipt is
// stored and nobody's advance changes; a row that holds another patient now refuses the bill.
TEST_F(InBillStaleTest, TheStoreChangesTheRowChosenWhileItHoldsTheIdentifier) {
  exec("INSERT INTO SettingsInPatient (EmployeeID, FirstName, Advance) VALUES ('  IP20 ', 'Zara', 100),"
       "('IP21', 'Yusuf', 10), (' IP21', 'Anil', 20), ('IP30 ', 'Bela', 5), ('IP30', 'Bela', 7)");
  const QString others = "SELECT group_concat(FirstName || '=' || ifnull(Advance, '-'), ' ') FROM "
                         "(SELECT FirstName, Advance FROM SettingsInPatient ORDER BY rowid)";
  const struct {
    const char* name;
    const char* patient;
    const char* row;         // the condition that finds the row chosen, nullptr for none
    bool refused;
    const char* heldBefore;  // AdvanceHeldNow
    const char* advances;    // every patient's afterwards
  } cases[] = {
      {"stored with blanks", " IP20", "FirstName = 'Zara'", false, "100",
       "Ravi=- Meena=500 Arun=300 Sita=1500 Zara=150 Yusuf=10 Anil=20 Bela=5 Bela=7"},
      {"two rows of one identifier, the one listed first", "IP21", "FirstName = 'Anil'", false, "20",
       "Ravi=- Meena=500 Arun=300 Sita=1500 Zara=150 Yusuf=10 Anil=70 Bela=5 Bela=7"},
      {"two rows of one identifier, the other one", "IP21", "FirstName = 'Yusuf'", false, "10",
       "Ravi=- Meena=500 Arun=300 Sita=1500 Zara=150 Yusuf=60 Anil=70 Bela=5 Bela=7"},
      {"another case, nobody chosen", "ip11", nullptr, false, "",
       "Ravi=- Meena=500 Arun=300 Sita=1500 Zara=150 Yusuf=60 Anil=70 Bela=5 Bela=7"},
      {"another case, a row chosen", "ip11", "EmployeeID = 'IP11'", true, nullptr,
       "Ravi=- Meena=500 Arun=300 Sita=1500 Zara=150 Yusuf=60 Anil=70 Bela=5 Bela=7"},
      {"a row of another patient", "IP21", "FirstName = 'Zara'", true, nullptr,
       "Ravi=- Meena=500 Arun=300 Sita=1500 Zara=150 Yusuf=60 Anil=70 Bela=5 Bela=7"},
      {"a row no longer stored", "IP21", "FirstName = 'Nobody'", true, nullptr,
       "Ravi=- Meena=500 Arun=300 Sita=1500 Zara=150 Yusuf=60 Anil=70 Bela=5 Bela=7"},
      {"one name, one identifier", "IP30", "EmployeeID = 'IP30'", false, "7",
       "Ravi=- Meena=500 Arun=300 Sita=1500 Zara=150 Yusuf=60 Anil=70 Bela=5 Bela=57"},
  };
  auto con = openDb();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::optional<qint64> row;
    // A row that is not there is rowid 0, which no row has.
    if (c.row) row = scalar(QStringLiteral("SELECT rowid FROM SettingsInPatient WHERE ") + c.row).toLongLong();
    const QString stored = bills();
    if (c.refused)
      EXPECT_THROW(AdvanceHeldNow(con, c.patient, row), DbError);
    else
      EXPECT_EQ(AdvanceHeldNow(con, c.patient, row), c.heldBefore);
    InBillRecord bill;
    bill.billNo = NextBillNumberText(con, BillKind::InPatient);
    bill.date = QDate(2026, 12, 10);
    bill.total = "50";
    bill.advance = "50";
    bill.patientId = c.patient;
    AdvanceChange advance;
    advance.kind = AdvanceChange::Kind::Receive;
    advance.patientId = c.patient;
    advance.patientRow = row;
    advance.amount = Money::Parse("50");
    if (c.refused) {
      EXPECT_THROW(SaveBill(con, BillKind::InPatient, bill, advance), DbError);
      EXPECT_EQ(bills(), stored);
    } else {
      SaveBill(con, BillKind::InPatient, bill, advance);
      EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM InPatientPrintDetails WHERE BillNo = %1").arg(bill.billNo)),
                "1");
    }
    EXPECT_EQ(scalar(others), c.advances);
  }
}

}  // namespace
