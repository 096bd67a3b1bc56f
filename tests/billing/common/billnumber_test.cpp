// The number of a new bill, for the four kinds, against a database that another program wrote
// since the form read it (or that was restored from an older back-up): the number shown, the
// number printed, the bill stored and the counter always agree, no number is given twice or goes
// back, no number ever holds two bills, and no message of the print waits while the number is held.
#include <sqlite3.h>

#include <QApplication>
#include <functional>

#include "billing/inpatient/frmInBill.h"
#include "billing/labxray/testbillform.h"
#include "billing/outpatient/frmBill.h"
#include "data/billnumbers.h"
#include "framework/vbform.h"
#include "globals.h"
#include "support/fixture.h"
#include "support/hooked_printer.h"
#include "support/input.h"

namespace {

// What the table drives of a bill form.
struct BillOnScreen {
  QLabel* number = nullptr;
  ImageButton* print = nullptr;
  ImageButton* newBill = nullptr;
  std::function<bool()> printed;
};

template <class F>
BillOnScreen onScreen(F* f) {
  if (!f) return {};
  return {&f->Label2, &f->Picture2, &f->Picture4, [f] { return f->BillPrinted; }};
}

template <class F>
F* shown() {
  F* f = LoadForm<F>();
  if (f) {
    f->Show();
    QApplication::setActiveWindow(f->FormWindow());
  }
  return f;
}

// Tara's test bill of two tests.
TestBillForm* testBill(TestBillForm* f, const QStringList& tests) {
  if (!f) return nullptr;
  TypeKeys(f->cmbPatientName, "OP21");
  for (const QString& t : tests) {
    f->cmbDescription.setFocus();
    TypeKeys(f->cmbDescription, t);
    Click(f->Picture1);
    f->cmbDescription.setEditText(QString());
  }
  return f;
}

// A bill of each kind, begun as the clerk begins it: its patient, and what it lists.
struct Kind {
  const char* name;
  BillKind kind;
  const char* patient;
  int lines;  // the rows its bill stores
  std::function<BillOnScreen()> begin;
};

const Kind kKinds[] = {
    {"out-patient", BillKind::OutPatient, "OP12", 1,
     [] {
       frmBill* f = shown<frmBill>();
       if (!f) return BillOnScreen{};
       TypeKeys(f->cmbPatientName, "OP12\r");
       TypeKeys(f->Text1[0], "100");
       Click(f->Picture1);
       return onScreen(f);
     }},
    {"in-patient", BillKind::InPatient, "IP10", 1,
     [] {
       frmInBill* f = shown<frmInBill>();
       if (!f) return BillOnScreen{};
       TypeKeys(f->cmbPatientName, "IP10\r");
       TypeKeys(f->Text1[0], "500");
       Click(f->Picture1);
       return onScreen(f);
     }},
    {"laboratory", BillKind::Laboratory, "OP21", 2,
     [] { return onScreen(testBill(shown<frmLabBillReport>(), {"CBC", "Sugar"})); }},
    {"x-ray", BillKind::XRay, "OP21", 2, [] { return onScreen(testBill(shown<frmXRayBillReport>(), {"Chest", "Hand"})); }},
};

// Answers the boxes as the fixture's script does, and notes every box shown while another
// program could not have written to the file: a box the clerk leaves open must never hold up
// another desk's save.
class BoxesThatCheckTheFile final : public MessageBoxService {
public:
  BoxesThatCheckTheFile(ScriptedMessageBoxes& script, std::shared_ptr<Connection> other)
      : script_(script), other_(std::move(other)) {
    sqlite3_busy_timeout(other_->handle(), 0);
  }
  int show(const QString& prompt, int style, const QString& title) override {
    if (sqlite3_exec(other_->handle(), "BEGIN IMMEDIATE; ROLLBACK", nullptr, nullptr, nullptr) != SQLITE_OK) {
      sqlite3_exec(other_->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
      heldAt << prompt;
    }
    return script_.show(prompt, style, title);
  }
  QStringList heldAt;

private:
  ScriptedMessageBoxes& script_;
  std::shared_ptr<Connection> other_;
};

class BillNumberTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    exec("INSERT INTO SettingDrDetails (DoctorID) VALUES ('Dr Meera'), ('Dr Anand');"
         "INSERT INTO SettingsLab (Description, Amount) VALUES ('CBC', '150'), ('Sugar', '5');"
         "INSERT INTO SettingsXRay (Description, AdultAmount, ChildrenAmount) VALUES ('Chest', '400', '250'),"
         "  ('Hand', '300', '180');"
         "INSERT INTO SettingsOutPatient (EmployeeID, FirstName, Sex, Age) VALUES ('OP12', 'ABC', 'Male', '36'),"
         "  ('OP21', 'Tara', 'Female', '7');"
         "INSERT INTO SettingsInPatient (EmployeeID, FirstName, Sex, Age, Discharged) VALUES"
         "  ('IP10', 'Ravi', 'Male', '40', 'No')");
    gCon = openDb();
    other = openDb();
  }
  void TearDown() override {
    ResetForms();
    other.reset();
    HalvionTest::TearDown();
  }

  // The SQL of a case for the kind's tables: %1 the bill table, %2 the counter.
  static QString forKind(const char* sql, const Kind& k) {
    return QString::fromLatin1(sql)
        .replace(QStringLiteral("%1"), QString::fromLatin1(TablesOf(k.kind).bills))
        .replace(QStringLiteral("%2"), QString::fromLatin1(TablesOf(k.kind).counter));
  }
  // The bill numbers stored, each once, in the order their bills were stored.
  QString bills(const Kind& k) const {
    return scalar(forKind("SELECT group_concat(BillNo, ',') FROM "
                          "(SELECT BillNo FROM %1 GROUP BY BillNo ORDER BY min(rowid))",
                          k));
  }
  // The rows stored under `number` for the bill made here.
  int ours(const Kind& k, const QString& number) const {
    return scalar(forKind("SELECT count(*) FROM %1 WHERE BillNo = ", k) + number +
                  QStringLiteral(" AND patientid = '") + k.patient + QStringLiteral("'"))
        .toInt();
  }
  // The bill numbers whose rows belong to more than one patient: two bills merged into one.
  QString merged(const Kind& k) const {
    return scalar(forKind("SELECT group_concat(BillNo) FROM (SELECT BillNo FROM %1 GROUP BY BillNo "
                          "HAVING count(DISTINCT patientid) > 1)",
                          k));
  }
  QString counter(const Kind& k) const {
    return scalar(forKind("SELECT count(*) || ':' || ifnull(group_concat(BillNo), '') FROM %2", k));
  }
  QString printedNumber() { return PrintedBillNumber(printer()); }

  std::shared_ptr<Connection> other;  // another program's connection to the same file
};

// The stale state is made either before the form loads (a file restored or edited by hand) or
// between the load and the print (another program).
TEST_F(BillNumberTest, TheBillGetsTheNumberThatIsNextWhenItIsPrinted) {
  const struct {
    const char* name;
    bool beforeLoad;
    const char* sql;      // %1 the bill table, %2 the counter
    const char* printed;  // on the paper, in the stored bill and in the counter
    bool told;            // the clerk is told that the number changed
    const char* stored;   // the bill numbers afterwards
  } cases[] = {
      {"counter moved on", false, "UPDATE %2 SET BillNo = 50", "51", true, "41,51"},
      {"a bill stored under the number shown", false,
       "INSERT INTO %1 (BillNo, patientid, BillDelete) VALUES (42, 'IP77', 'Available')", "43", true, "41,42,43"},
      {"a bill stored under the number shown by a program whose counter was old", false,
       "INSERT INTO %1 (BillNo, patientid, BillDelete) VALUES (42, 'IP77', 'Available'); UPDATE %2 SET BillNo = 5",
       "43", true, "41,42,43"},
      {"counter emptied", false, "UPDATE %2 SET BillNo = NULL", "42", false, "41,42"},
      {"counter holds text", false, "UPDATE %2 SET BillNo = 'abc'", "42", false, "41,42"},
      {"counter put back", false, "UPDATE %2 SET BillNo = 5", "42", false, "41,42"},
      {"counter row removed", false, "DELETE FROM %2", "42", false, "41,42"},
      {"an emptied counter at load", true, "UPDATE %2 SET BillNo = NULL", "42", false, "41,42"},
      {"a text counter at load", true, "UPDATE %2 SET BillNo = 'abc'", "42", false, "41,42"},
      {"an old counter at load", true, "UPDATE %2 SET BillNo = 5", "42", false, "41,42"},
      {"no counter row at load", true, "DELETE FROM %2", "42", false, "41,42"},
  };
  const auto checked = std::make_shared<BoxesThatCheckTheFile>(boxes(), other);
  SetMessageBoxService(checked);
  for (const Kind& k : kKinds) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(k.name) + ": " + c.name);
      ResetForms();
      exec(forKind("DELETE FROM %1; DELETE FROM %2; INSERT INTO %2 VALUES (41);"
                   "INSERT INTO %1 (BillNo, patientid, BillDelete) VALUES (41, 'OLD', 'Available')",
                   k));
      if (c.beforeLoad) other->Execute(forKind(c.sql, k));
      const BillOnScreen bill = k.begin();
      ASSERT_TRUE(bill.number);
      EXPECT_EQ(bill.number->text(), "42");
      if (!c.beforeLoad) other->Execute(forKind(c.sql, k));

      const std::size_t sheets = printer().Sheets().size();
      boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
      if (c.told) boxes().expect(UsedNumberMessage(c.printed), "Print Info", vbInformation);
      boxes().expect("Bill Printed and Saved Successfully", "Print Info", vbInformation);
      Click(*bill.print);
      EXPECT_EQ(boxes().pending(), 0);
      ASSERT_EQ(printer().Sheets().size(), sheets + 1);
      EXPECT_EQ(printedNumber(), c.printed);
      EXPECT_EQ(bill.number->text(), c.printed);
      EXPECT_TRUE(bill.printed());
      EXPECT_EQ(bills(k), c.stored);
      EXPECT_EQ(ours(k, c.printed), k.lines);
      EXPECT_EQ(merged(k), "");
      EXPECT_EQ(counter(k), QString("1:") + c.printed);
      EXPECT_EQ(checked->heldAt, QStringList{});
      checked->heldAt.clear();

      // A reprint keeps the number the bill was stored under; the next bill takes the one after.
      boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
      Click(*bill.print);
      EXPECT_EQ(printedNumber(), c.printed);
      EXPECT_EQ(bills(k), c.stored);
      Click(*bill.newBill);
      EXPECT_EQ(bill.number->text(), QString::number(QString(c.printed).toInt() + 1));
      EXPECT_EQ(boxes().pending(), 0);
    }
  }
}

}  // namespace
