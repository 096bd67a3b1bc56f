#pragma once
// The arithmetic, the store and the cancellation of a test bill, apart from the forms.
//
// A test bill is stored as one row per line of LabPrintDetails or XRayPrintDetails; the
// bill-level values (number, date, discount, gross and net totals, patient) are repeated on every
// row, and column 9 holds "Available" until the bill is cancelled ("Deleted"). The counter table
// holds the number of the last bill saved.
#include <QDate>
#include <QString>
#include <vector>

#include "platform/ado.h"
#include "platform/vbruntime.h"

// Column ordinals of the bill tables.
inline constexpr int kTestBillNoColumn = 0;
inline constexpr int kTestDateColumn = 1;
inline constexpr int kTestDescriptionColumn = 2;
inline constexpr int kTestAmountColumn = 3;
inline constexpr int kTestDiscountColumn = 4;
inline constexpr int kTestGrossColumn = 5;
inline constexpr int kTestTotalColumn = 6;
inline constexpr int kTestPatientNameColumn = 7;
inline constexpr int kTestPatientIdColumn = 8;
inline constexpr int kTestStatusColumn = 9;

// From this age on the x-ray tests are charged at the adults' price. An age that is not a
// number counts as 0.
inline constexpr int kXRayAdultAge = 8;
bool IsXRayAdult(const QString& age);

// The gross total after one more line: the box's value plus the price rounded to cents, in
// plain short text ("150", "302.5").
QString AddToGross(const QString& grossBox, const QString& price);

// A discount box holds a valid percent when it reads as a number from 0 to 99 (fractions
// allowed) and holds nothing else but blanks around it; an empty or blank box is 0.
bool ReadDiscount(const QString& box, Money& percent);
// The net total's text: the gross text itself with no discount, else gross less the percent,
// unrounded, in plain short text (155 less 15 % is "131.75").
QString NetTotal(const QString& grossBox, const Money& percent);

struct TestBillLine {
  QString description;
  QString amount;  // as the price list holds it
};

struct TestBillRecord {
  QString billNo;
  QDate date;
  std::vector<TestBillLine> lines;
  QString discount;
  QString grossTotal;
  QString total;
  QString patientName;
  QString patientId;
};

// The counter plus 1, or "1" when the counter has no row, as `counter` last read it. The form
// shows NextBillNumberText (data/billnumbers.h) instead, which no stale counter can take back to
// a number already used.
QString NextTestBillNumber(Recordset& counter);

// Appends one row per line, in order, all under the bill's number, and writes that number into
// the counter (adding the counter's row when the database has none), all or nothing, in one
// transaction on the recordsets' connection. The kind of bill is the one whose bill table `bills`
// writes; `counter` must be that kind's counter. Refuses (BillNumberTaken, nothing written) a
// number that is no longer the kind's next one, as when another program stored a bill since it
// was read, so that a number never holds the lines of two bills; never writes the counter below
// the value it holds. Raises DbError; nothing is stored then and both recordsets are as they were.
void SaveTestBill(Recordset& bills, Recordset& counter, const TestBillRecord& bill);

// Marks the lines of `bills` whose number is `billNo` as "Deleted", all or nothing, when every one
// of them is, as the database holds it inside the transaction of the write, still a line of that
// bill and "Available". Returns how many lines were marked: 0, with nothing written, when the
// bill is not there or is no longer the valid bill `bills` read (another program cancelled it, or
// changed or removed one of its lines, since). Lines stored under the number since `bills` was
// read are another bill's and are left alone. Raises DbError; nothing is marked then.
int CancelTestBill(Recordset& bills, const QString& billNo);
