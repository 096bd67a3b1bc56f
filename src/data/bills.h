#pragma once
// The four kinds of bill as they are stored: the rows of a printed bill, the save of a bill with
// its number in the kind's counter (and, for an in-patient bill, the advance the patient holds)
// all in one transaction, and the cancellation of a test bill. The next number and the check that
// a number is still free are in data/billnumbers.h.
#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <variant>
#include <vector>

#include "data/billnumbers.h"
#include "platform/ado.h"
#include "platform/vbruntime.h"

// An out-patient bill row: the standard fees are the columns DrFees to Scan, in that order.
inline constexpr int kOutBillFeeColumns = 6;
struct OutBillRecord {
  QString billNo;
  QDate date;
  std::array<QString, kOutBillFeeColumns> fees;
  QString others;  // the free-text amount box
  QString total;   // the total box
  QString patientName;
  QString patientId;
};

// An in-patient bill row: the charges are the columns BedCharges to Others, in that order.
inline constexpr int kInBillChargeColumns = 10;
struct InBillRecord {
  QString billNo;
  QDate date;
  std::array<QString, kInBillChargeColumns> charges;  // blank for a charge not listed
  QString total;
  QString patientName;
  QString patientId;
  QString advance;  // stored only when not blank
};

// A laboratory or x-ray bill is one row per line; the bill-level values are repeated on each.
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

// What an in-patient bill does to the advance the patient holds (SettingsInPatient.Advance).
struct AdvanceChange {
  enum class Kind { None, Set, Clear, Receive };
  Kind kind = Kind::None;
  // The patient: the identifier the bill was added for, and the rowid of the patient's row the
  // form chose for it (none when no row is that patient's). The save changes that row, and only
  // while its EmployeeID, trimmed of blanks, is still that identifier, letters compared as they
  // are: otherwise it refuses (DbError), and nothing is stored.
  QString patientId;
  std::optional<qint64> patientRow;
  // Set: the advance the patient holds from now on. Receive: a receipt's amount, added to the
  // advance the database holds at the save (not to the one the form read).
  Money amount;
  // When the bill's rows deducted the advance the patient held (a charge bill; Clear when it was
  // not blank), that advance as the form showed it, "" for none: the save refuses (DbError) when
  // the database holds another one, since the bill would then deduct what the patient does not
  // hold.
  std::optional<QString> deducted;
};

// The rows of one bill, of the kind's own shape.
using BillRows = std::variant<OutBillRecord, InBillRecord, TestBillRecord>;

// Stores a printed bill under the number `held` holds for it, in its transaction, and commits:
// appends its rows ("Available") to the kind's bill table, writes its number into the kind's
// counter (making the counter's row when the database has none) and, for an in-patient bill,
// applies `advance` to the patient's row of SettingsInPatient: all of it is stored or none. Every
// table is read and written inside the save, on the held number's connection; `rows` must be of
// the kind's shape. Refuses (BillNumberTaken, nothing written) rows that carry another number than
// the one held; refuses (DbError) rows of another kind, a counter it would lower and a deducted
// advance the patient no longer holds. A failure raises DbError and leaves nothing of the bill
// stored; the hold is given back then.
void SaveBill(HeldBillNumber& held, const BillRows& rows, const AdvanceChange& advance = {});
// The same under a number of `kind` held on `con` only for the save itself: refuses
// (BillNumberTaken) a number that is no longer the kind's next one, as when another program stored
// a bill since it was read.
void SaveBill(const std::shared_ptr<Connection>& con, BillKind kind, const BillRows& rows,
              const AdvanceChange& advance = {});

// The advance the patient holds as the database has it at this moment, as the form shows it
// ("" for none), read on the row the save writes: `patientRow`, the row the form chose for
// `patientId`; "" with no identifier or no row. Raises DbError when it cannot be read, and when the
// row is gone or holds another patient now (another program changed it since it was chosen).
QString AdvanceHeldNow(const std::shared_ptr<Connection>& con, const QString& patientId,
                       std::optional<qint64> patientRow);
// Whether two advances as the form shows them ("" for none) are the same advance.
bool SameAdvance(const QString& a, const QString& b);

// The column of the bill's number in every bill table, which the cancellations list.
inline constexpr int kBillNumberColumn = 0;

// An out-patient or in-patient bill row as a cancellation shows it, every value as stored.
struct StoredBill {
  QString patientName;
  QString patientId;
  // Out-patient: the fees DrFees to Others; in-patient: the charges BedCharges to Others.
  std::vector<QString> amounts;
  Value date;  // as stored: not every stored date is a day
  QString total;
};
// The out-patient or in-patient bill stored under `rowid` as the database holds it now; none
// when no row is stored under it. Raises DbError when it cannot be read.
std::optional<StoredBill> ReadBill(const std::shared_ptr<Connection>& con, BillKind kind, qint64 rowid);

// Marks the out-patient or in-patient bill stored under `rowid` as "Deleted" when, read again
// inside the transaction of the write, it is still "Available"; a bill another program cancelled
// (or removed) since it was read is not cancelled again. Returns whether it was marked. Raises
// DbError; nothing is marked then.
bool CancelBill(const std::shared_ptr<Connection>& con, BillKind kind, qint64 rowid);

// A line of a laboratory or x-ray bill as a cancellation shows it, every value as stored; the
// bill-level values are repeated on each line.
struct StoredTestLine {
  qint64 rowid = 0;
  QString billNo;
  Value date;  // as stored: not every stored date is a day
  QString description;
  QString amount;
  QString discount;
  QString grossTotal;
  QString total;
  QString patientName;
  QString patientId;
};
// The lines of the kind's bill table (laboratory or x-ray) stored under `rowids`, in the order of
// `rowids`; a rowid under which no line is stored any more gives none. Raises DbError when they
// cannot be read.
std::vector<StoredTestLine> ReadTestBillLines(const std::shared_ptr<Connection>& con, BillKind kind,
                                              const std::vector<qint64>& rowids);

// Marks the lines `lines` (rowids of the kind's laboratory or x-ray bill table, as they were read
// for the clerk to see) of the bill `billNo` as "Deleted", all or nothing, when every one of them
// is, as the database holds it inside the transaction of the write, still a line of that bill and
// "Available". Returns how many lines were marked: 0, with nothing written, when there are none or
// the bill is no longer the valid bill that was read (another program cancelled it, or changed or
// removed one of its lines, since). Lines stored under the number since they were read are another
// bill's and are left alone. Raises DbError; nothing is marked then.
int CancelTestBill(const std::shared_ptr<Connection>& con, BillKind kind, const std::vector<qint64>& lines,
                   const QString& billNo);

// The reads the cancellations open their bill recordsets on.
// The bills not cancelled, every row in the table's order, as a cancellation lists them.
TableRead ValidBillsRead(BillKind kind);
// The same bills of an out- or in-patient kind in the order of their numbers, which an index of
// the numbers of the bills not cancelled serves alone: the table's order too wherever the numbers
// rose with the bills (ReadKeyListInTableOrder).
TableRead ValidBillNumbersRead(BillKind kind);
// The rows of the kind's bill table stored under `rowids` (none for none), in the table's order.
TableRead BillRowsByRowIdRead(BillKind kind, const std::vector<Value>& rowids);
