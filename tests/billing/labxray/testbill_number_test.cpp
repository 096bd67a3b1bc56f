// Test bill numbers against a database that another program wrote since the form read it (or
// that was restored from an older back-up): the number shown, the number printed, the lines
// stored and the counter always agree, no number is given twice or goes back, and no number ever
// holds the lines of two bills.
// The cases of a number gone stale are one table over the four kinds, in
// tests/billing/common/billnumber_test.cpp.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "billing/labxray/testbillstore.h"
#include "labxray_support.h"
#include "support/hooked_printer.h"

#include <sqlite3.h>

namespace {

struct Kind {
  const char* name;
  TestBillKind kind;
  const char* bills;
  const char* counter;
  QStringList tests;  // the two tests of the bill made here
};

const Kind kKinds[] = {
    {"lab", TestBillKind::Lab, "LabPrintDetails", "SettingsLabBillNo", {"CBC", "Sugar"}},
    {"x-ray", TestBillKind::XRay, "XRayPrintDetails", "SettingsXRayBillNo", {"Chest", "Hand"}},
};

class TestBillNumberTest : public LabXRayTest {
protected:
  // Another program's connection to the same file.
  void elsewhere(const QString& sql) {
    if (!other) other = openDb();
    other->Execute(sql);
  }
  // The SQL of a case for the kind's tables: %1 the bill table, %2 the counter.
  static QString forKind(const char* sql, const Kind& k) {
    return QString::fromLatin1(sql)
        .replace(QStringLiteral("%1"), QString::fromLatin1(k.bills))
        .replace(QStringLiteral("%2"), QString::fromLatin1(k.counter));
  }

  // Bill 41 of two lines for Noor, and the counter at 41.
  void start(const Kind& k) {
    exec(forKind("DELETE FROM %1; DELETE FROM %2; INSERT INTO %2 VALUES (41)", k));
    insertLine(k.bills, 41, "2026-12-01", "Old one", "10", "30", "Noor", "OP22");
    insertLine(k.bills, 41, "2026-12-01", "Old two", "20", "30", "Noor", "OP22");
  }
  // The bill form of the kind with Tara's bill of two tests on it.
  TestBillForm* makeBill(const Kind& k) {
    TestBillForm* f = k.kind == TestBillKind::XRay ? static_cast<TestBillForm*>(open<frmXRayBillReport>())
                                                   : static_cast<TestBillForm*>(open<frmLabBillReport>());
    if (!f) return nullptr;
    TypeKeys(f->cmbPatientName, "OP21");
    addTests(f, k.tests);
    return f;
  }

  // Every stored line as "number|patient", in the order stored.
  QStringList lines(const Kind& k) const {
    return rows(forKind("SELECT BillNo, patientid FROM %1 ORDER BY rowid", k));
  }
  // The bill numbers whose lines belong to more than one patient: two bills merged into one.
  QStringList merged(const Kind& k) const {
    return rows(forKind("SELECT BillNo FROM %1 GROUP BY BillNo HAVING count(DISTINCT patientid) > 1", k));
  }
  QString counter(const Kind& k) const {
    return scalar(forKind("SELECT count(*) || ':' || ifnull(group_concat(BillNo), '') FROM %2", k));
  }
  QString printedNumber() { return PrintedBillNumber(printer()); }

  std::shared_ptr<Connection> other;
};

// Another program tries to store a bill while this one is printing: the number on the paper is
// held for it, so the other program waits its turn (here it gives up at once) and the paper's
// number is this bill's; the other program's bill takes the next one.
TEST_F(TestBillNumberTest, AnotherProgramStoringDuringThePrintWaitsAndThePaperKeepsItsNumber) {
  for (const Kind& k : kKinds) {
    SCOPED_TRACE(k.name);
    ResetForms();
    start(k);
    auto hooked = std::make_shared<PrinterWithAHook>();
    const auto recording = SetPrinter(hooked);
    TestBillForm* f = makeBill(k);
    ASSERT_TRUE(f);
    const QString theirs = forKind("INSERT INTO %1 (BillNo, patientid, BillDelete) VALUES (42, 'IP10', 'Available');"
                                   "UPDATE %2 SET BillNo = 42",
                                   k);
    bool waited = false;
    hooked->atEndDoc = [&] {
      try {
        if (!other) other = openDb();
        sqlite3_busy_timeout(other->handle(), 50);
        elsewhere(theirs);
      } catch (const DbError&) {
        waited = true;
      }
    };
    boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    boxes().expect("Bill Printed and Saved Successfully", "Print Info", vbInformation);
    Click(f->Picture2);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_TRUE(waited) << "another program stored a bill under the number being printed";
    EXPECT_EQ(hooked->numbers, QStringList{"42"});
    EXPECT_TRUE(f->BillPrinted);
    EXPECT_EQ(lines(k), (QStringList{"41|OP22", "41|OP22", "42|OP21", "42|OP21"}));
    EXPECT_EQ(counter(k), "1:42");

    elsewhere(QString(theirs).replace("42", "43"));
    EXPECT_EQ(lines(k), (QStringList{"41|OP22", "41|OP22", "42|OP21", "42|OP21", "43|IP10"}));
    EXPECT_EQ(merged(k), QStringList{});
    EXPECT_EQ(counter(k), "1:43");
    SetPrinter(recording);
  }
}

// Past the largest number there is none to give: Print says so before anything is printed and
// stores nothing.
TEST_F(TestBillNumberTest, WithTheNumbersUsedUpPrintRefusesBeforePrinting) {
  for (const Kind& k : kKinds) {
    SCOPED_TRACE(k.name);
    ResetForms();
    exec(forKind("DELETE FROM %1; DELETE FROM %2; INSERT INTO %2 VALUES (9223372036854775807)", k));
    TestBillForm* f = makeBill(k);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->Label2.text(), "");
    const std::size_t sheets = printer().Sheets().size();
    boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    boxes().expect("This bill cannot be printed: no bill number is left after 9223372036854775807.", "Print Info",
                   vbCritical);
    Click(f->Picture2);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(printer().Sheets().size(), sheets);
    EXPECT_FALSE(f->BillPrinted);
    EXPECT_EQ(lines(k), QStringList{});
    EXPECT_EQ(counter(k), "1:9223372036854775807");
  }
}

// A number that cannot be read at the print prints nothing: the database's words are shown, and
// once it can be read again the bill prints and saves under it.
TEST_F(TestBillNumberTest, ANumberThatCannotBeReadPrintsNothing) {
  for (const Kind& k : kKinds) {
    SCOPED_TRACE(k.name);
    ResetForms();
    start(k);
    TestBillForm* f = makeBill(k);
    ASSERT_TRUE(f);
    exec(forKind("ALTER TABLE %2 RENAME TO Elsewhere", k));
    const std::size_t sheets = printer().Sheets().size();
    boxes().clearShown();
    boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    boxes().allowAny();
    Click(f->Picture2);
    boxes().strict();
    ASSERT_EQ(boxes().shown().size(), 2u);
    EXPECT_TRUE(boxes().shown()[1].prompt.contains(QString::fromLatin1(k.counter)))
        << boxes().shown()[1].prompt.toStdString();
    EXPECT_EQ(boxes().shown()[1].style, vbCritical);
    EXPECT_EQ(printer().Sheets().size(), sheets);
    EXPECT_FALSE(f->BillPrinted);
    EXPECT_EQ(lines(k), (QStringList{"41|OP22", "41|OP22"}));

    exec(forKind("ALTER TABLE Elsewhere RENAME TO %2", k));
    expectPrintAndSave();
    Click(f->Picture2);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(printedNumber(), "42");
    EXPECT_EQ(lines(k), (QStringList{"41|OP22", "41|OP22", "42|OP21", "42|OP21"}));
    EXPECT_EQ(counter(k), "1:42");
  }
}

// The store on its own: only the next number is stored, on every line, and the counter never
// goes down; nothing of the other kind is written.
TEST_F(TestBillNumberTest, TheStoreTakesOnlyTheNextNumber) {
  for (const Kind& k : kKinds) {
    SCOPED_TRACE(k.name);
    start(k);
    auto con = openDb();
    const BillKind numbers = k.kind == TestBillKind::Lab ? BillKind::Laboratory : BillKind::XRay;
    const BillKind otherNumbers = numbers == BillKind::Laboratory ? BillKind::XRay : BillKind::Laboratory;
    const auto otherKind = [&] {
      return scalar(QStringLiteral("SELECT (SELECT count(*) FROM %1) || '/' || (SELECT group_concat(BillNo) FROM %2)")
                        .arg(QLatin1String(TablesOf(otherNumbers).bills), QLatin1String(TablesOf(otherNumbers).counter)));
    };
    const QString otherBefore = otherKind();
    TestBillRecord bill;
    bill.date = QDate(2026, 12, 10);
    bill.lines = {{"One", "10"}, {"Two", "20"}};
    bill.patientId = "OP21";
    for (const char* number : {"5", "41", "43", ""}) {
      SCOPED_TRACE(number);
      bill.billNo = number;
      EXPECT_THROW(SaveBill(con, numbers, bill), DbError);
      EXPECT_EQ(lines(k), (QStringList{"41|OP22", "41|OP22"}));
      EXPECT_EQ(this->counter(k), "1:41");
    }
    bill.billNo = "42";
    SaveBill(con, numbers, bill);
    EXPECT_EQ(lines(k), (QStringList{"41|OP22", "41|OP22", "42|OP21", "42|OP21"}));
    EXPECT_EQ(this->counter(k), "1:42");
    EXPECT_EQ(otherKind(), otherBefore);
  }
}

}  // namespace
