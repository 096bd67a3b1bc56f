// Bill numbers against a database that another program wrote since the form read it (or that was
// restored from an older back-up): the number shown, the number printed, the bill stored and the
// counter always agree, and no number is given twice or goes back.
// The cases of a number gone stale are one table over the four kinds, in
// tests/billing/common/billnumber_test.cpp.
#include "billform.h"

#include <sqlite3.h>

#include <functional>

#include "billing/outpatient/outbill.h"
#include "data/billnumbers.h"
#include "support/hooked_printer.h"

namespace {

// Another program's connection to the same file.
void elsewhere(const std::shared_ptr<Connection>& con, const QString& sql) { con->Execute(sql); }

// The bill number on the last sheet printed ("" with none).
QString printedNumber(const std::vector<std::vector<PrintedItem>>& sheets) {
  if (sheets.empty()) return {};
  for (const PrintedItem& item : sheets.back())
    if (IsBillNumberPlace(item.x, item.y)) return item.text;
  return {};
}

class BillNumberTest : public BillFormTest {
protected:
  QString bills() const { return scalar("SELECT group_concat(BillNo, ',') FROM (SELECT BillNo FROM OutPatientPrintDetails ORDER BY rowid)"); }
  QString counter() const { return scalar("SELECT count(*) || ':' || ifnull(group_concat(BillNo), '') FROM SettingsOutBillNo"); }
};

// Another program tries to store a bill while this one is printing: the number on the paper is
// held for it, so the other program waits its turn (here it gives up at once) and the paper's
// number is this bill's; the other program's bill takes the next one.
TEST_F(BillNumberTest, AnotherProgramStoringDuringThePrintWaitsAndThePaperKeepsItsNumber) {
  exec("UPDATE SettingsOutBillNo SET BillNo = 41");
  auto hooked = std::make_shared<PrinterWithAHook>();
  SetPrinter(hooked);
  ASSERT_TRUE(open());
  makeBill();
  const auto other = openDb();
  sqlite3_busy_timeout(other->handle(), 50);
  const QString theirs = "INSERT INTO OutPatientPrintDetails (BillNo, patientName, BillDelete) VALUES (42, 'Other', "
                         "'Available'); UPDATE SettingsOutBillNo SET BillNo = 42";
  bool waited = false;
  hooked->atEndDoc = [&] {
    try {
      elsewhere(other, theirs);
    } catch (const DbError&) {
      waited = true;
    }
  };
  boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
  boxes().expect("Bill Printed and Saved Successfully", "Print Info", vbInformation);
  Click(form->Picture2);
  EXPECT_TRUE(waited) << "another program stored a bill under the number being printed";
  EXPECT_EQ(hooked->numbers, QStringList{"42"});
  EXPECT_TRUE(form->BillPrinted);
  EXPECT_EQ(bills(), "42");
  EXPECT_EQ(scalar("SELECT patientName FROM OutPatientPrintDetails WHERE BillNo = 42"), "ABC");
  EXPECT_EQ(counter(), "1:42");

  // Its turn now: its bill is 43.
  EXPECT_EQ(NextBillNumber(other, BillKind::OutPatient), 43);
  elsewhere(other, QString(theirs).replace("42", "43"));
  EXPECT_EQ(bills(), "42,43");
  EXPECT_EQ(counter(), "1:43");
}

// Past the largest number there is none to give: Print says so before anything is printed and
// stores nothing, whatever the counter holds.
TEST_F(BillNumberTest, WithTheNumbersUsedUpPrintRefusesBeforePrinting) {
  for (const char* last : {"9223372036854775807", "1e19"}) {
    SCOPED_TRACE(last);
    UnloadForm<frmBill>();
    exec(QString("DELETE FROM OutPatientPrintDetails; UPDATE SettingsOutBillNo SET BillNo = %1").arg(last));
    ASSERT_TRUE(open());
    EXPECT_EQ(form->Label2.text(), "") << "no number is shown that the bill cannot have";
    makeBill();
    const std::size_t sheets = printer().Sheets().size();
    boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    boxes().expect("This bill cannot be printed: no bill number is left after 9223372036854775807.", "Print Info",
                   vbCritical);
    Click(form->Picture2);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(printer().Sheets().size(), sheets);
    EXPECT_FALSE(form->BillPrinted);
    EXPECT_EQ(bills(), "");
    EXPECT_EQ(scalar("SELECT BillNo FROM SettingsOutBillNo"), QString(last) == "1e19" ? "1.0e+19" : last);
  }
}

// A number that cannot be read at the print prints nothing: the database's words are shown, and
// once it can be read again the bill prints and saves under it.
TEST_F(BillNumberTest, ANumberThatCannotBeReadPrintsNothing) {
  exec("UPDATE SettingsOutBillNo SET BillNo = 41");
  ASSERT_TRUE(open());
  makeBill();
  exec("ALTER TABLE SettingsOutBillNo RENAME TO Elsewhere");
  boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
  boxes().allowAny();
  Click(form->Picture2);
  boxes().strict();
  ASSERT_EQ(boxes().shown().size(), 2u);
  EXPECT_TRUE(boxes().shown()[1].prompt.contains("SettingsOutBillNo")) << boxes().shown()[1].prompt.toStdString();
  EXPECT_EQ(boxes().shown()[1].style, vbCritical);
  EXPECT_TRUE(printer().Items().empty());
  EXPECT_EQ(billRows(), 0);
  EXPECT_FALSE(form->BillPrinted);

  exec("ALTER TABLE Elsewhere RENAME TO SettingsOutBillNo");
  printAndSave();
  EXPECT_EQ(printedNumber(printer().Sheets()), "42");
  EXPECT_EQ(bills(), "42");
  EXPECT_EQ(counter(), "1:42");
}

// The store on its own: only the next number is stored, and the counter never goes down.
TEST_F(BillNumberTest, TheStoreTakesOnlyTheNextNumber) {
  exec("UPDATE SettingsOutBillNo SET BillNo = 41");
  auto con = openDb();
  for (const char* number : {"5", "41", "43"}) {
    SCOPED_TRACE(number);
    OutBillRecord bill;
    bill.billNo = number;
    bill.date = QDate(2026, 12, 10);
    EXPECT_THROW(SaveBill(con, BillKind::OutPatient, bill), DbError);
    EXPECT_EQ(this->bills(), "");
    EXPECT_EQ(this->counter(), "1:41");
  }
  OutBillRecord bill;
  bill.billNo = "42";
  bill.date = QDate(2026, 12, 10);
  SaveBill(con, BillKind::OutPatient, bill);
  EXPECT_EQ(this->bills(), "42");
  EXPECT_EQ(this->counter(), "1:42");
}

}  // namespace

// The one save of every kind stores a bill only in the kind's own tables and in the kind's own
// shape: rows of another kind, even under the kind's next number, are refused with nothing
// written; a bill of the kind changes its own bill table and counter and nothing of another kind.
TEST_F(BillNumberTest, TheSaveWritesOnlyTheTablesOfItsKind) {
  exec("UPDATE SettingsOutBillNo SET BillNo = 41; DELETE FROM SettingsInBillNo");
  auto con = openDb();
  const auto everyKind = [this] {
    QStringList tables;
    for (const BillKind kind : {BillKind::OutPatient, BillKind::InPatient, BillKind::Laboratory, BillKind::XRay})
      tables << scalar(QStringLiteral("SELECT (SELECT count(*) FROM %1) || '/' || (SELECT count(*) || ':' || "
                                      "ifnull(group_concat(BillNo), '') FROM %2)")
                           .arg(QLatin1String(TablesOf(kind).bills), QLatin1String(TablesOf(kind).counter)));
    return tables.join(u' ');
  };
  const QString before = everyKind();
  ASSERT_EQ(before, "0/1:41 0/0: 0/1:0 0/1:0");
  OutBillRecord outBill;
  outBill.date = QDate(2026, 12, 10);
  InBillRecord inBill;
  inBill.date = outBill.date;
  TestBillRecord testBill;
  testBill.date = outBill.date;
  testBill.lines = {{"One", "10"}};
  const struct {
    const char* name;
    BillKind kind;
    BillRows rows;
  } refused[] = {
      {"in-patient rows as an out-patient bill", BillKind::OutPatient, inBill},
      {"test rows as an out-patient bill", BillKind::OutPatient, testBill},
      {"out-patient rows as an in-patient bill", BillKind::InPatient, outBill},
      {"out-patient rows as a laboratory bill", BillKind::Laboratory, outBill},
      {"in-patient rows as an x-ray bill", BillKind::XRay, inBill},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.name);
    BillRows rows = c.rows;
    std::visit([&](auto& r) { r.billNo = NextBillNumberText(con, c.kind); }, rows);
    EXPECT_THROW(SaveBill(con, c.kind, rows), DbError);
    EXPECT_EQ(everyKind(), before);
  }
  outBill.billNo = "42";
  SaveBill(con, BillKind::OutPatient, outBill);
  EXPECT_EQ(everyKind(), "1/1:42 0/0: 0/1:0 0/1:0");
  EXPECT_EQ(bills(), "42");
}
